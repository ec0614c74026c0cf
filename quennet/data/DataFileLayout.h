#pragma once
// Fixed layout of the data file: a 512-byte header and four 4096-byte program tables.
#include <cstdint>

namespace quennet {

constexpr int kHeaderSize = 512;
constexpr int kProgramTableSize = 4096;
constexpr int kProgramCount = 4;
constexpr int kEntrySize = 16;
constexpr int kMaxTimings = 99;
constexpr int kDataFileSize = kHeaderSize + kProgramCount * kProgramTableSize;  // 16896

// Readers look at the first four 512-byte blocks (128 slots) and stop after position 99.
constexpr int kReadBlockSize = 512;
constexpr int kReadBlockCount = 4;

constexpr long programOffset(int program)
{
    return kHeaderSize + long(kProgramTableSize) * program;
}

// Position n counts from 1.
constexpr long entryOffset(int program, int position)
{
    return programOffset(program) + long(kEntrySize) * (position - 1);
}

}  // namespace quennet
