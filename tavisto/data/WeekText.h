#pragma once
// The week and its findings as lines of text, fields separated by tabs (UTF-8).

#include "WeekCheck.h"

#include <string>
#include <vector>

namespace tavisto {

// "07:30" for a minute of the day; 1440 is "24:00".
std::string clockText(int minute);
// "星期一" .. "星期日" for day 0..6.
std::string dayName(int day);
// "星期一", "星期一至星期五", "星期一,星期三至星期五": runs of days joined.
std::string daysText(std::uint8_t days);
// "07:30"; "07:30-次日01:00" for a span past midnight; empty without a start.
std::string timeText(std::optional<int> start, std::optional<int> end);
// "1,2,6": the zones in ascending order.
std::string zonesText(std::uint8_t zones);
// How the editor names a timing: "程序1 音乐定时 03", "程序2 外设定时 15", "随机程序 02", "程序3".
std::string timingName(const TimingRef& timing);
// What an event plays: "音乐 01-12-03", "外设", "随机 顺序 01-20", "随机 随机 05-09".
std::string playsText(const WeekEvent& event);
// The timing's name and its overview row, for a tooltip.
std::string timingText(const TimingRef& timing, const CP& fields);
// "冲突", "无效", "不播放", "提示".
std::string levelText(Finding::Level level);
// The finding's reason in words, its count and run program filled in.
std::string reasonText(const Finding& finding);

// One line per event: day, start, end (empty for an instant, "次日HH:MM" past midnight), zones,
// what plays, the timing.
std::string weekLine(const WeekEvent& event);
// One line per finding: level, days, time, zones, the timings joined by " / ", reason.
std::vector<std::string> findingCells(const Finding& finding);
std::string findingLine(const Finding& finding);

}  // namespace tavisto
