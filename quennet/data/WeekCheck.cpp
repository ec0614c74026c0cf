#include "WeekCheck.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <string>
#include <tuple>

namespace quennet {

namespace {
struct ReasonWords {
    Finding::Level level;
    const char* words;
};

// Every reason in FindingReason's order: the same fault has the same level and words in both
// of the suite's editors.
constexpr ReasonWords kReasons[] = {
    {Finding::Level::Clash, "音乐定时在同一分钟开始"},
    {Finding::Level::Clash, "音乐定时在收音时段内开始"},
    {Finding::Level::Clash, "收音时段重叠"},
    {Finding::Level::Invalid, "开始时间无效"},
    {Finding::Level::Invalid, "结束时间无效"},
    {Finding::Level::Invalid, "曲目号超过 99"},
    {Finding::Level::Invalid, "电台号超过 99"},
    {Finding::Level::Invalid, "没有选择星期"},
    {Finding::Level::Invalid, "开始时间等于结束时间"},
    {Finding::Level::NotPlaying, "没有选择分区"},
    {Finding::Level::Note, "外设定时重叠，外设连续工作"},
    {Finding::Level::Note, "跨过午夜，到次日结束"},
    {Finding::Level::Note, "跨过午夜，到次日结束；星期日的到星期一结束"},
    {Finding::Level::Note, "有 %1 条定时，播放机运行程序%2，这些定时保留但不播放"},
    {Finding::Level::NotPlaying, "播放机运行程序%2，但它没有会播放的定时"},
};
static_assert(std::size(kReasons) == std::size_t(FindingReason::EmptyWeek) + 1,
              "a level and words per reason");
static_assert(int(FindingReason::NoZone) - int(FindingReason::BadStart) == int(UnusableReason::NoZone),
              "the reasons of a timing that cannot play follow UnusableReason");

struct Mark {
    int from = 0;
    int to = 0;
    TimingRef timing;
};

// The parts of one day and zone, each kind in order of their start.
struct Lane {
    std::vector<Mark> music;
    std::vector<Mark> radio;
    std::vector<Mark> peripheral;
};

using Key =
    std::tuple<FindingReason, std::vector<TimingRef>, std::optional<int>, std::optional<int>, std::uint8_t>;

// The same timings at the same time on several days are one finding.
class Collector {
public:
    void add(FindingReason reason, int day, std::optional<int> start, std::optional<int> end,
             std::uint8_t zones, std::vector<TimingRef> timings)
    {
        std::sort(timings.begin(), timings.end());
        const Key key{reason, timings, start, end, zones};
        auto [at, added] = index_.try_emplace(key, findings_.size());
        if (added)
            findings_.push_back({levelOf(reason), reason, 0, start, end, zones, std::move(timings), 0, 0});
        findings_[at->second].days |= std::uint8_t(1 << day);
    }
    void add(Finding finding) { findings_.push_back(std::move(finding)); }
    std::vector<Finding> take() { return std::move(findings_); }

private:
    std::map<Key, std::size_t> index_;
    std::vector<Finding> findings_;
};

// Every pair of spans that overlap, in one pass: the spans still running when the next starts.
void sweepOverlaps(const std::vector<Mark>& spans, int day, int zone, FindingReason reason, Collector& out)
{
    std::vector<const Mark*> running;
    for (const Mark& span : spans) {
        running.erase(std::remove_if(running.begin(), running.end(),
                                     [&](const Mark* other) { return other->to <= span.from; }),
                      running.end());
        for (const Mark* other : running)
            out.add(reason, day, span.from, std::min(other->to, span.to), std::uint8_t(1 << zone),
                    {other->timing, span.timing});
        running.push_back(&span);
    }
}

// A music timing clashes with a radio span from its first minute to its last, not at its end.
void sweepMusicInRadio(const Lane& lane, int day, int zone, Collector& out)
{
    std::vector<const Mark*> running;
    std::size_t next = 0;
    for (const Mark& music : lane.music) {
        for (; next < lane.radio.size() && lane.radio[next].from <= music.from; ++next)
            running.push_back(&lane.radio[next]);
        running.erase(std::remove_if(running.begin(), running.end(),
                                     [&](const Mark* radio) { return radio->to <= music.from; }),
                      running.end());
        for (const Mark* radio : running)
            out.add(FindingReason::MusicInRadio, day, music.from, std::nullopt, std::uint8_t(1 << zone),
                    {music.timing, radio->timing});
    }
}

void sweepSameMinute(const std::vector<Mark>& music, int day, int zone, Collector& out)
{
    for (std::size_t first = 0; first < music.size();) {
        std::size_t last = first;
        std::vector<TimingRef> together{music[first].timing};
        while (last + 1 < music.size() && music[last + 1].from == music[first].from)
            together.push_back(music[++last].timing);
        if (together.size() > 1)
            out.add(FindingReason::SameMinute, day, music[first].from, std::nullopt, std::uint8_t(1 << zone),
                    together);
        first = last + 1;
    }
}

std::uint8_t mondayFirstDays(std::uint8_t dayBits)
{
    std::uint8_t days = 0;
    for (int bit = 0; bit < kDaysPerWeek; ++bit) {
        if (dayBits & (1 << bit))
            days |= std::uint8_t(1 << dayOfBit(bit));
    }
    return days;
}

Finding unusableFinding(const UnusableTiming& unusable)
{
    const TimingEntry& entry = unusable.entry;
    Finding finding;
    finding.reason = FindingReason(int(FindingReason::BadStart) + int(unusable.reason));
    finding.level = levelOf(finding.reason);
    finding.days = mondayFirstDays(entry.DayBits);
    finding.zones = entry.ZoneBits & 0x0F;
    finding.timings = {unusable.timing};
    if (unusable.reason != UnusableReason::BadStart && unusable.reason != UnusableReason::BadEnd) {
        finding.start = entry.Hour * 60 + entry.Minute;
        if (kindOf(entry) != TimingKind::Music)
            finding.end = entry.RangeFromOrEndHour * 60 + entry.RangeToOrEndMinute;
    }
    return finding;
}

// A finding about a whole program.
Finding programFinding(FindingReason reason, int program, int runProgram, int count = 0)
{
    return {levelOf(reason), reason, 0, {}, {}, 0, {{program, 0}}, count, runProgram};
}

int firstDay(std::uint8_t days)
{
    for (int day = 0; day < kDaysPerWeek; ++day) {
        if (days & (1 << day))
            return day;
    }
    return kDaysPerWeek;
}
}  // namespace

Finding::Level levelOf(FindingReason reason)
{
    return kReasons[std::size_t(reason)].level;
}

const char* reasonWords(FindingReason reason)
{
    return kReasons[std::size_t(reason)].words;
}

std::vector<Finding> checkWeek(const std::array<std::vector<TimingEntry>, kProgramCount>& programs,
                               int runProgram, const WeekPlan& week)
{
    std::array<std::array<Lane, kZoneCount>, kDaysPerWeek> lanes;
    Collector out;
    for (const WeekEvent& event : week.events) {
        if (event.pastMidnight())
            out.add(event.day == kDaysPerWeek - 1 ? FindingReason::PastSundayMidnight
                                                  : FindingReason::PastMidnight,
                    event.day, event.start, event.end, event.zones, {event.timing});
        for (const DayPart& part : dayParts(event)) {
            for (int zone = 0; zone < kZoneCount; ++zone) {
                if (!(event.zones & (1 << zone)))
                    continue;
                Lane& lane = lanes[std::size_t(part.day)][std::size_t(zone)];
                std::vector<Mark>& marks = event.kind == EventKind::Radio ? lane.radio
                    : event.kind == EventKind::Peripheral                 ? lane.peripheral
                                                                          : lane.music;
                marks.push_back({part.from, part.to, event.timing});
            }
        }
    }
    for (int day = 0; day < kDaysPerWeek; ++day) {
        for (int zone = 0; zone < kZoneCount; ++zone) {
            Lane& lane = lanes[std::size_t(day)][std::size_t(zone)];
            // Only the parts after midnight come out of order.
            for (std::vector<Mark>* marks : {&lane.music, &lane.radio, &lane.peripheral})
                std::stable_sort(marks->begin(), marks->end(),
                                 [](const Mark& a, const Mark& b) { return a.from < b.from; });
            sweepSameMinute(lane.music, day, zone, out);
            sweepMusicInRadio(lane, day, zone, out);
            sweepOverlaps(lane.radio, day, zone, FindingReason::RadioOverlap, out);
            sweepOverlaps(lane.peripheral, day, zone, FindingReason::PeripheralOverlap, out);
        }
    }
    for (const UnusableTiming& unusable : week.unusable)
        out.add(unusableFinding(unusable));
    if (!playsAnything(programs[std::size_t(runProgram)]))
        out.add(programFinding(FindingReason::EmptyWeek, runProgram, runProgram));
    for (int program = 0; program < kProgramCount; ++program) {
        const int count = int(programs[std::size_t(program)].size());
        if (program != runProgram && count > 0)
            out.add(programFinding(FindingReason::NotRun, program, runProgram, count));
    }

    std::vector<Finding> findings = out.take();
    std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        return std::make_tuple(a.level, firstDay(a.days), a.start.value_or(-1), a.timings)
            < std::make_tuple(b.level, firstDay(b.days), b.start.value_or(-1), b.timings);
    });
    return findings;
}

WeekReview reviewWeek(const std::array<std::vector<TimingEntry>, kProgramCount>& programs, int program,
                      int runProgram)
{
    WeekReview review{expandWeek(programs[std::size_t(program)], program), {}};
    review.findings = checkWeek(programs, runProgram, review.week);
    return review;
}

bool passes(const std::vector<Finding>& findings)
{
    return std::all_of(findings.begin(), findings.end(),
                       [](const Finding& finding) { return finding.level == Finding::Level::Note; });
}

}  // namespace quennet
