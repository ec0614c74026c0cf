#pragma once
// The 512-byte block at the start of the data file.
#include <array>
#include <cstdint>

namespace quennet {

struct DataFileHeader {
    std::array<std::uint8_t, 512> bytes{};

    static constexpr int MarkerOffset = 100;
    static constexpr int ProgramIndexOffset = 101;
    static constexpr std::uint8_t Marker = 0x5A; // 'Z'

    // The maker's line, the marker and the selected program; everything else zero.
    static DataFileHeader Make(int programIndex);

    // Nothing but the marker and the program index are checked.
    bool IsValid() const;
    int ProgramIndex() const { return bytes[ProgramIndexOffset]; }
    void SetProgramIndex(int programIndex);
};

} // namespace quennet
