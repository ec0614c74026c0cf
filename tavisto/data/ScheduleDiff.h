#pragma once
// How two schedules differ in what the player does: the lines of the week that only one of them
// has, the settings, and the timings that differ but never play (UTF-8, fields separated by tabs).

#include "TimingSet.h"

#include <string>
#include <vector>

namespace tavisto {

struct ScheduleDiff {
    // Under a heading per part ("程序1" .. "程序4", "随机程序", "设定", "不播放的定时"), the lines
    // only `a` has ("- ") and only `b` has ("+ "), in the order of the week. A week line is one of
    // --week without the timing's name: a timing moved to another slot plays the same.
    std::vector<std::string> lines;
    bool differs = false;
};

ScheduleDiff diffSchedules(const TimingSet& a, const TimingSet& b);

}  // namespace tavisto
