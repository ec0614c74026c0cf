#include "ScheduleDiff.h"

#include "OverviewText.h"
#include "WeekCheck.h"
#include "WeekText.h"

#include <algorithm>
#include <iterator>
#include <tuple>

namespace tavisto {

namespace {

// A line and where it stands: the day, the minute and the kind, or the table.
struct PlacedLine {
    std::tuple<int, int, int> place;
    std::string text;
    bool operator<(const PlacedLine& other) const
    {
        return std::tie(place, text) < std::tie(other.place, other.text);
    }
    bool operator==(const PlacedLine& other) const { return place == other.place && text == other.text; }
};

std::string withoutTiming(const std::string& line)
{
    return line.substr(0, line.rfind('\t'));
}

// "程序1 音乐定时", "随机程序": the timing's table.
std::string tableText(const TimingRef& timing)
{
    const std::string name = timingName(timing);
    return name.substr(0, name.rfind(' '));
}

std::vector<PlacedLine> weekLines(const TimingSet& set, int program, bool random)
{
    std::vector<PlacedLine> lines;
    for (const WeekEvent& event : expandWeek(set, random ? 1 : program).events)
        if ((event.kind == TimingKind::Random) == random)
            lines.push_back({{event.day, event.start, int(event.kind)}, withoutTiming(weekLine(event))});
    return lines;
}

PlacedLine silentLine(const TimingRef& timing, const CP& cp, FindingReason reason)
{
    const OverviewRow row = overviewRow(timing.table(), timing.slot, cp);
    return {{timing.order() / kProgramSlots, 0, 0},
            tableText(timing) + "\t" + row[1] + "\t" + row[2] + "\t" + row[3] + "\t" + row[4] + "\t"
                + reasonWords(reason)};
}

// The timings that hold something but never play, wherever they are.
std::vector<PlacedLine> silentLines(const TimingSet& set)
{
    std::vector<PlacedLine> lines;
    for (int program = 1; program <= kProgramCount; ++program) {
        const WeekPlan plan = expandWeek(set, program);
        for (const UnusableTiming& unusable : plan.unusable)
            if (unusable.timing.kind != TimingKind::Random || program == 1)
                lines.push_back(
                    silentLine(unusable.timing, unusable.fields,
                               FindingReason(int(FindingReason::BadStart) + int(unusable.reason))));
    }
    if (set.RandomEnabled != 1)
        for (const auto& [timing, cp] : usedTimings(set, tableOf(TimingKind::Random, 0)))
            lines.push_back(silentLine(timing, cp, FindingReason::RandomOff));
    return lines;
}

// The lines of one part that only one side has, under its heading: by place, and at one place
// those of `a` first.
void addPart(const std::string& heading, std::vector<PlacedLine> a, std::vector<PlacedLine> b,
             std::vector<std::string>& out)
{
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    std::vector<std::pair<PlacedLine, char>> only;
    std::vector<PlacedLine> side;
    std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(side));
    for (PlacedLine& line : side)
        only.push_back({std::move(line), '-'});
    side.clear();
    std::set_difference(b.begin(), b.end(), a.begin(), a.end(), std::back_inserter(side));
    for (PlacedLine& line : side)
        only.push_back({std::move(line), '+'});
    if (only.empty())
        return;
    std::stable_sort(only.begin(), only.end(), [](const auto& x, const auto& y) {
        return std::tuple(x.first.place, x.second == '+') < std::tuple(y.first.place, y.second == '+');
    });
    out.push_back(heading);
    for (const auto& [line, sign] : only)
        out.push_back(std::string(1, sign) + " " + line.text);
}

std::vector<PlacedLine> settingLines(const TimingSet& set)
{
    return {{{0, 0, 0}, "运行设定：程序" + std::to_string(set.RunProgram)},
            {{1, 0, 0}, std::string("随机播放：") + (set.RandomEnabled == 1 ? "开启" : "关闭")}};
}

}  // namespace

ScheduleDiff diffSchedules(const TimingSet& a, const TimingSet& b)
{
    ScheduleDiff diff;
    for (int program = 1; program <= kProgramCount; ++program)
        addPart("程序" + std::to_string(program), weekLines(a, program, false), weekLines(b, program, false),
                diff.lines);
    addPart("随机程序", weekLines(a, 0, true), weekLines(b, 0, true), diff.lines);
    addPart("设定", settingLines(a), settingLines(b), diff.lines);
    addPart("不播放的定时", silentLines(a), silentLines(b), diff.lines);
    diff.differs = !diff.lines.empty();
    return diff;
}

}  // namespace tavisto
