#pragma once
// A timing set with a timing in every slot the editor reaches, each different, and the bytes a
// file from elsewhere may hold where no column of the table reaches: a reserved byte that is not
// 0, the high bits of days and zones, a play mode of 2, a Serial that is not the slot's number,
// and slot 100.

#include "CurrentTiming.h"
#include "TextConversions.h"
#include "TimingSet.h"

namespace tavisto {

inline TimingSet fullTimingSet()
{
    TimingSet set = TimingSet::fresh();
    set.RunProgram = 3;
    set.RandomEnabled = 1;
    auto time = [](int minute, std::uint8_t* at) {
        at[0] = toBcd(minute / 60 % 24);
        at[1] = toBcd(minute % 60);
    };
    for (int program = 1; program <= kProgramCount; ++program) {
        for (int slot = 1; slot <= kProgramSlots; ++slot) {
            std::uint8_t* music = set.Buffer.programSlot(program, TimingType::Music, slot);
            music[0] = static_cast<std::uint8_t>(slot == 7 ? 70 : slot);
            time(slot * 37 + program * 101, music + 1);
            music[3] = static_cast<std::uint8_t>(slot % 100);
            music[4] = static_cast<std::uint8_t>(slot * 3 % 100);
            music[5] = static_cast<std::uint8_t>(slot * 7 % 100);
            music[6] = static_cast<std::uint8_t>((slot * 5 + program) % 128 | (slot % 11 == 0 ? 0x80 : 0));
            music[7] = static_cast<std::uint8_t>((slot * 3 + program) % 64 | (slot % 13 == 0 ? 0xC0 : 0));
            std::uint8_t* device = set.Buffer.programSlot(program, TimingType::Peripheral, slot);
            device[0] = static_cast<std::uint8_t>(slot);
            time(slot * 41 + program * 7, device + 1);
            time(slot * 41 + program * 7 + 15 + slot % 50, device + 3);
            device[5] = slot % 9 == 0 ? 0x5A : 0x00;
            device[6] = static_cast<std::uint8_t>((slot * 11 + program) % 128);
            device[7] = static_cast<std::uint8_t>((slot + program * 5) % 64);
        }
    }
    for (int slot = 1; slot <= kRandomSlots; ++slot) {
        std::uint8_t* random = set.Buffer.randomSlot(slot);
        random[0] = static_cast<std::uint8_t>(slot);
        time(slot * 97, random + 1);
        time(slot * 97 + 45, random + 3);
        random[5] = static_cast<std::uint8_t>(slot % 3);
        random[6] = static_cast<std::uint8_t>(slot * 9 % 128);
        random[7] = static_cast<std::uint8_t>(slot * 5 % 64);
        random[8] = static_cast<std::uint8_t>(slot);
        random[9] = static_cast<std::uint8_t>(slot + 20);
    }
    return set;
}

}  // namespace tavisto
