#pragma once
// The editor's field values and their exchange with a TimingEntry.
#include "TimingEntry.h"

#include <array>

namespace quennet {

// Bit i of bits as flag i.
template<std::size_t N>
constexpr std::array<bool, N> flagsOf(std::uint8_t bits)
{
    std::array<bool, N> flags{};
    for (std::size_t i = 0; i < N; ++i)
        flags[i] = (bits >> i) & 1;
    return flags;
}

struct TimingFields {
    int hour = 0;
    int minute = 0;
    int track1 = 1;  // also the station of a radio timing
    int track2 = 0;
    int track3 = 0;
    int randomFrom = 0;
    int randomTo = 0;
    int endHour = 0;
    int endMinute = 0;
    std::array<bool, 7> days = flagsOf<7>(kWorkdayBits);  // Sunday first
    std::array<bool, 4> zones = flagsOf<4>(kAllZoneBits);
};

// Fills the entry for position n from the fields; byte 3 of the entry is kept. A kind
// other than radio or peripheral stores a music timing.
void PackTiming(TimingEntry& entry, const TimingFields& fields, TimingKind timingKind, int position);

// Brings the whole stored timing into the fields and returns its kind.
TimingKind unpackTiming(const TimingEntry& entry, TimingFields& fields);

}  // namespace quennet
