#pragma once
// What the player does in a week: the timings that take part, expanded into events per day.

#include "CurrentTiming.h"
#include "Effectiveness.h"
#include "TimingSet.h"

#include <optional>
#include <vector>

namespace tavisto {

constexpr int kDays = 7;  // 0 Monday .. 6 Sunday, as the bits of Weekdays
constexpr int kZones = 6;
constexpr int kMinutesPerDay = 24 * 60;
constexpr int kMinutesPerWeek = kDays * kMinutesPerDay;

// The editor's table of a kind of timing in a standard program 1..4 (program 0 for the random one).
SlotSelection tableOf(TimingKind kind, int program);

// One timing of the file: program 1..4 with its table, or the random program (program 0). Slot 0
// stands for a whole standard program.
struct TimingRef {
    TimingKind kind = TimingKind::Music;
    int program = 1;
    int slot = 1;

    // The order of the tables: each program's music, then its peripheral timings, then the random ones.
    int order() const;
    SlotSelection table() const { return tableOf(kind, program); }
    bool operator==(const TimingRef& other) const
    {
        return kind == other.kind && program == other.program && slot == other.slot;
    }
};

struct WeekEvent {
    int day = 0;             // 0 Monday .. 6 Sunday
    int start = 0;           // minute of the day
    std::optional<int> end;  // spans: minute of the day, earlier than start when past midnight
    std::uint8_t zones = 0;  // bit 0 zone 1 .. bit 5 zone 6
    TimingKind kind = TimingKind::Music;
    CP fields;  // what plays: the tracks, the range and the play mode
    TimingRef timing;

    bool pastMidnight() const { return end && *end < start; }
    // Minutes of the week from the start of Monday; a span's end may lie beyond Sunday's midnight.
    int weekStart() const { return day * kMinutesPerDay + start; }
    int weekEnd() const { return weekStart() + (end ? (*end - start + kMinutesPerDay) % kMinutesPerDay : 0); }
};

// Why a used timing cannot play, in the order they are looked for: bytes no editor writes, then
// what the editor's status bar calls 此定时无效, then a timing that is valid but has no zone.
enum class UnusableReason : std::uint8_t {
    BadStart,
    BadEnd,
    BadTrack,
    NoDay,
    NoLength,
    NoTrack,
    EmptyRange,
    NoZone
};

struct UnusableTiming {
    TimingRef timing;
    CP fields;
    UnusableReason reason = UnusableReason::NoDay;
};

struct WeekPlan {
    int program = 1;  // the standard program expanded
    int runProgram = 1;
    bool randomEnabled = true;
    std::vector<WeekEvent> events;  // by day, start, then the order of the tables
    std::vector<UnusableTiming> unusable;
};

// Minutes of the day of a packed-BCD time, or nothing when the bytes are no valid time.
std::optional<int> minuteOf(std::uint8_t hour, std::uint8_t minute);

// The standard program the player runs: RunProgram, or 1 when the file holds no valid number.
int playedProgram(const TimingSet& timings);

// Every used timing of `program` (1..4) and, while the random program is on, of the random table.
WeekPlan expandWeek(const TimingSet& timings, int program);

// Whether the standard program (1..4) plays anything in a week: a timing that is neither invalid
// nor without a zone, or a random one while the random program is on.
bool playsAnything(const TimingSet& timings, int program);

// Every slot of a table that holds a timing (holdsTiming), in slot order, through the slot transfer
// of the editor.
std::vector<std::pair<TimingRef, CP>> usedTimings(const TimingSet& timings, const SlotSelection& table);

}  // namespace tavisto
