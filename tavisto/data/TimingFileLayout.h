#pragma once
// Where the .mtf file keeps the setting bytes and the tables. No header, no checksum.

#include "TimingBuffer.h"

#include <cstddef>

namespace tavisto {

constexpr std::size_t kRunProgramFileOffset = 0;
constexpr std::size_t kTableBlockSize = 2048;  // each program table starts a block of its own
constexpr std::size_t kRandomTableFileOffset = 18432;
constexpr std::size_t kRandomEnabledFileOffset = 18559;
constexpr std::size_t kTimingFileSize = 18560;

// File offset of program table t (0..7).
constexpr std::size_t tableFileOffset(int t)
{
    return static_cast<std::size_t>(t + 1) * kTableBlockSize;
}

static_assert(tableFileOffset(kProgramTableCount - 1) + kProgramTableSize <= kRandomTableFileOffset);
static_assert(kRandomTableFileOffset + kRandomTableSize <= kRandomEnabledFileOffset);

}  // namespace tavisto
