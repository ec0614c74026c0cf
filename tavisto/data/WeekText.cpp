#include "WeekText.h"

#include "OverviewText.h"
#include "TextConversions.h"

namespace tavisto {

namespace {

const char* const kDayNames[kDays] = {"星期一", "星期二", "星期三", "星期四", "星期五", "星期六", "星期日"};

std::string endText(int start, int end)
{
    return (end < start ? "次日" : "") + clockText(end);
}

std::string join(const std::vector<std::string>& parts, const std::string& separator)
{
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i)
        text += (i == 0 ? "" : separator) + parts[i];
    return text;
}

}  // namespace

std::string clockText(int minute)
{
    return MyIntToStr(minute / 60) + ":" + MyIntToStr(minute % 60);
}

std::string dayName(int day)
{
    return kDayNames[day];
}

std::string daysText(std::uint8_t days)
{
    std::vector<std::string> runs;
    for (int day = 0; day < kDays; ++day) {
        if (!(days & (1 << day)))
            continue;
        int last = day;
        while (last + 1 < kDays && (days & (1 << (last + 1))))
            ++last;
        runs.push_back(last == day ? dayName(day) : dayName(day) + "至" + dayName(last));
        day = last;
    }
    return join(runs, ",");
}

std::string timeText(std::optional<int> start, std::optional<int> end)
{
    if (!start)
        return {};
    return clockText(*start) + (end ? "-" + endText(*start, *end) : "");
}

std::string zonesText(std::uint8_t zones)
{
    std::vector<std::string> numbers;
    for (int zone = 0; zone < kZones; ++zone)
        if (zones & (1 << zone))
            numbers.push_back(std::to_string(zone + 1));
    return join(numbers, ",");
}

std::string timingName(const TimingRef& timing)
{
    if (timing.kind == TimingKind::Random)
        return "随机程序 " + MyIntToStr(timing.slot);
    const std::string program = "程序" + std::to_string(timing.program);
    if (timing.slot == 0)
        return program;
    return program + (timing.kind == TimingKind::Music ? " 音乐定时 " : " 外设定时 ")
        + MyIntToStr(timing.slot);
}

std::string playsText(const WeekEvent& event)
{
    const CP& cp = event.fields;
    switch (event.kind) {
    case TimingKind::Music:
        return "音乐 " + MyIntToStr(cp.Track1) + "-" + MyIntToStr(cp.Track2) + "-" + MyIntToStr(cp.Track3);
    case TimingKind::Peripheral: return "外设";
    case TimingKind::Random: break;
    }
    return std::string("随机 ") + (cp.PlayMode == 1 ? "顺序 " : "随机 ") + MyIntToStr(cp.FirstTrack) + "-"
        + MyIntToStr(cp.LastTrack);
}

std::string timingText(const TimingRef& timing, const CP& fields)
{
    const OverviewRow row = overviewRow(timing.table(), timing.slot, fields);
    return timingName(timing) + "\n" + row[1] + "\n" + row[2] + "\n星期 " + row[3] + "\n分区 " + row[4];
}

std::string levelText(Finding::Level level)
{
    switch (level) {
    case Finding::Level::Clash: return "冲突";
    case Finding::Level::Invalid: return "无效";
    case Finding::Level::NotPlaying: return "不播放";
    case Finding::Level::Note: break;
    }
    return "提示";
}

std::string reasonText(const Finding& finding)
{
    std::string text;
    for (const char* at = reasonWords(finding.reason); *at; ++at) {
        if (at[0] == '%' && (at[1] == '1' || at[1] == '2'))
            text += std::to_string(*++at == '1' ? finding.count : finding.runProgram);
        else
            text += *at;
    }
    return text;
}

std::string weekLine(const WeekEvent& event)
{
    return join({dayName(event.day), clockText(event.start),
                 event.end ? endText(event.start, *event.end) : "", zonesText(event.zones), playsText(event),
                 timingName(event.timing)},
                "\t");
}

std::vector<std::string> findingCells(const Finding& finding)
{
    std::vector<std::string> names;
    for (const TimingRef& timing : finding.timings)
        names.push_back(timingName(timing));
    return {levelText(finding.level), daysText(finding.days), timeText(finding.start, finding.end),
            zonesText(finding.zones), join(names, " / "),     reasonText(finding)};
}

std::string findingLine(const Finding& finding)
{
    return join(findingCells(finding), "\t");
}

}  // namespace tavisto
