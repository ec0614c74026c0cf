#include "WeekPlan.h"

#include <algorithm>

namespace quennet {

namespace {
constexpr std::uint8_t kDayMask = 0x7F;
constexpr std::uint8_t kZoneMask = 0x0F;

bool isTime(int hour, int minute)
{
    return hour < 24 && minute < 60;
}

// The fields the player reads for this kind; the hidden ones of a span are not looked at.
std::optional<UnusableReason> unusableReason(const TimingEntry& entry)
{
    const TimingKind kind = kindOf(entry);
    const bool span = kind != TimingKind::Music;
    if (!isTime(entry.Hour, entry.Minute))
        return UnusableReason::BadStart;
    if (span && !isTime(entry.RangeFromOrEndHour, entry.RangeToOrEndMinute))
        return UnusableReason::BadEnd;
    if (kind == TimingKind::Music
        && std::max({entry.SecondTrack, entry.ThirdTrack, entry.RangeFromOrEndHour, entry.RangeToOrEndMinute})
            > 99)
        return UnusableReason::BadTrack;
    if (kind == TimingKind::Radio && entry.MainTrack > 99)
        return UnusableReason::BadStation;
    if ((entry.DayBits & kDayMask) == 0)
        return UnusableReason::NoDay;
    if (span && entry.Hour == entry.RangeFromOrEndHour && entry.Minute == entry.RangeToOrEndMinute)
        return UnusableReason::NoLength;
    if ((entry.ZoneBits & kZoneMask) == 0)
        return UnusableReason::NoZone;
    return std::nullopt;
}
}  // namespace

EventKind eventKind(const TimingEntry& entry)
{
    switch (kindOf(entry)) {
    case TimingKind::Radio: return EventKind::Radio;
    case TimingKind::Peripheral: return EventKind::Peripheral;
    default: return isRecording(entry) ? EventKind::Recording : EventKind::Music;
    }
}

std::vector<DayPart> dayParts(const WeekEvent& event)
{
    if (!event.end)
        return {{event.day, event.start, event.start}};
    if (!event.pastMidnight())
        return {{event.day, event.start, *event.end}};
    return {{event.day, event.start, kMinutesPerDay}, {(event.day + 1) % kDaysPerWeek, 0, *event.end}};
}

WeekPlan expandWeek(const std::vector<TimingEntry>& entries, int program)
{
    WeekPlan week;
    for (const TimingEntry& entry : entries) {
        const TimingRef timing{program, entry.EntryNo};
        if (const std::optional<UnusableReason> reason = unusableReason(entry)) {
            week.unusable.push_back({timing, entry, *reason});
            continue;
        }
        WeekEvent event;
        event.start = entry.Hour * 60 + entry.Minute;
        event.kind = eventKind(entry);
        if (event.kind == EventKind::Radio || event.kind == EventKind::Peripheral)
            event.end = entry.RangeFromOrEndHour * 60 + entry.RangeToOrEndMinute;
        event.zones = entry.ZoneBits & kZoneMask;
        event.entry = entry;
        event.timing = timing;
        for (int bit = 0; bit < kDaysPerWeek; ++bit) {
            if (entry.DayBits & (1 << bit)) {
                event.day = dayOfBit(bit);
                week.events.push_back(event);
            }
        }
    }
    // Entries come in position order, which a stable sort keeps within one minute.
    std::stable_sort(week.events.begin(), week.events.end(), [](const WeekEvent& a, const WeekEvent& b) {
        return a.day != b.day ? a.day < b.day : a.start < b.start;
    });
    return week;
}

bool playsAnything(const std::vector<TimingEntry>& entries)
{
    return !expandWeek(entries, 0).events.empty();
}

}  // namespace quennet
