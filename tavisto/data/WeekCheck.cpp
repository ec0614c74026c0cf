#include "WeekCheck.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <tuple>

namespace tavisto {

namespace {

struct ReasonWords {
    Finding::Level level;
    const char* words;
};

// Every reason in FindingReason's order: the same fault has the same level and words in both
// of the suite's editors.
constexpr ReasonWords kReasons[] = {
    {Finding::Level::Clash, "音乐定时在同一分钟开始"},
    {Finding::Level::Clash, "音乐定时在随机播放时段内开始"},
    {Finding::Level::Clash, "随机播放时段重叠"},
    {Finding::Level::Invalid, "开始时间无效"},
    {Finding::Level::Invalid, "结束时间无效"},
    {Finding::Level::Invalid, "曲目号超过 99"},
    {Finding::Level::Invalid, "没有选择星期"},
    {Finding::Level::Invalid, "开始时间等于结束时间"},
    {Finding::Level::Invalid, "三首曲目都是 00"},
    {Finding::Level::Invalid, "首曲目与末曲目相同"},
    {Finding::Level::NotPlaying, "没有选择分区"},
    {Finding::Level::Note, "外设定时重叠，外设连续工作"},
    {Finding::Level::Note, "跨过午夜，到次日结束"},
    {Finding::Level::Note, "跨过午夜，到次日结束；星期日的到星期一结束"},
    {Finding::Level::Note, "随机程序已关闭，这些随机定时不会播放"},
    {Finding::Level::Note, "有 %1 条定时，播放机运行程序%2，这些定时保留但不播放"},
    {Finding::Level::NotPlaying, "播放机运行程序%2，但它没有会播放的定时"},
};
static_assert(std::size(kReasons) == std::size_t(FindingReason::EmptyWeek) + 1,
              "a level and words per reason");
static_assert(int(FindingReason::NoZone) - int(FindingReason::BadStart) == int(UnusableReason::NoZone),
              "the reasons of a timing that cannot play follow UnusableReason");

// A stretch of one event in minutes of the week. A span past Sunday's midnight also gets a copy
// a week earlier, so that it meets what happens early on Monday.
struct Piece {
    int begin;
    int end;
    const WeekEvent* event;
};

// Findings of one kind collected zone by zone and day by day, then joined: one per group of
// timings, time and reason, with all its days and zones.
class Collector {
public:
    void add(FindingReason reason, std::vector<const WeekEvent*> events, int weekBegin,
             std::optional<int> weekEnd, int zone)
    {
        std::sort(events.begin(), events.end(), [](const WeekEvent* a, const WeekEvent* b) {
            return a->timing.order() < b->timing.order();
        });
        std::vector<int> orders;
        for (const WeekEvent* event : events)
            orders.push_back(event->timing.order());
        const int start = weekBegin % kMinutesPerDay;
        const std::optional<int> end = weekEnd ? std::optional<int>(*weekEnd % kMinutesPerDay) : std::nullopt;
        Finding& finding = found_[std::tuple(reason, orders, start, end)];
        if (finding.timings.empty()) {
            finding.level = levelOf(reason);
            finding.reason = reason;
            finding.start = start;
            finding.end = end;
            for (const WeekEvent* event : events)
                finding.timings.push_back(event->timing);
        }
        finding.days |= static_cast<std::uint8_t>(1 << (weekBegin / kMinutesPerDay));
        finding.zones |= static_cast<std::uint8_t>(1 << zone);
    }

    void moveTo(std::vector<Finding>& findings)
    {
        for (auto& [key, finding] : found_)
            findings.push_back(std::move(finding));
        found_.clear();
    }

private:
    using Key = std::tuple<FindingReason, std::vector<int>, int, std::optional<int>>;
    std::map<Key, Finding> found_;
};

std::vector<Piece> piecesOf(const std::vector<const WeekEvent*>& spans)
{
    std::vector<Piece> pieces;
    for (const WeekEvent* event : spans) {
        pieces.push_back({event->weekStart(), event->weekEnd(), event});
        if (event->weekEnd() > kMinutesPerWeek)
            pieces.push_back(
                {event->weekStart() - kMinutesPerWeek, event->weekEnd() - kMinutesPerWeek, event});
    }
    std::sort(pieces.begin(), pieces.end(), [](const Piece& a, const Piece& b) { return a.begin < b.begin; });
    return pieces;
}

// Every overlap of two spans, in one sweep along the week.
void findOverlaps(const std::vector<const WeekEvent*>& spans, FindingReason reason, int zone,
                  Collector& collector)
{
    std::vector<Piece> active;
    for (const Piece& piece : piecesOf(spans)) {
        active.erase(std::remove_if(active.begin(), active.end(),
                                    [&](const Piece& other) { return other.end <= piece.begin; }),
                     active.end());
        // A copy a week earlier only stands for its tail on Monday morning.
        if (piece.begin >= 0)
            for (const Piece& other : active)
                collector.add(reason, {other.event, piece.event}, piece.begin, std::min(other.end, piece.end),
                              zone);
        active.push_back(piece);
    }
}

// Music timings that start at one minute together, or inside a random span.
void findMusicClashes(std::vector<const WeekEvent*> music, const std::vector<const WeekEvent*>& random,
                      int zone, Collector& collector)
{
    std::sort(music.begin(), music.end(),
              [](const WeekEvent* a, const WeekEvent* b) { return a->weekStart() < b->weekStart(); });
    for (auto first = music.begin(); first != music.end();) {
        auto last = std::find_if(first, music.end(),
                                 [&](const WeekEvent* e) { return e->weekStart() != (*first)->weekStart(); });
        if (last - first > 1)
            collector.add(FindingReason::SameMinute, std::vector<const WeekEvent*>(first, last),
                          (*first)->weekStart(), std::nullopt, zone);
        first = last;
    }
    const std::vector<Piece> spans = piecesOf(random);
    auto next = spans.begin();
    std::vector<Piece> active;
    for (const WeekEvent* event : music) {
        const int at = event->weekStart();
        for (; next != spans.end() && next->begin <= at; ++next)
            active.push_back(*next);
        active.erase(
            std::remove_if(active.begin(), active.end(), [&](const Piece& p) { return p.end <= at; }),
            active.end());
        for (const Piece& span : active)
            collector.add(FindingReason::MusicInRandom, {event, span.event}, at, std::nullopt, zone);
    }
}

Finding timingFinding(FindingReason reason, const TimingRef& timing, const CP& cp)
{
    Finding finding;
    finding.level = levelOf(reason);
    finding.reason = reason;
    finding.days = cp.Weekdays & 0x7F;
    finding.zones = cp.Zones & 0x3F;
    finding.start = minuteOf(cp.StartHour, cp.StartMinute);
    if (timing.kind != TimingKind::Music)
        finding.end = minuteOf(cp.EndHour, cp.EndMinute);
    finding.timings = {timing};
    return finding;
}

// A finding about a whole standard program.
Finding programFinding(FindingReason reason, int program, int runProgram, int count = 0)
{
    Finding finding;
    finding.level = levelOf(reason);
    finding.reason = reason;
    finding.timings = {{TimingKind::Music, program, 0}};
    finding.count = count;
    finding.runProgram = runProgram;
    return finding;
}

void addNotes(const TimingSet& timings, const WeekPlan& plan, std::vector<Finding>& findings)
{
    const WeekEvent* previous = nullptr;
    std::vector<const WeekEvent*> pastMidnight;
    for (const WeekEvent& event : plan.events)
        if (event.pastMidnight())
            pastMidnight.push_back(&event);
    std::sort(pastMidnight.begin(), pastMidnight.end(),
              [](const WeekEvent* a, const WeekEvent* b) { return a->timing.order() < b->timing.order(); });
    for (const WeekEvent* event : pastMidnight) {
        if (!previous || !(previous->timing == event->timing))
            findings.push_back(timingFinding((event->fields.Weekdays & 0x40)
                                                 ? FindingReason::PastSundayMidnight
                                                 : FindingReason::PastMidnight,
                                             event->timing, event->fields));
        previous = event;
    }

    if (!plan.randomEnabled) {
        const auto random = usedTimings(timings, tableOf(TimingKind::Random, 0));
        if (!random.empty()) {
            Finding finding;
            finding.level = levelOf(FindingReason::RandomOff);
            finding.reason = FindingReason::RandomOff;
            for (const auto& [timing, cp] : random) {
                finding.timings.push_back(timing);
                finding.days |= cp.Weekdays & 0x7F;
                finding.zones |= cp.Zones & 0x3F;
            }
            findings.push_back(finding);
        }
    }

    for (int program = 1; program <= kProgramCount; ++program) {
        if (program == plan.runProgram)
            continue;
        const std::size_t count = usedTimings(timings, tableOf(TimingKind::Music, program)).size()
            + usedTimings(timings, tableOf(TimingKind::Peripheral, program)).size();
        if (count > 0)
            findings.push_back(programFinding(FindingReason::NotRun, program, plan.runProgram, int(count)));
    }
}

int firstDay(std::uint8_t days)
{
    for (int day = 0; day < kDays; ++day)
        if (days & (1 << day))
            return day;
    return kDays;
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

std::vector<Finding> checkWeek(const TimingSet& timings, const WeekPlan& plan)
{
    std::vector<Finding> findings;
    Collector collector;
    for (int zone = 0; zone < kZones; ++zone) {
        std::vector<const WeekEvent*> byKind[3];
        for (const WeekEvent& event : plan.events)
            if (event.zones & (1 << zone))
                byKind[static_cast<int>(event.kind)].push_back(&event);
        const auto& music = byKind[static_cast<int>(TimingKind::Music)];
        const auto& peripheral = byKind[static_cast<int>(TimingKind::Peripheral)];
        const auto& random = byKind[static_cast<int>(TimingKind::Random)];
        findMusicClashes(music, random, zone, collector);
        findOverlaps(random, FindingReason::RandomOverlap, zone, collector);
        findOverlaps(peripheral, FindingReason::PeripheralOverlap, zone, collector);
    }
    collector.moveTo(findings);
    for (const UnusableTiming& unusable : plan.unusable)
        findings.push_back(timingFinding(FindingReason(int(FindingReason::BadStart) + int(unusable.reason)),
                                         unusable.timing, unusable.fields));
    if (!playsAnything(timings, plan.runProgram))
        findings.push_back(programFinding(FindingReason::EmptyWeek, plan.runProgram, plan.runProgram));
    addNotes(timings, plan, findings);

    std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        return std::tuple(a.level, firstDay(a.days), a.start.value_or(-1), a.timings.front().order())
            < std::tuple(b.level, firstDay(b.days), b.start.value_or(-1), b.timings.front().order());
    });
    return findings;
}

WeekReview reviewWeek(const TimingSet& timings, int program)
{
    WeekReview review{expandWeek(timings, program), {}};
    review.findings = checkWeek(timings, review.week);
    return review;
}

bool passes(const std::vector<Finding>& findings)
{
    return std::none_of(findings.begin(), findings.end(),
                        [](const Finding& f) { return f.level != Finding::Level::Note; });
}

}  // namespace tavisto
