#pragma once
// The part of one program's table that readers look at.
#include "DataFileLayout.h"
#include "TimingEntry.h"

#include <array>
#include <vector>

namespace quennet {

struct ProgramTable {
    // The first four 512-byte blocks; slots beyond a short read stay zero.
    std::array<TimingEntry, kReadBlockCount * kReadBlockSize / kEntrySize> slots{};

    // Slots among positions 1..99 whose EntryNo equals their position, in position order.
    // A gap does not end the walk.
    std::vector<TimingEntry> validEntries() const;
};

}  // namespace quennet
