#pragma once
// Fixed layout of the data file: a 512-byte header and four 4096-byte program tables.
#include <cstdint>

namespace quennet {

constexpr int HeaderSize = 512;
constexpr int ProgramTableSize = 4096;
constexpr int ProgramCount = 4;
constexpr int EntrySize = 16;
constexpr int MaxTimings = 99;
constexpr int DataFileSize = HeaderSize + ProgramCount * ProgramTableSize; // 16896

// Readers look at the first four 512-byte blocks (128 slots) and stop after position 99.
constexpr int ReadBlockSize = 512;
constexpr int ReadBlockCount = 4;

constexpr long ProgramOffset(int program)
{
    return HeaderSize + long(ProgramTableSize) * program;
}

// Position n counts from 1.
constexpr long EntryOffset(int program, int position)
{
    return ProgramOffset(program) + long(EntrySize) * (position - 1);
}

} // namespace quennet
