#include "TimingBuffer.h"

#include <algorithm>

namespace tavisto {

std::size_t TimingBuffer::programSlotOffset(int program, TimingType type, int slot)
{
    const int table = (type == TimingType::Music ? 0 : kProgramCount) + program - 1;
    return tableOffset(table) + static_cast<std::size_t>(slot - 1) * kProgramSlotSize;
}

std::size_t TimingBuffer::randomSlotOffset(int slot)
{
    return kRandomTableOffset + static_cast<std::size_t>(slot - 1) * kRandomSlotSize;
}

std::size_t TimingBuffer::tableOffset(int table)
{
    return static_cast<std::size_t>(table) * kProgramTableSize;
}

void TimingBuffer::copyProgram(int from, int to)
{
    for (TimingType type : {TimingType::Music, TimingType::Peripheral}) {
        const std::uint8_t* source = programSlot(from, type, 1);
        std::copy(source, source + kProgramTableSize, programSlot(to, type, 1));
    }
}

void TimingBuffer::clearProgram(int program)
{
    for (TimingType type : {TimingType::Music, TimingType::Peripheral}) {
        std::uint8_t* table = programSlot(program, type, 1);
        std::fill(table, table + kProgramTableSize, kEmptyByte);
    }
}

void TimingBuffer::clearRandomTable()
{
    std::fill(randomTable(), randomTable() + kRandomTableSize, kEmptyByte);
}

}  // namespace tavisto
