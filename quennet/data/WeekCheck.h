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
};

struct Finding {
    enum class Level : std::uint8_t { Clash, Invalid, Note };  // 冲突, 无效, 提示: the order of the list

    Level level = Level::Note;
    FindingReason reason = FindingReason::NotRun;
    std::uint8_t days = 0;  // bit 0 Monday .. bit 6 Sunday
    std::optional<int> start;
    std::optional<int> end;          // before the start: on the next day; 1440 is midnight
    std::uint8_t zones = 0;          // in common
    std::vector<TimingRef> timings;  // position 0 stands for the whole program
    int count = 0;                   // NotRun: how many timings the program holds
    int runProgram = 0;              // NotRun: the program the player runs
};

// Findings of the week of one program, clashes first, then by day and time; and a note for
// each program other than runProgram that holds timings (timingCounts per program).
std::vector<Finding> checkWeek(const WeekPlan& week, const std::array<int, kProgramCount>& timingCounts,
                               int runProgram);

// The week of one program among the valid entries of all four, and its findings.
struct WeekReview {
    WeekPlan week;
    std::vector<Finding> findings;
};
WeekReview reviewWeek(const std::array<std::vector<TimingEntry>, kProgramCount>& programs, int program,
                      int runProgram);

// Whether the week is fit to go to the player: no 冲突 and no 无效.
bool passes(const std::vector<Finding>& findings);

}  // namespace quennet
