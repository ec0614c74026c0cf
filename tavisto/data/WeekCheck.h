#pragma once
// The findings of a week: clashes, timings that cannot play, and notes, from the same events the
// week plan shows.

#include "WeekPlan.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace tavisto {

enum class FindingReason : std::uint8_t {
    SameMinute,     // two music timings start at the same minute
    MusicInRandom,  // a music timing starts while a random span plays
    RandomOverlap,  // two random spans at once
    BadStart,       // the reasons of UnusableReason, in its order
    BadEnd,
    BadTrack,
    NoDay,
    NoLength,
    NoTrack,
    EmptyRange,
    NoZone,
    PeripheralOverlap,   // the device is simply on for longer
    PastMidnight,        // ends on the next day
    PastSundayMidnight,  // ends on Monday
    RandomOff,           // the random program holds timings but is switched off
    NotRun,              // a program the player does not run holds timings
    EmptyWeek,           // the program the player runs has no timing that plays
};

struct Finding {
    // 冲突, 无效, 不播放, 提示: the order of the list.
    enum class Level : std::uint8_t { Clash, Invalid, NotPlaying, Note };

    Level level = Level::Note;
    FindingReason reason = FindingReason::NotRun;
    std::uint8_t days = 0;           // bit 0 Monday .. bit 6 Sunday
    std::optional<int> start;        // minute of the day; nothing when the finding has no valid time
    std::optional<int> end;          // spans: minute of the day, earlier than start when past midnight
    std::uint8_t zones = 0;          // the zones in common
    std::vector<TimingRef> timings;  // slot 0 stands for a whole standard program
    int count = 0;                   // NotRun: how many timings the program holds
    int runProgram = 0;              // NotRun, EmptyWeek: the program the player runs, 1..4
};

// The level of a reason, and its words: "%1" stands for the count, "%2" for the run program.
Finding::Level levelOf(FindingReason reason);
const char* reasonWords(FindingReason reason);

// The findings of `plan` for the set `timings` it was expanded from: clashes first, then the
// invalid timings, those that cannot play, then the notes; within each by first day, time and
// table order. Whatever program the plan shows, a run program that plays nothing is a finding.
std::vector<Finding> checkWeek(const TimingSet& timings, const WeekPlan& plan);

// The week of one standard program and its findings.
struct WeekReview {
    WeekPlan week;
    std::vector<Finding> findings;
};
WeekReview reviewWeek(const TimingSet& timings, int program);

// Whether the week is fit to go to the player: nothing but notes.
bool passes(const std::vector<Finding>& findings);

}  // namespace tavisto
