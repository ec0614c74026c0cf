#pragma once
// What the player does in a week: the timings of one program as events on the days Monday to
// Sunday. The week plan's picture, the check, `quennet --week` and the printout all read these,
// so they can never disagree.
#include "TimingEntry.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace quennet {

constexpr int kMinutesPerDay = 24 * 60;
constexpr int kDaysPerWeek = 7;
constexpr int kZoneCount = 4;

// One stored timing: program 0..3 and its position 1..99.
struct TimingRef {
    int program = 0;
    int position = 0;
    bool operator==(const TimingRef& other) const
    {
        return program == other.program && position == other.position;
    }
    bool operator<(const TimingRef& other) const
    {
        return program != other.program ? program < other.program : position < other.position;
    }
};

enum class EventKind : std::uint8_t { Music, Recording, Radio, Peripheral };
EventKind eventKind(const TimingEntry& entry);

struct WeekEvent {
    int day = 0;             // 0 Monday .. 6 Sunday
    int start = 0;           // minute of the day
    std::optional<int> end;  // a span's end minute; before the start it is on the next day
    std::uint8_t zones = 0;  // bit 0 zone 1 .. bit 3 zone 4
    EventKind kind = EventKind::Music;
    TimingEntry entry;  // what plays: tracks and random range, or the station
    TimingRef timing;

    bool isSpan() const { return end.has_value(); }
    bool pastMidnight() const { return end && *end < start; }
};

// The part of an event on one day: a span past midnight has a second part on the next day
// (Sunday's on Monday), from 00:00. A music timing's part starts and ends at its minute.
struct DayPart {
    int day = 0;
    int from = 0;
    int to = 0;  // the first minute no longer played; equal to `from` for an instant
};
std::vector<DayPart> dayParts(const WeekEvent& event);

// Why a stored timing cannot do anything, in the order they are looked for.
enum class UnusableReason : std::uint8_t { BadStart, BadEnd, BadTrack, BadStation, NoDay, NoLength, NoZone };

struct UnusableTiming {
    TimingRef timing;
    TimingEntry entry;
    UnusableReason reason = UnusableReason::NoDay;
};

struct WeekPlan {
    std::vector<WeekEvent> events;         // by day, start, then position
    std::vector<UnusableTiming> unusable;  // by position
};

// The valid entries of one program (as ProgramTable::validEntries gives them) as events.
WeekPlan expandWeek(const std::vector<TimingEntry>& entries, int program);

// Whether the entries play anything in a week: a timing that is neither invalid nor without a zone.
bool playsAnything(const std::vector<TimingEntry>& entries);

// DayBits has Sunday in bit 0; the week starts on Monday.
constexpr int dayOfBit(int bit)
{
    return bit == 0 ? 6 : bit - 1;
}

}  // namespace quennet
