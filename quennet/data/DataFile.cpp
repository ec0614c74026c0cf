#include "DataFile.h"

#include "DataFileHeader.h"
#include "DataFileLayout.h"
#include "DrivePath.h"
#include "ProgramTable.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <utility>

namespace quennet {

namespace {
const char kDirectoryName[] = "C:\\DSData";
const char kFileName[] = "C:\\DSdata\\UserDS.KQD";

const char kOpenedMessage[] = "%s 定时文件打开成功,可以开始输入定时!";
const char kCreatedMessage[] = "%s 定时文件创建成功,可以开始输入定时!";
const char kCreateFailed001[] = "%s 定时文件创建失败001,不能输入定时!";
const char kCreateFailed002[] = "%s 定时文件创建失败002,不能输入定时!";
const char kRefusedMessage[] = "%s 定时文件无法打开(%r),文件没有任何改动!";
const char kSavedMessage[] = "  保存成功! ";
const char kSaveFailedMessage[] = "%s 定时文件保存失败(%r)!";
const char kOpenErrorMessage[] = "o err";
const char kUnreadableMessage[] = "%s 定时文件无法读取(%r)";

std::string withPath(std::string format, const std::string& path, const FileError& error = {})
{
    format.replace(format.find("%s"), 2, path);
    const std::size_t reason = format.find("%r");
    if (reason != std::string::npos)
        format.replace(reason, 2, reasonText(error));
    return format;
}

// The header with byte 101 = programIndex, then the four empty tables.
std::vector<std::uint8_t> emptyFile(int programIndex)
{
    const DataFileHeader header = DataFileHeader::make(programIndex);
    std::vector<std::uint8_t> bytes(kDataFileSize, 0);
    std::copy(header.bytes.begin(), header.bytes.end(), bytes.begin());
    return bytes;
}

// Everything the file holds, up to its end.
std::optional<std::vector<std::uint8_t>> readWhole(HeldFile& file, FileError& error)
{
    std::vector<std::uint8_t> bytes;
    constexpr std::size_t kChunk = 1 << 16;
    for (;;) {
        const std::size_t done = bytes.size();
        bytes.resize(done + kChunk);
        const std::optional<std::size_t> read = file.readAt(long(done), bytes.data() + done, kChunk, error);
        if (!read)
            return std::nullopt;
        bytes.resize(done + *read);
        if (*read < kChunk)
            return bytes;
    }
}

bool readTable(HeldFile& file, int program, ProgramTable& table, FileError& error)
{
    return file.readAt(programOffset(program), table.slots.data(), sizeof table.slots, error).has_value();
}
}  // namespace

DataFile::DataFile(std::string driveFolder, FileAccess& access)
    : driveFolder_(std::move(driveFolder)), access_(access)
{ }

std::string DataFile::filePath() const
{
    return held_ ? heldPath_ : hostPath(driveFolder_, kFileName);
}

TimingEntry DataFile::defaultEntry(int position)
{
    TimingEntry entry;
    entry.EntryNo = position == 0 ? 1 : 0;
    entry.DayBits = kWorkdayBits;
    entry.ZoneBits = kAllZoneBits;
    return entry;
}

TimingEntry DataFile::deletedEntry()
{
    TimingEntry entry;
    entry.EntryNo = kDeletedEntryNo;
    return entry;
}

template<class Work>
bool DataFile::withFile(FileAccess::Mode mode, Work work)
{
    // A write into a held file that was deleted or renamed meanwhile would be lost with it.
    if (held_)
        return work(*held_) && (mode == FileAccess::Mode::Read || held_->isAt(heldPath_));
    FileError error;
    const std::unique_ptr<HeldFile> file = access_.open(filePath(), mode, error);
    return file && work(*file);
}

void DataFile::hold(std::unique_ptr<HeldFile> file, const std::string& path)
{
    held_ = std::move(file);
    heldPath_ = path;
}

DataFile::OpenResult DataFile::OpenDataFile(int programIndex)
{
    held_.reset();
    std::error_code ignored;
    std::filesystem::create_directories(hostPath(driveFolder_, kDirectoryName), ignored);

    const std::string path = filePath();
    FileError error;
    std::unique_ptr<HeldFile> file = access_.open(path, FileAccess::Mode::ReadWrite, error);
    if (!file && error.kind == FileError::Kind::Missing) {
        // Only a file that is not there at all is made anew.
        file = access_.create(path, emptyFile(programIndex), false, error);
        if (!file)
            return {OpenOutcome::NotCreated, programIndex, withPath(kCreateFailed001, path)};
        hold(std::move(file), path);
        return {OpenOutcome::Created, programIndex, withPath(kCreatedMessage, path)};
    }
    DataFileHeader header;
    const std::optional<std::size_t> read =
        file ? file->readAt(0, header.bytes.data(), header.bytes.size(), error) : std::nullopt;
    if (!read)
        return {OpenOutcome::Refused, programIndex, withPath(kRefusedMessage, path, error)};
    if (*read == header.bytes.size() && header.isValid()) {
        const int stored = header.programIndex();
        hold(std::move(file), path);
        return {OpenOutcome::Opened, stored, withPath(kOpenedMessage, path)};
    }
    // Replacing loses the old content, so it survives beside the file first.
    const std::optional<std::vector<std::uint8_t>> old = readWhole(*file, error);
    if (!old || !access_.create(path + ".bak", *old, true, error)
        || !file->replaceWith(emptyFile(programIndex), error))
        return {OpenOutcome::NotCreated, programIndex, withPath(kCreateFailed002, path)};
    hold(std::move(file), path);
    return {OpenOutcome::Replaced, programIndex, withPath(kCreatedMessage, path)};
}

bool DataFile::CreateDataFile(int programIndex)
{
    FileError error;
    if (held_)
        return held_->replaceWith(emptyFile(programIndex), error);
    const std::string path = filePath();
    std::unique_ptr<HeldFile> file = access_.open(path, FileAccess::Mode::ReadWrite, error);
    if (file)
        return file->replaceWith(emptyFile(programIndex), error);
    return error.kind == FileError::Kind::Missing
        && access_.create(path, emptyFile(programIndex), false, error);
}

DataFile::CloseResult DataFile::SaveProgramIndex(int programIndex)
{
    const std::string path = filePath();
    std::unique_ptr<HeldFile> file = std::move(held_);
    FileError error;
    if (!file) {
        file = access_.open(path, FileAccess::Mode::ReadWrite, error);
        if (!file)
            return {false, kOpenErrorMessage};
    }
    // A header that could not be read whole is never written back.
    DataFileHeader header;
    const std::optional<std::size_t> read = file->readAt(0, header.bytes.data(), header.bytes.size(), error);
    if (read && *read != header.bytes.size())
        error = {FileError::Kind::TooShort, {}};
    if (!read || *read != header.bytes.size())
        return {false, withPath(kSaveFailedMessage, path, error)};
    header.setProgramIndex(programIndex);
    // The card may be pulled once this says 保存成功, so every timing stored since 打开文件 must be
    // on it by then.
    if (!file->writeAt(0, header.bytes.data(), header.bytes.size(), error) || !file->sync(error))
        return {false, withPath(kSaveFailedMessage, path, error)};
    if (!file->isAt(path))
        return {false, withPath(kSaveFailedMessage, path, {FileError::Kind::Gone, {}})};
    return {true, kSavedMessage};
}

std::optional<DataFile::ProgramCount> DataFile::CountTimings(int programIndex)
{
    const std::optional<std::vector<TimingEntry>> valid = ListTimings(programIndex);
    if (!valid)
        return std::nullopt;
    ProgramCount count;
    count.timings = int(valid->size());
    count.lastPosition = valid->empty() ? 0 : valid->back().EntryNo;
    return count;
}

std::optional<TimingEntry> DataFile::LoadTiming(int programIndex, int position, const TimingEntry& buffer)
{
    const std::uint8_t n = std::uint8_t(position);
    TimingEntry slot;
    const bool read = withFile(FileAccess::Mode::Read, [&](HeldFile& file) {
        FileError error;
        return n == 0 || file.readAt(entryOffset(programIndex, n), &slot, sizeof slot, error).has_value();
    });
    if (!read)
        return std::nullopt;
    const TimingEntry loaded = (n != 0 && slot.EntryNo == n) ? slot : defaultEntry(n);
    TimingEntry result = buffer;
    std::memcpy(static_cast<void*>(&result), &loaded, kLoadedEntryBytes);  // bytes 13..15 keep their value
    return result;
}

bool DataFile::StoreTiming(int programIndex, int position, const TimingEntry& entry)
{
    return withFile(FileAccess::Mode::Write, [&](HeldFile& file) {
        FileError error;
        return file.writeAt(entryOffset(programIndex, position), &entry, sizeof entry, error);
    });
}

bool DataFile::DeleteTiming(int programIndex, int position)
{
    return StoreTiming(programIndex, position, deletedEntry());
}

DataFile::Listing DataFile::listAllTimings() const
{
    Listing listing;
    const std::string path = filePath();
    FileError error;
    const std::unique_ptr<HeldFile> file = access_.open(path, FileAccess::Mode::Peek, error);
    DataFileHeader header;
    const std::optional<std::size_t> read =
        file ? file->readAt(0, header.bytes.data(), header.bytes.size(), error) : std::nullopt;
    if (read && (*read != header.bytes.size() || !header.isValid()))
        error = {FileError::Kind::NotDataFile, {}};
    else if (read)
        listing.runProgram = header.programIndex();
    if (error.kind == FileError::Kind::None) {
        const std::optional<long> length = file->length(error);
        listing.length = length.value_or(0);
    }
    for (int program = 0; error.kind == FileError::Kind::None && program < kProgramCount; ++program) {
        ProgramTable table;
        if (readTable(*file, program, table, error))
            listing.programs[std::size_t(program)] = table.validEntries();
    }
    if (error.kind != FileError::Kind::None)
        listing.error = withPath(kUnreadableMessage, path, error);
    listing.failure = error;
    return listing;
}

std::optional<std::vector<TimingEntry>> DataFile::ListTimings(int programIndex)
{
    ProgramTable table;
    const bool read = withFile(FileAccess::Mode::Read, [&](HeldFile& file) {
        FileError error;
        return readTable(file, programIndex, table, error);
    });
    return read ? std::optional<std::vector<TimingEntry>>(table.validEntries()) : std::nullopt;
}

}  // namespace quennet
