#pragma once
// The part of one program's table that readers look at.
#include "DataFileLayout.h"
#include "TimingEntry.h"

#include <array>
#include <vector>

namespace quennet {

struct ProgramTable {
    // The first four 512-byte blocks; slots beyond a short read stay zero.
    std::array<TimingEntry, kReadBlockCount * kReadBlockSize / kEntrySize> entries{};

    // The slot at position, from 1.
    const TimingEntry& at(int position) const { return entries[std::size_t(position - 1)]; }

    // Slots among positions 1..99 whose EntryNo equals their position, in position order.
    // A gap does not end the walk.
    std::vector<TimingEntry> validEntries() const;
};

}  // namespace quennet
