#pragma once
// The edits of many timings of one program at once: a series of copies of a model, copies on other
// days and zones, a shift in time, days and zones set, a deletion. Each gives the slots it would
// write, or refuses as a whole and says why; nothing is written here.
#include "ProgramTable.h"
#include "ScheduleStep.h"

#include <cstdint>
#include <vector>

namespace quennet {

struct Refusal {
    enum class Kind {
        None,
        NoRoom,     // fewer free positions than copies
        LeavesDay,  // a start would leave 00:00..23:59
    };
    Kind kind = Kind::None;
    int free = 0;                // NoRoom: the free positions there are
    int needed = 0;              // NoRoom: the copies to place
    std::vector<int> positions;  // LeavesDay: the timings concerned
};

struct BulkEdit {
    std::vector<EntryChange> changes;  // in position order; empty when nothing would change
    Refusal refusal;

    bool refused() const { return refusal.kind != Refusal::Kind::None; }
};

// Which bits to set and which to clear; a bit in neither keeps what each timing has.
struct BitChange {
    std::uint8_t set = 0;
    std::uint8_t clear = 0;
};

// Positions 1..99 that hold no timing, lowest first: the gaps, then what lies beyond the last.
std::vector<int> freePositions(const ProgramTable& table);

// Copies of the timing at `model`, starting at each of the minutes of the day in `starts` (a time
// twice, or the model's own, gives one copy or none); a span keeps its length. In time order into
// the lowest free positions.
BulkEdit addSeries(const ProgramTable& table, int program, int model, const std::vector<int>& starts);

// Copies of the timings at `positions`, in their order, on the given days and zones.
BulkEdit copyTimings(const ProgramTable& table, int program, const std::vector<int>& positions,
                     std::uint8_t dayBits, std::uint8_t zoneBits);

// Moves starts and ends by `minutes`. An end may pass midnight, a start may not leave the day.
BulkEdit shiftTimings(const ProgramTable& table, int program, const std::vector<int>& positions, int minutes);

BulkEdit setDaysAndZones(const ProgramTable& table, int program, const std::vector<int>& positions,
                         BitChange days, BitChange zones);

BulkEdit deleteTimings(const ProgramTable& table, int program, const std::vector<int>& positions);

// The change that makes `entries` the program's timings, each at the position its EntryNo names
// (1..99), and deletes every other timing.
std::vector<EntryChange> replaceEntries(const ProgramTable& table, int program,
                                        const std::vector<TimingEntry>& entries);

// The start of a timing in minutes of the day, and the end of a span.
int startMinute(const TimingEntry& entry);
int endMinute(const TimingEntry& entry);

}  // namespace quennet
