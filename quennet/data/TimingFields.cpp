#include "TimingFields.h"

#include <algorithm>

namespace quennet {

namespace {
// Tracks and stations are 0..99 in the file; a value beyond would wrap to another
// track, or turn a music timing into a peripheral one on reading.
std::uint8_t TrackByte(int value)
{
    return std::uint8_t(std::clamp(value, 0, 99));
}

// A field the shown kind hides was never checked; it is kept within its byte.
std::uint8_t FieldByte(int value)
{
    return std::uint8_t(std::clamp(value, 0, 255));
}

template <std::size_t N>
std::uint8_t Bits(const std::array<bool, N>& flags)
{
    std::uint8_t bits = 0;
    for (std::size_t i = 0; i < N; ++i)
        bits |= std::uint8_t(flags[i] << i);
    return bits;
}

template <std::size_t N>
void SetFlags(std::array<bool, N>& flags, std::uint8_t bits)
{
    for (std::size_t i = 0; i < N; ++i)
        flags[i] = (bits >> i) & 1;
}
}

void PackTiming(TimingEntry& entry, const TimingFields& fields, int timingKind, int position)
{
    entry.EntryNo = std::uint8_t(position);
    entry.Hour = FieldByte(fields.hour);
    entry.Minute = FieldByte(fields.minute);
    entry.ZoneBits = Bits(fields.zones);
    entry.DayBits = Bits(fields.days);
    entry.MainTrack = TrackByte(fields.track1);
    entry.Reserved6 = 0;
    entry.SecondTrack = TrackByte(fields.track2);
    entry.ThirdTrack = TrackByte(fields.track3);
    std::fill(std::begin(entry.Reserved13), std::end(entry.Reserved13), 0);

    entry.RadioFlag = timingKind == RadioKind ? 1 : 0;
    if (timingKind == RadioKind || timingKind == PeripheralKind) {
        entry.RangeFromOrEndHour = FieldByte(fields.endHour);
        entry.RangeToOrEndMinute = FieldByte(fields.endMinute);
    } else {
        entry.RangeFromOrEndHour = TrackByte(fields.randomFrom);
        entry.RangeToOrEndMinute = TrackByte(fields.randomTo);
    }
    if (timingKind == PeripheralKind)
        entry.MainTrack = kPeripheralTrack;
}

int UnpackTiming(const TimingEntry& entry, TimingFields& fields)
{
    fields.hour = entry.Hour;
    fields.minute = entry.Minute;
    fields.track1 = entry.MainTrack;
    fields.track2 = entry.SecondTrack;
    fields.track3 = entry.ThirdTrack;
    SetFlags(fields.days, entry.DayBits);
    SetFlags(fields.zones, entry.ZoneBits);
    const int kind = KindOf(entry);
    if (kind == MusicKind) {
        fields.randomFrom = entry.RangeFromOrEndHour;
        fields.randomTo = entry.RangeToOrEndMinute;
    } else {
        fields.endHour = entry.RangeFromOrEndHour;
        fields.endMinute = entry.RangeToOrEndMinute;
    }
    return kind;
}

} // namespace quennet
