#include "ScheduleDiff.h"

#include "OverviewText.h"
#include "WeekCheck.h"
#include "WeekText.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>
#include <tuple>

namespace tavisto {

namespace {

// A line and where it stands: the day, the minute and the kind, or the table. A week line is
// compared by what it says (its end, zones and what plays, after the place) and worded only when
// it is shown: a full week has thousands.
struct PlacedLine {
    std::array<int, 8> place{};
    std::string text;
    std::optional<WeekEvent> event;

    bool operator<(const PlacedLine& other) const
    {
        return std::tie(place, text) < std::tie(other.place, other.text);
    }
    bool operator==(const PlacedLine& other) const { return place == other.place && text == other.text; }
    std::string shown() const;
};

PlacedLine weekLineOf(const WeekEvent& event)
{
    const CP& cp = event.fields;
    const bool random = event.kind == TimingKind::Random;
    const bool music = event.kind == TimingKind::Music;
    return {{event.day, event.start, int(event.kind), event.end.value_or(-1), event.zones,
             music        ? cp.Track1
                 : random ? int(cp.PlayMode == 1)
                          : 0,
             music        ? cp.Track2
                 : random ? cp.FirstTrack
                          : 0,
             music        ? cp.Track3
                 : random ? cp.LastTrack
                          : 0},
            {},
            event};
}

// A --week line without its last column, the timing.
std::string PlacedLine::shown() const
{
    if (!event)
        return text;
    const std::string line = weekLine(*event);
    return line.substr(0, line.rfind('\t'));
}

// "程序1 音乐定时", "随机程序": the timing's table.
std::string tableText(const TimingRef& timing)
{
    const std::string name = timingName(timing);
    return name.substr(0, name.rfind(' '));
}

PlacedLine silentLine(const TimingRef& timing, const CP& cp, FindingReason reason)
{
    const OverviewRow row = overviewRow(timing.table(), timing.slot, cp);
    return {{timing.order() / kProgramSlots},
            tableText(timing) + "\t" + row[1] + "\t" + row[2] + "\t" + row[3] + "\t" + row[4] + "\t"
                + reasonWords(reason),
            {}};
}

// The lines of one part that only one side has, each after its sign and `prefix`: by place, and at
// one place those of `a` first.
void addPart(const std::string& prefix, std::vector<PlacedLine> a, std::vector<PlacedLine> b,
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
    std::stable_sort(only.begin(), only.end(), [](const auto& x, const auto& y) {
        return std::tuple(x.first.place[0], x.first.place[1], x.first.place[2], x.second == '+')
            < std::tuple(y.first.place[0], y.first.place[1], y.first.place[2], y.second == '+');
    });
    for (const auto& [line, sign] : only)
        out.push_back(std::string(1, sign) + " " + prefix + line.shown());
}

std::vector<PlacedLine> settingLines(const TimingSet& set)
{
    return {{{0}, "运行设定\t程序" + std::to_string(set.RunProgram), {}},
            {{1}, std::string("随机播放\t") + (set.RandomEnabled == 1 ? "开启" : "关闭"), {}}};
}

// Programs 1..4, the random program, the settings, and the timings that never play.
constexpr int kParts = kProgramCount + 3;
using SetLines = std::array<std::vector<PlacedLine>, kParts>;
constexpr int kRandomPart = kProgramCount;
constexpr int kSettingsPart = kProgramCount + 1;
constexpr int kSilentPart = kProgramCount + 2;

// Every line of one set, each program's week expanded once.
SetLines linesOf(const TimingSet& set)
{
    SetLines parts;
    for (int program = 1; program <= kProgramCount; ++program) {
        const WeekPlan plan = expandWeek(set, program);
        // Every program's week holds the random timings too: they are taken from the first.
        const bool first = program == 1;
        for (const WeekEvent& event : plan.events)
            if (event.kind != TimingKind::Random || first)
                parts[event.kind == TimingKind::Random ? kRandomPart : program - 1].push_back(
                    weekLineOf(event));
        for (const UnusableTiming& unusable : plan.unusable)
            if (unusable.timing.kind != TimingKind::Random || first)
                parts[kSilentPart].push_back(
                    silentLine(unusable.timing, unusable.fields,
                               FindingReason(int(FindingReason::BadStart) + int(unusable.reason))));
    }
    if (set.RandomEnabled != 1)
        for (const auto& [timing, cp] : usedTimings(set, tableOf(TimingKind::Random, 0)))
            parts[kSilentPart].push_back(silentLine(timing, cp, FindingReason::RandomOff));
    parts[kSettingsPart] = settingLines(set);
    return parts;
}

}  // namespace

ScheduleDiff diffSchedules(const TimingSet& a, const TimingSet& b)
{
    const SetLines first = linesOf(a);
    const SetLines second = linesOf(b);
    ScheduleDiff diff;
    // A week line says its program; a setting and a timing that never plays say what they are.
    for (int part = 0; part < kParts; ++part) {
        const std::string prefix = part < kProgramCount ? "程序" + std::to_string(part + 1) + "\t"
            : part == kRandomPart                       ? "随机程序\t"
                                                        : "";
        addPart(prefix, first[std::size_t(part)], second[std::size_t(part)], diff.lines);
    }
    return diff;
}

}  // namespace tavisto
