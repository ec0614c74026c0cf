#pragma once
// The in-memory image of the nine timing tables of one .mtf file.

#include <array>
#include <cstddef>
#include <cstdint>

namespace tavisto {

constexpr int kProgramCount = 4;
constexpr int kProgramSlots = 100;  // slot 100 is part of each table but never shown
constexpr int kRandomSlots = 10;
constexpr std::size_t kProgramSlotSize = 8;
constexpr std::size_t kRandomSlotSize = 10;
constexpr std::size_t kProgramTableSize = kProgramSlots * kProgramSlotSize;       // 800
constexpr std::size_t kRandomTableSize = kRandomSlots * kRandomSlotSize;          // 100
constexpr std::size_t kDeviceTablesOffset = kProgramCount * kProgramTableSize;    // 3200
constexpr std::size_t kRandomTableOffset = 2 * kDeviceTablesOffset;               // 6400
constexpr std::size_t kTimingBufferSize = kRandomTableOffset + kRandomTableSize;  // 6500
constexpr int kProgramTableCount = 2 * kProgramCount;  // table index t: music 0..3, peripheral 4..7

enum class TimingType : std::uint8_t { Music = 0, Peripheral = 1 };

// Byte value that marks an empty slot in freshly made or cleared tables.
constexpr std::uint8_t kEmptyByte = 0xFF;

class TimingBuffer {
public:
    TimingBuffer() { bytes_.fill(0x00); }

    void fill(std::uint8_t value) { bytes_.fill(value); }

    // Offset of slot (1-based) of program 1..4; the caller clamps.
    static std::size_t programSlotOffset(int program, TimingType type, int slot);
    static std::size_t randomSlotOffset(int slot);
    // Offset of program table t (0..7), the order in which the file stores them.
    static std::size_t tableOffset(int table);

    std::uint8_t* programSlot(int program, TimingType type, int slot)
    {
        return at(programSlotOffset(program, type, slot));
    }
    std::uint8_t* randomSlot(int slot) { return at(randomSlotOffset(slot)); }
    std::uint8_t* table(int t) { return at(tableOffset(t)); }
    std::uint8_t* randomTable() { return at(kRandomTableOffset); }
    const std::uint8_t* programSlot(int program, TimingType type, int slot) const
    {
        return at(programSlotOffset(program, type, slot));
    }
    const std::uint8_t* randomSlot(int slot) const { return at(randomSlotOffset(slot)); }
    const std::uint8_t* table(int t) const { return at(tableOffset(t)); }
    const std::uint8_t* randomTable() const { return at(kRandomTableOffset); }

    // Whole standard programs: the music and the peripheral table together.
    void copyProgram(int from, int to);
    void clearProgram(int program);  // both tables, slot 100 included, to 0xFF
    void clearRandomTable();

    const std::array<std::uint8_t, kTimingBufferSize>& bytes() const { return bytes_; }

private:
    std::uint8_t* at(std::size_t offset) { return bytes_.data() + offset; }
    const std::uint8_t* at(std::size_t offset) const { return bytes_.data() + offset; }
    std::array<std::uint8_t, kTimingBufferSize> bytes_;
};

}  // namespace tavisto
