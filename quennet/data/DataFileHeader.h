#pragma once
// The 512-byte block at the start of the data file.
#include <array>
#include <cstdint>

namespace quennet {

struct DataFileHeader {
    std::array<std::uint8_t, 512> bytes{};

    static constexpr int kMarkerOffset = 100;
    static constexpr int kProgramIndexOffset = 101;
    static constexpr std::uint8_t kMarker = 0x5A;  // 'Z'

    // The maker's line, the marker and the selected program; everything else zero.
    static DataFileHeader make(int programIndex);

    // Nothing but the marker and the program index are checked.
    bool isValid() const;
    int programIndex() const { return bytes[kProgramIndexOffset]; }
    void setProgramIndex(int programIndex);
};

}  // namespace quennet
