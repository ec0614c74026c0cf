#include "WeekText.h"

#include <cstdio>

namespace quennet {

namespace {
const char* const kDayNames[kDaysPerWeek] = {"星期一", "星期二", "星期三", "星期四",
                                             "星期五", "星期六", "星期日"};
const char* const kLevelNames[] = {"冲突", "无效", "不播放", "提示"};

template<class... Values>
std::string format(const char* pattern, Values... values)
{
    char text[128];
    std::snprintf(text, sizeof text, pattern, values...);
    return text;
}

std::string endText(int start, int end)
{
    return end < start ? "次日" + clockText(end) : clockText(end);
}

std::string zonesText(std::uint8_t zones)
{
    std::string text;
    for (int zone = 0; zone < kZoneCount; ++zone) {
        if (zones & (1 << zone))
            text += (text.empty() ? "" : ",") + std::to_string(zone + 1);
    }
    return text;
}

// Days in a row read "星期一至星期五"; runs are joined with ",".
std::string daysText(std::uint8_t days)
{
    std::string text;
    for (int day = 0; day < kDaysPerWeek; ++day) {
        if (!(days & (1 << day)))
            continue;
        int last = day;
        while (last + 1 < kDaysPerWeek && (days & (1 << (last + 1))))
            ++last;
        text +=
            (text.empty() ? "" : ",") + (last == day ? dayName(day) : dayName(day) + "至" + dayName(last));
        day = last;
    }
    return text;
}

std::string tabLine(const std::vector<std::string>& cells)
{
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i)
        line += (i > 0 ? "\t" : "") + cells[i];
    return line;
}

}  // namespace

std::string clockText(int minute)
{
    return format("%02d:%02d", minute / 60, minute % 60);
}

std::string reasonText(const Finding& finding)
{
    std::string text;
    for (const char* at = reasonWords(finding.reason); *at; ++at) {
        if (at[0] == '%' && (at[1] == '1' || at[1] == '2'))
            text += std::to_string(*++at == '1' ? finding.count : finding.runProgram + 1);
        else
            text += *at;
    }
    return text;
}

std::string timingName(const TimingRef& timing)
{
    if (timing.position == 0)
        return format("程序%d", timing.program + 1);
    return format("程序%d 第 %02d 条", timing.program + 1, timing.position);
}

std::string dayName(int day)
{
    return kDayNames[day];
}

std::string playsText(const WeekEvent& event)
{
    const TimingEntry& entry = event.entry;
    switch (event.kind) {
    case EventKind::Radio: return format("收音 电台%02d", entry.MainTrack);
    case EventKind::Peripheral: return "外设";
    default:
        return format(event.kind == EventKind::Recording ? "录音 %02d-%02d-%02d 随机%02d-%02d"
                                                         : "音乐 %02d-%02d-%02d 随机%02d-%02d",
                      entry.MainTrack, entry.SecondTrack, entry.ThirdTrack, entry.RangeFromOrEndHour,
                      entry.RangeToOrEndMinute);
    }
}

std::string weekLine(const WeekEvent& event)
{
    return tabLine({dayName(event.day), clockText(event.start),
                    event.end ? endText(event.start, *event.end) : std::string(), zonesText(event.zones),
                    playsText(event), timingName(event.timing)});
}

std::vector<std::string> findingCells(const Finding& finding)
{
    std::string time;
    if (finding.start) {
        time = clockText(*finding.start);
        if (finding.end)
            time += "-" + endText(*finding.start, *finding.end);
    }
    std::string timings;
    for (const TimingRef& timing : finding.timings)
        timings += (timings.empty() ? "" : " / ") + timingName(timing);
    return {kLevelNames[int(finding.level)],
            daysText(finding.days),
            time,
            zonesText(finding.zones),
            timings,
            reasonText(finding)};
}

std::string findingLine(const Finding& finding)
{
    return tabLine(findingCells(finding));
}

}  // namespace quennet
