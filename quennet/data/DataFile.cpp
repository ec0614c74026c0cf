#include "DataFile.h"

#include "DataFileHeader.h"
#include "DataFileLayout.h"
#include "DrivePath.h"
#include "LockedFile.h"
#include "ProgramTable.h"

#include <cstring>
#include <filesystem>
#include <utility>

namespace quennet {

namespace {
// The spellings the commands use; the drive folder folds them to one file.
const char DirectoryName[] = "C:\\DSData";
const char CommandFileName[] = "C:\\DSdata\\UserDS.KQD";
const char RecordFileName[] = "c:\\DSdata\\UserDS.KQD";

const char OpenedMessage[] = "%s 定时文件打开成功,可以开始输入定时!";
const char CreatedMessage[] = "%s 定时文件创建成功,可以开始输入定时!";
const char CreateFailed001[] = "%s 定时文件创建失败001,不能输入定时!";
const char CreateFailed002[] = "%s 定时文件创建失败002,不能输入定时!";
const char SavedMessage[] = "  保存成功! ";
const char OpenErrorMessage[] = "o err";

std::string WithPath(std::string format, const std::string& path)
{
    format.replace(format.find("%s"), 2, path);
    return format;
}
}

DataFile::DataFile(std::string driveFolder) : driveFolder_(std::move(driveFolder)) {}

std::string DataFile::FilePath() const
{
    return HostPath(driveFolder_, CommandFileName);
}

TimingEntry DataFile::DefaultEntry(int position)
{
    TimingEntry entry;
    entry.EntryNo = position == 0 ? 1 : 0;
    entry.DayBits = WorkdayBits;
    entry.ZoneBits = AllZoneBits;
    return entry;
}

std::string DataFile::OpenDataFile(EditorState& state)
{
    std::error_code ignored;
    std::filesystem::create_directories(HostPath(driveFolder_, DirectoryName), ignored);

    const std::string path = FilePath();
    const char* message;
    if (auto file = LockedFile::Open(path, LockedFile::Mode::Read)) {
        DataFileHeader header;
        const bool complete = file->ReadAt(0, header.bytes.data(), header.bytes.size()) == header.bytes.size();
        if (complete && header.IsValid()) {
            state.ProgramIndex = header.ProgramIndex();
            message = OpenedMessage;
        } else {
            // Replacing loses the old content, so it survives beside the file; without
            // that copy the file is left alone.
            const bool kept = KeepBackup(path);
            file.reset();
            message = kept && CreateDataFile(state.ProgramIndex) ? CreatedMessage : CreateFailed002;
        }
    } else {
        message = CreateDataFile(state.ProgramIndex) ? CreatedMessage : CreateFailed001;
    }

    CountTimings(state);
    LoadTiming(state, state.ShownNo);
    return WithPath(message, path);
}

bool DataFile::KeepBackup(const std::string& path)
{
    std::error_code error;
    std::filesystem::copy_file(path, path + ".bak", std::filesystem::copy_options::overwrite_existing, error);
    return !error;
}

bool DataFile::CreateDataFile(int programIndex)
{
    auto file = LockedFile::Open(HostPath(driveFolder_, CommandFileName), LockedFile::Mode::Replace);
    if (!file)
        return false;
    const DataFileHeader header = DataFileHeader::Make(programIndex);
    if (!file->WriteAt(0, header.bytes.data(), header.bytes.size()))
        return false;
    const char zeros[ReadBlockSize] = {};
    for (long offset = HeaderSize; offset < DataFileSize; offset += ReadBlockSize) {
        if (!file->WriteAt(offset, zeros, sizeof zeros))
            return false;
    }
    return true;
}

std::string DataFile::SaveProgramIndex(int programIndex)
{
    auto file = LockedFile::Open(FilePath(), LockedFile::Mode::ReadWrite);
    if (!file)
        return OpenErrorMessage;
    DataFileHeader header;
    file->ReadAt(0, header.bytes.data(), header.bytes.size());
    header.SetProgramIndex(programIndex);
    file->WriteAt(0, header.bytes.data(), header.bytes.size());
    return SavedMessage;
}

std::optional<ProgramTable> DataFile::ReadProgram(const std::string& path, int programIndex)
{
    auto file = LockedFile::Open(path, LockedFile::Mode::Read);
    if (!file)
        return std::nullopt;
    ProgramTable table;
    file->ReadAt(ProgramOffset(programIndex), table.slots.data(), sizeof table.slots);
    return table;
}

void DataFile::CountTimings(EditorState& state)
{
    state.TimingCount = 0;
    state.ShownNo = 0;
    const auto table = ReadProgram(HostPath(driveFolder_, RecordFileName), state.ProgramIndex);
    if (!table)
        return;
    const std::vector<TimingEntry> valid = table->ValidEntries();
    state.TimingCount = int(valid.size());
    if (!valid.empty())
        state.ShownNo = valid.back().EntryNo;
}

void DataFile::LoadTiming(EditorState& state, int position)
{
    const std::uint8_t n = std::uint8_t(position);
    auto file = LockedFile::Open(HostPath(driveFolder_, RecordFileName), LockedFile::Mode::Read);
    if (!file) {
        state.TimingCount = 0;
        state.ShownNo = 0;
        return;
    }
    TimingEntry slot;
    if (n != 0)
        file->ReadAt(EntryOffset(state.ProgramIndex, n), &slot, sizeof slot);
    const TimingEntry loaded = (n != 0 && slot.EntryNo == n) ? slot : DefaultEntry(n);
    std::memcpy(static_cast<void*>(&state.EntryBuffer), &loaded, LoadedEntryBytes); // bytes 13..15 keep their value
}

bool DataFile::StoreTiming(const EditorState& state, int position)
{
    auto file = LockedFile::Open(HostPath(driveFolder_, RecordFileName), LockedFile::Mode::Write);
    return file && file->WriteAt(EntryOffset(state.ProgramIndex, position), &state.EntryBuffer, sizeof state.EntryBuffer);
}

bool DataFile::DeleteTiming(EditorState& state, int position)
{
    state.EntryBuffer = TimingEntry{};
    state.EntryBuffer.EntryNo = DeletedEntryNo;
    return StoreTiming(state, position);
}

std::vector<TimingEntry> DataFile::ListTimings(int programIndex)
{
    const auto table = ReadProgram(HostPath(driveFolder_, CommandFileName), programIndex);
    return table ? table->ValidEntries() : std::vector<TimingEntry>{};
}

} // namespace quennet
