#pragma once
// The .mtf image apart from the file: decoded into a timing set, encoded back over the bytes it
// came from, and inspected for what a timing file cannot hold.

#include "CurrentTiming.h"
#include "TimingSet.h"

#include <cstdint>
#include <vector>

namespace tavisto {

using FileImage = std::vector<std::uint8_t>;

// What lies beyond the end of a short image reads as in a new set (table bytes 0xFF, both
// settings 1).
TimingSet decodeTimingFile(const FileImage& image);
// Writes the settings and tables into `image` at their offsets, extending it to the full layout
// with zeros; unused bytes and everything beyond the layout stay as they are.
void encodeTimingFile(const TimingSet& set, FileImage& image);

// Something in an image that no timing file written by this program holds.
struct TimingFileFinding {
    enum class Kind {
        Short,       // value: the length
        RunProgram,  // value: the byte, not 1..4
        Serial,      // value: the Serial of a used slot that is not its own number
        Time,        // value: hour byte << 8 | minute byte, not a valid time
        Track,       // value: the track above 99
    };
    Kind kind;
    SlotSelection timing;  // the timing, for Serial, Time and Track
    int value;
};

// In file order; empty for every file this program writes.
std::vector<TimingFileFinding> inspectTimingFile(const FileImage& image);

}  // namespace tavisto
