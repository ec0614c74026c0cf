#pragma once
// How two schedules differ in what the player does: the lines of the week that only one of them
// has, the settings, and the timings that differ but never play (UTF-8, fields separated by tabs).

#include "TimingSet.h"

#include <string>
#include <vector>

namespace tavisto {

struct ScheduleDiff {
    // "- " for what only `a` has, "+ " for what only `b` has: per program its week's lines (the
    // --week lines without the timing's name, a slot that may move without changing what plays,
    // after the program: "程序1", "随机程序"), then the settings ("运行设定\t程序1"), then the
    // timings that never play (after their table), each part in the order of the week.
    std::vector<std::string> lines;

    bool differs() const { return !lines.empty(); }
};

ScheduleDiff diffSchedules(const TimingSet& a, const TimingSet& b);

}  // namespace tavisto
