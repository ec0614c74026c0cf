#pragma once
// One 16-byte slot of a program table; every field is one unsigned byte,
// times and numbers in plain binary.
#include <cstdint>
#include <cstring>

namespace quennet {

struct TimingEntry {
    std::uint8_t EntryNo = 0;  // the slot's own position when it holds a timing
    std::uint8_t Hour = 0;
    std::uint8_t Minute = 0;
    std::uint8_t Reserved3 = 0;  // carried over from the loaded timing, never set by the editor
    std::uint8_t ZoneBits = 0;   // bit 0 zone 1 .. bit 3 zone 4
    std::uint8_t MainTrack = 0;  // first track, station, or 229 for a peripheral timing
    std::uint8_t Reserved6 = 0;
    std::uint8_t SecondTrack = 0;
    std::uint8_t DayBits = 0;  // bit 0 Sunday .. bit 6 Saturday
    std::uint8_t RadioFlag = 0;
    std::uint8_t RangeFromOrEndHour = 0;
    std::uint8_t RangeToOrEndMinute = 0;
    std::uint8_t ThirdTrack = 0;
    std::uint8_t Reserved13[3] = {0, 0, 0};
};
static_assert(sizeof(TimingEntry) == 16, "a TimingEntry is exactly one 16-byte slot");

inline bool bytesDiffer(const TimingEntry& a, const TimingEntry& b)
{
    return std::memcmp(&a, &b, sizeof a) != 0;
}

// Bytes 0..12 are the part that loads copy from a slot; 13..15 keep their value.
constexpr int kLoadedEntryBytes = 13;

constexpr std::uint8_t kDeletedEntryNo = 0xE5;
constexpr std::uint8_t kPeripheralTrack = 0xE5;
constexpr std::uint8_t kWorkdayBits = 0x3E;  // Monday to Friday
constexpr std::uint8_t kAllZoneBits = 0x0F;  // zones 1 to 4

// The entries of the editor's type list, in their order.
enum class TimingKind : std::uint8_t { Music = 0, Radio = 1, Peripheral = 2 };

// A radio flag wins over the track; a track beyond 99 marks a peripheral timing.
inline TimingKind kindOf(const TimingEntry& entry)
{
    if (entry.RadioFlag == 1)
        return TimingKind::Radio;
    return entry.MainTrack <= 99 ? TimingKind::Music : TimingKind::Peripheral;
}

// A music timing on tracks 95..99 plays a recording.
inline bool isRecording(const TimingEntry& entry)
{
    return kindOf(entry) == TimingKind::Music && entry.MainTrack >= 95;
}

}  // namespace quennet
