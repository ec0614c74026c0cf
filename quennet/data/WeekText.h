#pragma once
// The week and its findings in words: the cells of `quennet --week` and `quennet --check`, one
// line each with the cells joined by tabs, and of the week plan's finding list.
#include "WeekCheck.h"
#include "WeekPlan.h"

#include <string>
#include <vector>

namespace quennet {

// "程序1 第 03 条"; position 0 names the whole program, "程序2".
std::string timingName(const TimingRef& timing);

// "07:30" for a minute of the day; 1440 is "24:00".
std::string clockText(int minute);

// "星期一" .. "星期日" for day 0 (Monday) .. 6.
std::string dayName(int day);

// One line per event: day, start, end ("次日01:00" past midnight, empty for an instant), zones,
// what plays, the timing.
std::string weekLine(const WeekEvent& event);

// "音乐 01-02-03 随机10-20", "录音 …", "收音 电台05" or "外设".
std::string playsText(const WeekEvent& event);

// The finding's reason in words, its count and run program filled in.
std::string reasonText(const Finding& finding);

// Level, days, time, zones, the timings joined by " / ", reason.
std::vector<std::string> findingCells(const Finding& finding);
std::string findingLine(const Finding& finding);

}  // namespace quennet
