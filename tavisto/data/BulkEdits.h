#pragma once
// Edits of several timings of one table at once: a series from a model timing, copies onto other
// days or zones, a shift in time, days and zones set, and clearing. Each gives the whole new set,
// or refuses as a whole, saying why and naming the timings concerned; the set it is given is never
// changed. Copies go into the lowest free slots (slot 100 of a program table is never used).

#include "CurrentTiming.h"
#include "TimingSet.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavisto {

struct BulkOutcome {
    std::optional<TimingSet> set;  // the set after the edit; nothing when refused
    std::string refusal;           // why nothing was done
    std::vector<int> touched;      // refused: the timings concerned; done: the slots written
};

// What an edit does to a bit set: bits in `on` are set, bits in `off` cleared, the rest kept as
// each timing has them.
struct BitChange {
    std::uint8_t on = 0;
    std::uint8_t off = 0;
    std::uint8_t appliedTo(std::uint8_t bits) const { return static_cast<std::uint8_t>((bits | on) & ~off); }
};

// Whether a slot holds a timing: a used Serial, and not all its other bytes 0 (as a slot only
// visited by the editor is left).
bool slotHoldsTiming(const TimingSet& set, const SlotSelection& table, int slot);

// The slots of the table the editor reaches (1..99, or 1..10) that hold no timing, ascending.
std::vector<int> freeSlots(const TimingSet& set, const SlotSelection& table);

// Copies of the timing in slot `model` (its tracks, days, zones, mode and the length of its span)
// starting at each of `minutes` (minutes of the day), in time order into the lowest
// free slots. A time at which the model itself starts is left out.
BulkOutcome addSeries(const TimingSet& set, const SlotSelection& table, int model,
                      const std::vector<int>& minutes);

// Copies of the timings in `chosen`, in slot order into the lowest free slots, on the days and in
// the zones given.
BulkOutcome copyTimings(const TimingSet& set, const SlotSelection& table, const std::vector<int>& chosen,
                        std::uint8_t days, std::uint8_t zones);

// The timings in `chosen` moved by `minutes` (negative: earlier), start and end together: a span
// may run past midnight, a start may not leave the day.
BulkOutcome shiftTimings(const TimingSet& set, const SlotSelection& table, const std::vector<int>& chosen,
                         int minutes);

BulkOutcome setDaysAndZones(const TimingSet& set, const SlotSelection& table, const std::vector<int>& chosen,
                            BitChange days, BitChange zones);

// The slots emptied as the overview's 清除定时 empties one: Serial 0 and every field 0.
BulkOutcome clearTimings(const TimingSet& set, const SlotSelection& table, const std::vector<int>& chosen);

}  // namespace tavisto
