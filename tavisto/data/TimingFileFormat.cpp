#include "TimingFileFormat.h"

#include "TimingFileLayout.h"

#include <algorithm>

namespace tavisto {

namespace {

// Copies up to size bytes at offset of the image; what lies beyond its end is left as it was.
void take(const FileImage& image, std::size_t offset, std::uint8_t* data, std::size_t size)
{
    if (offset < image.size())
        std::copy_n(image.begin() + static_cast<std::ptrdiff_t>(offset),
                    std::min(size, image.size() - offset), data);
}

void put(FileImage& image, std::size_t offset, const std::uint8_t* data, std::size_t size)
{
    std::copy_n(data, size, image.begin() + static_cast<std::ptrdiff_t>(offset));
}

bool validBcd(std::uint8_t value, std::uint8_t highest)
{
    return (value >> 4) <= 9 && (value & 0x0F) <= 9 && value <= highest;
}

// Where the time bytes (hour, minute) and the track bytes of a used slot lie.
struct SlotFields {
    std::vector<std::size_t> times;
    std::vector<std::size_t> tracks;
};

SlotFields fieldsOf(const SlotSelection& table)
{
    if (table.EditObject == kRandomProgram)
        return {{1, 3}, {8, 9}};
    if (table.Type == TimingType::Peripheral)
        return {{1, 3}, {}};
    return {{1}, {3, 4, 5}};
}

void inspectSlot(const std::uint8_t* bytes, const SlotSelection& timing,
                 std::vector<TimingFileFinding>& findings)
{
    if (isEmptySerial(bytes[0]))
        return;
    using Kind = TimingFileFinding::Kind;
    if (bytes[0] != timing.SlotNo)
        findings.push_back({Kind::Serial, timing, bytes[0]});
    const SlotFields fields = fieldsOf(timing);
    for (std::size_t at : fields.times)
        if (!validBcd(bytes[at], 0x23) || !validBcd(bytes[at + 1], 0x59))
            findings.push_back({Kind::Time, timing, bytes[at] << 8 | bytes[at + 1]});
    for (std::size_t at : fields.tracks)
        if (bytes[at] > 99)
            findings.push_back({Kind::Track, timing, bytes[at]});
}

}  // namespace

TimingSet decodeTimingFile(const FileImage& image)
{
    TimingSet set = TimingSet::fresh();
    take(image, kRunProgramFileOffset, &set.RunProgram, 1);
    for (int t = 0; t < kProgramTableCount; ++t)
        take(image, tableFileOffset(t), set.Buffer.table(t), kProgramTableSize);
    take(image, kRandomTableFileOffset, set.Buffer.randomTable(), kRandomTableSize);
    take(image, kRandomEnabledFileOffset, &set.RandomEnabled, 1);
    return set;
}

void encodeTimingFile(const TimingSet& set, FileImage& image)
{
    if (image.size() < kTimingFileSize)
        image.resize(kTimingFileSize, 0x00);
    put(image, kRunProgramFileOffset, &set.RunProgram, 1);
    for (int t = 0; t < kProgramTableCount; ++t)
        put(image, tableFileOffset(t), set.Buffer.table(t), kProgramTableSize);
    put(image, kRandomTableFileOffset, set.Buffer.randomTable(), kRandomTableSize);
    put(image, kRandomEnabledFileOffset, &set.RandomEnabled, 1);
}

std::vector<TimingFileFinding> inspectTimingFile(const FileImage& image)
{
    std::vector<TimingFileFinding> findings;
    if (image.size() < kTimingFileSize)
        findings.push_back({TimingFileFinding::Kind::Short, {}, static_cast<int>(image.size())});
    const TimingSet set = decodeTimingFile(image);
    if (set.RunProgram < 1 || set.RunProgram > kProgramCount)
        findings.push_back({TimingFileFinding::Kind::RunProgram, {}, set.RunProgram});
    for (TimingType type : {TimingType::Music, TimingType::Peripheral})
        for (std::uint8_t program = 1; program <= kProgramCount; ++program)
            for (std::uint8_t slot = 1; slot <= kProgramSlots; ++slot)
                inspectSlot(set.Buffer.programSlot(program, type, slot), {program, type, slot}, findings);
    for (std::uint8_t slot = 1; slot <= kRandomSlots; ++slot)
        inspectSlot(set.Buffer.randomSlot(slot), {kRandomProgram, TimingType::Music, slot}, findings);
    return findings;
}

}  // namespace tavisto
