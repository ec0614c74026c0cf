#pragma once
// The texts of one row of the timing overview list (UTF-8).

#include "CurrentTiming.h"

#include <array>
#include <cstdint>
#include <string>

namespace tavisto {

constexpr int kOverviewColumns = 5;
using OverviewRow = std::array<std::string, kOverviewColumns>;

// Seven positions for bits 0..6: "1-2-3-4-5-6-日" when all are set, a blank or "- " for each bit not set.
std::string LinkStr(std::uint8_t value);

// Cells of the row that shows slot `slot` of the table chosen by `selection`, from the fields of `cp`.
OverviewRow overviewRow(const SlotSelection& selection, int slot, const CP& cp);

}  // namespace tavisto
