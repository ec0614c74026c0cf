#include "DataFileHeader.h"

#include "DataFileLayout.h"

#include <algorithm>
#include <iterator>

namespace quennet {

namespace {
// "Quennet 定时数据文件" in GBK; no reader looks at it.
constexpr std::uint8_t kMakerLine[] = {0x51, 0x75, 0x65, 0x6e, 0x6e, 0x65, 0x74, 0x20, 0xb6, 0xa8,
                                       0xca, 0xb1, 0xca, 0xfd, 0xbe, 0xdd, 0xce, 0xc4, 0xbc, 0xfe};
static_assert(sizeof(kMakerLine) <= DataFileHeader::kMarkerOffset, "the maker's line fits before the marker");
}  // namespace

DataFileHeader DataFileHeader::make(int programIndex)
{
    DataFileHeader header;
    std::copy(std::begin(kMakerLine), std::end(kMakerLine), header.bytes.begin());
    header.setProgramIndex(programIndex);
    return header;
}

bool DataFileHeader::isValid() const
{
    return bytes[kMarkerOffset] == kMarker && bytes[kProgramIndexOffset] < kProgramCount;
}

void DataFileHeader::setProgramIndex(int programIndex)
{
    bytes[kMarkerOffset] = kMarker;
    bytes[kProgramIndexOffset] = std::uint8_t(programIndex);
}

}  // namespace quennet
