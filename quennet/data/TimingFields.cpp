#include "TimingFields.h"

#include <algorithm>

namespace quennet {

namespace {
// Tracks and stations are 0..99 in the file; a value beyond would wrap to another
// track, or turn a music timing into a peripheral one on reading.
std::uint8_t trackByte(int value)
{
    return std::uint8_t(std::clamp(value, 0, 99));
}

// A field the shown kind hides was never checked; it is kept within its byte.
std::uint8_t fieldByte(int value)
{
    return std::uint8_t(std::clamp(value, 0, 255));
}

template<std::size_t N>
std::uint8_t bitsOf(const std::array<bool, N>& flags)
{
    std::uint8_t bits = 0;
    for (std::size_t i = 0; i < N; ++i)
        bits |= std::uint8_t(flags[i] << i);
    return bits;
}

}  // namespace

void PackTiming(TimingEntry& entry, const TimingFields& fields, TimingKind timingKind, int position)
{
    entry.EntryNo = std::uint8_t(position);
    entry.Hour = fieldByte(fields.hour);
    entry.Minute = fieldByte(fields.minute);
    entry.ZoneBits = bitsOf(fields.zones);
    entry.DayBits = bitsOf(fields.days);
    entry.MainTrack = trackByte(fields.track1);
    entry.Reserved6 = 0;
    entry.SecondTrack = trackByte(fields.track2);
    entry.ThirdTrack = trackByte(fields.track3);
    std::fill(std::begin(entry.Reserved13), std::end(entry.Reserved13), 0);

    entry.RadioFlag = timingKind == TimingKind::Radio ? 1 : 0;
    if (timingKind == TimingKind::Radio || timingKind == TimingKind::Peripheral) {
        entry.RangeFromOrEndHour = fieldByte(fields.endHour);
        entry.RangeToOrEndMinute = fieldByte(fields.endMinute);
    } else {
        entry.RangeFromOrEndHour = trackByte(fields.randomFrom);
        entry.RangeToOrEndMinute = trackByte(fields.randomTo);
    }
    if (timingKind == TimingKind::Peripheral)
        entry.MainTrack = kPeripheralTrack;
}

TimingKind unpackTiming(const TimingEntry& entry, TimingFields& fields)
{
    fields.hour = entry.Hour;
    fields.minute = entry.Minute;
    fields.track1 = entry.MainTrack;
    fields.track2 = entry.SecondTrack;
    fields.track3 = entry.ThirdTrack;
    fields.days = flagsOf<7>(entry.DayBits);
    fields.zones = flagsOf<4>(entry.ZoneBits);
    const TimingKind kind = kindOf(entry);
    if (kind == TimingKind::Music) {
        fields.randomFrom = entry.RangeFromOrEndHour;
        fields.randomTo = entry.RangeToOrEndMinute;
    } else {
        fields.endHour = entry.RangeFromOrEndHour;
        fields.endMinute = entry.RangeToOrEndMinute;
    }
    return kind;
}

}  // namespace quennet
