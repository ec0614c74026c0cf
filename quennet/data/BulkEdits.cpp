#include "BulkEdits.h"

#include "DataFile.h"
#include "DataFileLayout.h"

#include <algorithm>
#include <set>

namespace quennet {

namespace {
constexpr int kMinutesPerDay = 24 * 60;

bool holdsTiming(const ProgramTable& table, int position)
{
    return position >= 1 && position <= kMaxTimings && table.at(position).EntryNo == position;
}

bool hasSpan(const TimingEntry& entry)
{
    return kindOf(entry) != TimingKind::Music;
}

void setStart(TimingEntry& entry, int minute)
{
    entry.Hour = std::uint8_t(minute / 60);
    entry.Minute = std::uint8_t(minute % 60);
}

// An end may lie past midnight: it wraps into the next day.
void setEnd(TimingEntry& entry, int minute)
{
    minute = ((minute % kMinutesPerDay) + kMinutesPerDay) % kMinutesPerDay;
    entry.RangeFromOrEndHour = std::uint8_t(minute / 60);
    entry.RangeToOrEndMinute = std::uint8_t(minute % 60);
}

// The timings among `positions` in position order, each once.
std::vector<int> heldPositions(const ProgramTable& table, std::vector<int> positions)
{
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    positions.erase(std::remove_if(positions.begin(), positions.end(),
                                   [&](int position) { return !holdsTiming(table, position); }),
                    positions.end());
    return positions;
}

// The copies into the lowest free positions, in their order, or the refusal for want of room.
BulkEdit placeCopies(const ProgramTable& table, int program, std::vector<TimingEntry> copies)
{
    BulkEdit edit;
    const std::vector<int> free = freePositions(table);
    if (free.size() < copies.size()) {
        edit.refusal = {Refusal::Kind::NoRoom, int(free.size()), int(copies.size()), {}};
        return edit;
    }
    for (std::size_t i = 0; i < copies.size(); ++i) {
        copies[i].EntryNo = std::uint8_t(free[i]);
        edit.changes.push_back({program, free[i], table.at(free[i]), copies[i]});
    }
    return edit;
}

// Each timing at `positions` changed by `change`; slots it leaves as they were are not written.
template<class Change>
BulkEdit changeEach(const ProgramTable& table, int program, const std::vector<int>& positions, Change change)
{
    BulkEdit edit;
    for (int position : heldPositions(table, positions)) {
        const TimingEntry& before = table.at(position);
        TimingEntry after = before;
        change(after);
        if (bytesDiffer(before, after))
            edit.changes.push_back({program, position, before, after});
    }
    return edit;
}
}  // namespace

int startMinute(const TimingEntry& entry)
{
    return entry.Hour * 60 + entry.Minute;
}

int endMinute(const TimingEntry& entry)
{
    return entry.RangeFromOrEndHour * 60 + entry.RangeToOrEndMinute;
}

std::vector<int> freePositions(const ProgramTable& table)
{
    std::vector<int> free;
    for (int position = 1; position <= kMaxTimings; ++position) {
        if (!holdsTiming(table, position))
            free.push_back(position);
    }
    return free;
}

BulkEdit addSeries(const ProgramTable& table, int program, int model, const std::vector<int>& starts)
{
    if (!holdsTiming(table, model))
        return {};
    const TimingEntry& original = table.at(model);
    const int span = endMinute(original) - startMinute(original);
    std::set<int> times(starts.begin(), starts.end());
    times.erase(startMinute(original));
    std::vector<TimingEntry> copies;
    for (int start : times) {
        TimingEntry copy = original;
        setStart(copy, start);
        if (hasSpan(copy))
            setEnd(copy, start + span);
        copies.push_back(copy);
    }
    return placeCopies(table, program, copies);
}

BulkEdit copyTimings(const ProgramTable& table, int program, const std::vector<int>& positions,
                     std::uint8_t dayBits, std::uint8_t zoneBits)
{
    std::vector<TimingEntry> copies;
    for (int position : heldPositions(table, positions)) {
        TimingEntry copy = table.at(position);
        copy.DayBits = dayBits;
        copy.ZoneBits = zoneBits;
        copies.push_back(copy);
    }
    return placeCopies(table, program, copies);
}

BulkEdit shiftTimings(const ProgramTable& table, int program, const std::vector<int>& positions, int minutes)
{
    std::vector<int> leaving;
    for (int position : heldPositions(table, positions)) {
        const int start = startMinute(table.at(position)) + minutes;
        if (start < 0 || start >= kMinutesPerDay)
            leaving.push_back(position);
    }
    if (!leaving.empty()) {
        BulkEdit edit;
        edit.refusal = {Refusal::Kind::LeavesDay, 0, 0, leaving};
        return edit;
    }
    return changeEach(table, program, positions, [minutes](TimingEntry& entry) {
        const int end = endMinute(entry);
        setStart(entry, startMinute(entry) + minutes);
        if (hasSpan(entry))
            setEnd(entry, end + minutes);
    });
}

BulkEdit setDaysAndZones(const ProgramTable& table, int program, const std::vector<int>& positions,
                         BitChange days, BitChange zones)
{
    return changeEach(table, program, positions, [days, zones](TimingEntry& entry) {
        entry.DayBits = std::uint8_t((entry.DayBits | days.set) & ~days.clear);
        entry.ZoneBits = std::uint8_t((entry.ZoneBits | zones.set) & ~zones.clear);
    });
}

BulkEdit deleteTimings(const ProgramTable& table, int program, const std::vector<int>& positions)
{
    return changeEach(table, program, positions,
                      [](TimingEntry& entry) { entry = DataFile::deletedEntry(); });
}

std::vector<EntryChange> replaceEntries(const ProgramTable& table, int program,
                                        const std::vector<TimingEntry>& entries)
{
    std::vector<TimingEntry> wanted(kMaxTimings + 1);
    std::vector<bool> named(kMaxTimings + 1, false);
    for (const TimingEntry& entry : entries) {
        if (entry.EntryNo >= 1 && entry.EntryNo <= kMaxTimings) {
            wanted[entry.EntryNo] = entry;
            named[entry.EntryNo] = true;
        }
    }
    std::vector<EntryChange> changes;
    for (int position = 1; position <= kMaxTimings; ++position) {
        const TimingEntry& before = table.at(position);
        if (!named[std::size_t(position)] && !holdsTiming(table, position))
            continue;
        const TimingEntry after =
            named[std::size_t(position)] ? wanted[std::size_t(position)] : DataFile::deletedEntry();
        if (bytesDiffer(before, after))
            changes.push_back({program, position, before, after});
    }
    return changes;
}

}  // namespace quennet
