#pragma once
// The current timing record CP and its transfer to and from the slots of the TimingBuffer.

#include "TimingBuffer.h"

#include <cstdint>

namespace tavisto {

constexpr std::uint8_t kRandomProgram = 5;  // EditObject of the random program

// Union of the fields of the three slot kinds, in this order.
struct CP {
    std::uint8_t Serial = 0xFF;
    std::uint8_t StartHour = 0;
    std::uint8_t StartMinute = 0;
    std::uint8_t EndHour = 0;
    std::uint8_t EndMinute = 0;
    std::uint8_t Track1 = 0;
    std::uint8_t Track2 = 0;
    std::uint8_t Track3 = 0;
    std::uint8_t FirstTrack = 0;
    std::uint8_t LastTrack = 0;
    std::uint8_t Weekdays = 0;
    std::uint8_t Zones = 0;
    std::uint8_t PlayMode = 0;
};

// Which table and slot the editor shows.
struct SlotSelection {
    std::uint8_t EditObject = 1;  // 1..4 standard program, 5 random program
    TimingType Type = TimingType::Music;
    std::uint8_t SlotNo = 1;
};

// The last slot the editor shows: 10 in the random program, 99 in a standard table (slot 100 is
// part of each table but never shown).
inline int lastSlot(const SlotSelection& selection)
{
    return selection.EditObject == kRandomProgram ? kRandomSlots : kProgramSlots - 1;
}

// An empty slot is marked by Serial 0x00 or 0xFF.
inline bool isEmptySerial(std::uint8_t serial)
{
    return serial == 0x00 || serial == 0xFF;
}

// Whether a slot holds a timing: a used Serial and something after it. Showing an empty slot and
// moving on stamps it with its number and zeros, which is no timing either. Slot 0 means the shown
// slot; other numbers are clamped to the table.
bool holdsTiming(const TimingBuffer& buffer, const SlotSelection& selection, std::uint8_t slot);

void ClearCP(CP& cp);
// slot 0 means the shown slot; other numbers are clamped to the table.
void LoadBuftoCP(const TimingBuffer& buffer, const SlotSelection& selection, std::uint8_t slot, CP& cp);
void SaveCPtoBuf(TimingBuffer& buffer, const SlotSelection& selection, std::uint8_t slot, const CP& cp);

}  // namespace tavisto
