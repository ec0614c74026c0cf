#include "WeekPlan.h"

#include <algorithm>
#include <tuple>

namespace tavisto {

namespace {

constexpr int kLastTrack = 99;

}  // namespace

std::optional<int> minuteOf(std::uint8_t hour, std::uint8_t minute)
{
    const auto digits = [](std::uint8_t bcd) {
        return (bcd >> 4) > 9 || (bcd & 0x0F) > 9 ? -1 : (bcd >> 4) * 10 + (bcd & 0x0F);
    };
    const int h = digits(hour), m = digits(minute);
    if (h < 0 || h > 23 || m < 0 || m > 59)
        return std::nullopt;
    return h * 60 + m;
}

namespace {

UnusableReason ineffectiveReason(Ineffective why)
{
    switch (why) {
    case Ineffective::NoWeekday: return UnusableReason::NoDay;
    case Ineffective::EmptySpan: return UnusableReason::NoLength;
    case Ineffective::NoTrack: return UnusableReason::NoTrack;
    case Ineffective::EmptyRange:
    case Ineffective::None: break;
    }
    return UnusableReason::EmptyRange;
}

// Why a used timing cannot play, or nothing when it takes part.
std::optional<UnusableReason> unusableReason(TimingKind kind, const CP& cp)
{
    if (!minuteOf(cp.StartHour, cp.StartMinute))
        return UnusableReason::BadStart;
    if (kind != TimingKind::Music && !minuteOf(cp.EndHour, cp.EndMinute))
        return UnusableReason::BadEnd;
    const int tracks[] = {kind == TimingKind::Random ? cp.FirstTrack : cp.Track1, cp.Track2,
                          kind == TimingKind::Random ? cp.LastTrack : cp.Track3};
    if (kind != TimingKind::Peripheral
        && std::any_of(std::begin(tracks), std::end(tracks), [](int track) { return track > kLastTrack; }))
        return UnusableReason::BadTrack;
    EffectInputs inputs;
    inputs.anyWeekday = (cp.Weekdays & 0x7F) != 0;
    inputs.startIsEnd = cp.StartHour == cp.EndHour && cp.StartMinute == cp.EndMinute;
    inputs.track1 = tracks[0];
    inputs.track2 = tracks[1];
    inputs.track3 = tracks[2];
    if (const Ineffective why = whyIneffective(kind, inputs); why != Ineffective::None)
        return ineffectiveReason(why);
    if ((cp.Zones & 0x3F) == 0)
        return UnusableReason::NoZone;
    return std::nullopt;
}

void expandTable(const TimingSet& timings, TimingKind kind, int program, WeekPlan& plan)
{
    for (const auto& [timing, cp] : usedTimings(timings, tableOf(kind, program))) {
        if (const std::optional<UnusableReason> reason = unusableReason(kind, cp)) {
            plan.unusable.push_back({timing, cp, *reason});
            continue;
        }
        WeekEvent event;
        event.start = *minuteOf(cp.StartHour, cp.StartMinute);
        if (kind != TimingKind::Music)
            event.end = minuteOf(cp.EndHour, cp.EndMinute);
        event.zones = cp.Zones & 0x3F;
        event.kind = kind;
        event.fields = cp;
        event.timing = timing;
        for (event.day = 0; event.day < kDays; ++event.day)
            if (cp.Weekdays & (1 << event.day))
                plan.events.push_back(event);
    }
}

}  // namespace

int TimingRef::order() const
{
    const int table = kind == TimingKind::Random ? 2 * kProgramCount
        : kind == TimingKind::Music              ? program - 1
                                                 : kProgramCount + program - 1;
    return table * kProgramSlots + slot;
}

int playedProgram(const TimingSet& timings)
{
    return timings.RunProgram >= 1 && timings.RunProgram <= kProgramCount ? timings.RunProgram : 1;
}

SlotSelection tableOf(TimingKind kind, int program)
{
    return {static_cast<std::uint8_t>(kind == TimingKind::Random ? kRandomProgram : program),
            kind == TimingKind::Peripheral ? TimingType::Peripheral : TimingType::Music, 1};
}

std::vector<std::pair<TimingRef, CP>> usedTimings(const TimingSet& timings, const SlotSelection& table)
{
    const bool random = table.EditObject == kRandomProgram;
    const TimingKind kind = random        ? TimingKind::Random
        : table.Type == TimingType::Music ? TimingKind::Music
                                          : TimingKind::Peripheral;
    std::vector<std::pair<TimingRef, CP>> used;
    for (int slot = 1; slot <= lastSlot(table); ++slot) {
        if (!holdsTiming(timings.Buffer, table, static_cast<std::uint8_t>(slot)))
            continue;
        CP cp;
        LoadBuftoCP(timings.Buffer, table, static_cast<std::uint8_t>(slot), cp);
        used.push_back({{kind, random ? 0 : table.EditObject, slot}, cp});
    }
    return used;
}

WeekPlan expandWeek(const TimingSet& timings, int program)
{
    WeekPlan plan;
    plan.program = program;
    plan.runProgram = playedProgram(timings);
    plan.randomEnabled = timings.RandomEnabled == 1;
    expandTable(timings, TimingKind::Music, program, plan);
    expandTable(timings, TimingKind::Peripheral, program, plan);
    if (plan.randomEnabled)
        expandTable(timings, TimingKind::Random, 0, plan);
    std::stable_sort(plan.events.begin(), plan.events.end(), [](const WeekEvent& a, const WeekEvent& b) {
        return std::tuple(a.day, a.start, a.timing.order()) < std::tuple(b.day, b.start, b.timing.order());
    });
    return plan;
}

bool playsAnything(const TimingSet& timings, int program)
{
    return !expandWeek(timings, program).events.empty();
}

}  // namespace tavisto
