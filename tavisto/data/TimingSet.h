#pragma once
// Everything a timing file carries: the tables and the two setting bytes.

#include "TimingBuffer.h"

#include <cstdint>

namespace tavisto {

struct TimingSet {
    TimingBuffer Buffer;
    std::uint8_t RunProgram = 1;
    std::uint8_t RandomEnabled = 1;

    // What "新建文件" makes: every table byte 0xFF (every slot empty), both settings 1.
    static TimingSet fresh()
    {
        TimingSet set;
        set.Buffer.fill(kEmptyByte);
        return set;
    }

    bool operator==(const TimingSet& other) const
    {
        return Buffer.bytes() == other.Buffer.bytes() && RunProgram == other.RunProgram
            && RandomEnabled == other.RandomEnabled;
    }
    bool operator!=(const TimingSet& other) const { return !(*this == other); }
};

}  // namespace tavisto
