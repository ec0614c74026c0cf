#include "DataFile.h"

#include "DataFileHeader.h"
#include "DataFileLayout.h"
#include "DrivePath.h"
#include "ProgramTable.h"

#include <cstring>
#include <filesystem>
#include <unistd.h>
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

// The header with byte 101 = programIndex, then the four empty tables; a longer file is cut.
bool writeEmptyFile(LockedFile& file, int programIndex, FileError& error)
{
    const DataFileHeader header = DataFileHeader::make(programIndex);
    if (!file.writeAt(0, header.bytes.data(), header.bytes.size(), error))
        return false;
    const char zeros[kReadBlockSize] = {};
    for (long offset = kHeaderSize; offset < kDataFileSize; offset += kReadBlockSize) {
        if (!file.writeAt(offset, zeros, sizeof zeros, error))
            return false;
    }
    return file.resize(kDataFileSize, error);
}

bool keepBackup(const std::string& path)
{
    std::error_code error;
    std::filesystem::copy_file(path, path + ".bak", std::filesystem::copy_options::overwrite_existing, error);
    return !error;
}

bool readTable(LockedFile& file, int program, ProgramTable& table, FileError& error)
{
    return file.readAt(programOffset(program), table.slots.data(), sizeof table.slots, error).has_value();
}
}  // namespace

DataFile::DataFile(std::string driveFolder) : driveFolder_(std::move(driveFolder))
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
bool DataFile::withFile(LockedFile::Mode mode, Work work)
{
    // A write into a held file that was deleted or renamed meanwhile would be lost with it.
    if (held_)
        return work(*held_) && (mode == LockedFile::Mode::Read || held_->isAt(heldPath_));
    FileError error;
    auto file = LockedFile::open(filePath(), mode, error);
    return file && work(*file);
}

DataFile::OpenResult DataFile::OpenDataFile(int programIndex)
{
    held_.reset();
    std::error_code ignored;
    std::filesystem::create_directories(hostPath(driveFolder_, kDirectoryName), ignored);

    const std::string path = filePath();
    OpenResult result{true, false, programIndex, {}};
    FileError error;
    auto file = LockedFile::open(path, LockedFile::Mode::ReadWrite, error);
    if (!file && error.isMissing()) {
        // Only a file that is not there at all is made anew.
        file = LockedFile::open(path, LockedFile::Mode::CreateNew, error);
        if (file && writeEmptyFile(*file, programIndex, error)) {
            result.message = withPath(kCreatedMessage, path);
            held_ = std::move(file);
            heldPath_ = path;
        } else {
            if (file)
                ::unlink(path.c_str());  // our own half-written file
            result.failed = true;
            result.message = withPath(kCreateFailed001, path);
        }
        return result;
    }
    DataFileHeader header;
    const std::optional<std::size_t> read =
        file ? file->readAt(0, header.bytes.data(), header.bytes.size(), error) : std::nullopt;
    if (!read) {
        result.opened = false;
        result.failed = true;
        result.message = withPath(kRefusedMessage, path, error);
        return result;
    }
    if (*read == header.bytes.size() && header.isValid()) {
        result.programIndex = header.programIndex();
        result.message = withPath(kOpenedMessage, path);
    } else if (keepBackup(path) && writeEmptyFile(*file, programIndex, error)) {
        // Replacing loses the old content, so it survives beside the file first.
        result.message = withPath(kCreatedMessage, path);
    } else {
        result.failed = true;
        result.message = withPath(kCreateFailed002, path);
        return result;
    }
    held_ = std::move(file);
    heldPath_ = path;
    return result;
}

bool DataFile::CreateDataFile(int programIndex)
{
    return withFile(LockedFile::Mode::Create, [&](LockedFile& file) {
        FileError error;
        return writeEmptyFile(file, programIndex, error);
    });
}

DataFile::CloseResult DataFile::SaveProgramIndex(int programIndex)
{
    const std::string path = filePath();
    std::optional<LockedFile> file = std::exchange(held_, std::nullopt);
    FileError error;
    if (!file) {
        file = LockedFile::open(path, LockedFile::Mode::ReadWrite, error);
        if (!file)
            return {false, kOpenErrorMessage};
    }
    // A header that could not be read whole is never written back.
    DataFileHeader header;
    const std::optional<std::size_t> read = file->readAt(0, header.bytes.data(), header.bytes.size(), error);
    if (read && *read != header.bytes.size())
        error = {FileError::Kind::TooShort, 0};
    if (!read || *read != header.bytes.size())
        return {false, withPath(kSaveFailedMessage, path, error)};
    header.setProgramIndex(programIndex);
    // The card may be pulled once this says 保存成功, so every timing stored since 打开文件 must be
    // on it by then.
    if (!file->writeAt(0, header.bytes.data(), header.bytes.size(), error) || !file->sync(error))
        return {false, withPath(kSaveFailedMessage, path, error)};
    if (!file->isAt(path))
        return {false, withPath(kSaveFailedMessage, path, {FileError::Kind::Gone, 0})};
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
    const bool read = withFile(LockedFile::Mode::Read, [&](LockedFile& file) {
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
    return withFile(LockedFile::Mode::Write, [&](LockedFile& file) {
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
    auto file = LockedFile::open(path, LockedFile::Mode::Peek, error);
    DataFileHeader header;
    const std::optional<std::size_t> read =
        file ? file->readAt(0, header.bytes.data(), header.bytes.size(), error) : std::nullopt;
    if (read && (*read != header.bytes.size() || !header.isValid()))
        error = {FileError::Kind::NotDataFile, 0};
    for (int program = 0; error.kind == FileError::Kind::None && program < kProgramCount; ++program) {
        ProgramTable table;
        if (readTable(*file, program, table, error))
            listing.programs[std::size_t(program)] = table.validEntries();
    }
    if (error.kind != FileError::Kind::None)
        listing.error = withPath(kUnreadableMessage, path, error);
    return listing;
}

std::optional<std::vector<TimingEntry>> DataFile::ListTimings(int programIndex)
{
    ProgramTable table;
    const bool read = withFile(LockedFile::Mode::Read, [&](LockedFile& file) {
        FileError error;
        return readTable(file, programIndex, table, error);
    });
    return read ? std::optional<std::vector<TimingEntry>>(table.validEntries()) : std::nullopt;
}

}  // namespace quennet
