#pragma once
// The editor's field values and their exchange with a TimingEntry.
#include "TimingEntry.h"

#include <array>

namespace quennet {

struct TimingFields {
    int hour = 0;
    int minute = 0;
    int track1 = 1; // also the station of a radio timing
    int track2 = 0;
    int track3 = 0;
    int randomFrom = 0;
    int randomTo = 0;
    int endHour = 0;
    int endMinute = 0;
    std::array<bool, 7> days{false, true, true, true, true, true, false}; // Sunday first
    std::array<bool, 4> zones{true, true, true, true};
};

// Fills the entry for position n from the fields; byte 3 of the entry is kept. A kind
// other than radio or peripheral stores a music timing.
void PackTiming(TimingEntry& entry, const TimingFields& fields, int timingKind, int position);

// Brings the whole stored timing into the fields and returns its kind.
int UnpackTiming(const TimingEntry& entry, TimingFields& fields);

} // namespace quennet
