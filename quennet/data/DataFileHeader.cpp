#include "DataFileHeader.h"

#include "DataFileLayout.h"

#include <algorithm>
#include <iterator>

namespace quennet {

namespace {
// "Quennet 定时数据文件" in GBK; no reader looks at it.
constexpr std::uint8_t MakerLine[] = {
    0x51, 0x75, 0x65, 0x6e, 0x6e, 0x65, 0x74, 0x20, 0xb6, 0xa8,
    0xca, 0xb1, 0xca, 0xfd, 0xbe, 0xdd, 0xce, 0xc4, 0xbc, 0xfe};
static_assert(sizeof(MakerLine) <= DataFileHeader::MarkerOffset, "the maker's line fits before the marker");
}

DataFileHeader DataFileHeader::Make(int programIndex)
{
    DataFileHeader header;
    std::copy(std::begin(MakerLine), std::end(MakerLine), header.bytes.begin());
    header.SetProgramIndex(programIndex);
    return header;
}

bool DataFileHeader::IsValid() const
{
    return bytes[MarkerOffset] == Marker && bytes[ProgramIndexOffset] < ProgramCount;
}

void DataFileHeader::SetProgramIndex(int programIndex)
{
    bytes[MarkerOffset] = Marker;
    bytes[ProgramIndexOffset] = std::uint8_t(programIndex);
}

} // namespace quennet
