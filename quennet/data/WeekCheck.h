#pragma once
// What in a week does not work as the user may think: clashes, timings that never play, and
// notes. Found by sweeps over each day and zone in time order, never by comparing all pairs.
#include "DataFileLayout.h"
#include "WeekPlan.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace quennet {

enum class FindingReason : std::uint8_t {
    SameMinute,    // two music timings start at the same minute
    MusicInRadio,  // a music timing starts while the radio plays
    RadioOverlap,  // two radio spans at once
    BadStart,      // the reasons of UnusableReason, in its order
    BadEnd,
    BadTrack,
    BadStation,
    NoDay,
    NoLength,
    NoZone,
    PeripheralOverlap,   // the device is simply on for longer
    PastMidnight,        // ends on the next day
    PastSundayMidnight,  // ends on Monday
    NotRun,              // a program the player does not run holds timings
    EmptyWeek,           // the program the player runs has no timing that plays
};

struct Finding {
    // 冲突, 无效, 不播放, 提示: the order of the list.
    enum class Level : std::uint8_t { Clash, Invalid, NotPlaying, Note };

    Level level = Level::Note;
    FindingReason reason = FindingReason::NotRun;
    std::uint8_t days = 0;  // bit 0 Monday .. bit 6 Sunday
    std::optional<int> start;
    std::optional<int> end;          // before the start: on the next day; 1440 is midnight
    std::uint8_t zones = 0;          // in common
    std::vector<TimingRef> timings;  // position 0 stands for the whole program
    int count = 0;                   // NotRun: how many timings the program holds
    int runProgram = 0;              // NotRun, EmptyWeek: the program the player runs, 0..3
};

// The level of a reason, and its words: "%1" stands for the count, "%2" for the run program.
Finding::Level levelOf(FindingReason reason);
const char* reasonWords(FindingReason reason);

// The findings of `week`, one of `programs` (the valid entries of all four): clashes first, then
// the invalid timings, those that cannot play, then the notes; within each by day and time. A note
// for each program other than runProgram that holds timings; whatever program the week shows,
// a run program that plays nothing is a finding.
std::vector<Finding> checkWeek(const std::array<std::vector<TimingEntry>, kProgramCount>& programs,
                               int runProgram, const WeekPlan& week);

// The week of one program among the valid entries of all four, and its findings.
struct WeekReview {
    WeekPlan week;
    std::vector<Finding> findings;
};
WeekReview reviewWeek(const std::array<std::vector<TimingEntry>, kProgramCount>& programs, int program,
                      int runProgram);

// Whether the week is fit to go to the player: nothing but notes.
bool passes(const std::vector<Finding>& findings);

}  // namespace quennet
