#include "DataFile.h"

#include "BulkEdits.h"
#include "DataFileHeader.h"
#include "DataFileLayout.h"
#include "DrivePath.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <utility>

namespace quennet {

namespace {
const char kDirectoryName[] = "C:\\DSData";
const char kFileName[] = "C:\\DSdata\\UserDS.KQD";
const char kBackupSuffix[] = ".bak";

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
    return file.readAt(programOffset(program), table.entries.data(), sizeof table.entries, error).has_value();
}

// Reads exactly size bytes at offset; a file that ends before is too short.
bool readExactly(HeldFile& file, long offset, void* data, std::size_t size, FileError& error)
{
    const std::optional<std::size_t> read = file.readAt(offset, data, size, error);
    if (read && *read != size)
        error = {FileError::Kind::TooShort, {}};
    return read && *read == size;
}
}  // namespace

DataFile::DataFile(std::string driveFolder, FileAccess& access)
    : driveFolder_(std::move(driveFolder)), access_(access)
{ }

DataFile DataFile::atPath(std::string path, FileAccess& access)
{
    DataFile file({}, access);
    file.path_ = std::move(path);
    return file;
}

std::string DataFile::filePath() const
{
    if (held_)
        return heldPath_;
    return path_.empty() ? hostPath(access_, driveFolder_, kFileName) : path_;
}

std::string DataFile::folderPath() const
{
    if (path_.empty())
        return hostPath(access_, driveFolder_, kDirectoryName);
    const std::size_t slash = path_.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path_.substr(0, slash);
}

TimingEntry DataFile::defaultEntry(int position)
{
    TimingEntry entry;
    entry.EntryNo = position == 0 ? 1 : 0;
    entry.DayBits = kWorkdayBits;
    entry.ZoneBits = kAllZoneBits;
    return entry;
}

std::vector<std::uint8_t> DataFile::emptyImage(int programIndex)
{
    const DataFileHeader header = DataFileHeader::make(programIndex);
    std::vector<std::uint8_t> bytes(kDataFileSize, 0);
    std::copy(header.bytes.begin(), header.bytes.end(), bytes.begin());
    return bytes;
}

TimingEntry DataFile::loadedEntry(const TimingEntry& slot, int position, const TimingEntry& buffer)
{
    const std::uint8_t n = std::uint8_t(position);
    const TimingEntry loaded = (n != 0 && slot.EntryNo == n) ? slot : defaultEntry(n);
    TimingEntry result = buffer;
    std::memcpy(static_cast<void*>(&result), &loaded, kLoadedEntryBytes);  // bytes 13..15 keep their value
    return result;
}

TimingEntry DataFile::deletedEntry()
{
    TimingEntry entry;
    entry.EntryNo = kDeletedEntryNo;
    return entry;
}

template<class Work>
FileError DataFile::withFile(FileAccess::Mode mode, Work work)
{
    FileError error;
    if (held_) {
        // A write into a held file that was deleted or renamed meanwhile would be lost with it.
        if (work(*held_, error) && mode != FileAccess::Mode::Read && !held_->isAt(heldPath_))
            error = {FileError::Kind::Gone, {}};
        return error;
    }
    const std::unique_ptr<HeldFile> file = access_.open(filePath(), mode, error);
    if (file)
        work(*file, error);
    return error;
}

void DataFile::hold(std::unique_ptr<HeldFile> file, const std::string& path)
{
    held_ = std::move(file);
    heldPath_ = path;
}

DataFile::OpenResult DataFile::OpenDataFile(int programIndex)
{
    held_.reset();
    history_.clear();
    const std::string folderPath = this->folderPath();
    FileError error;
    FileError ignored;  // a folder that could not be made is missing below
    if (path_.empty())
        access_.makeFolders(folderPath, ignored);

    // The folder is taken once: every file below is found in it, whatever becomes of its path.
    const std::string path = filePath();
    const std::string name = path.substr(path.rfind('/') + 1);
    const std::unique_ptr<Folder> folder = access_.openFolder(folderPath, error);
    if (!folder)
        return {error.kind == FileError::Kind::Missing ? OpenOutcome::NotCreated : OpenOutcome::Refused,
                programIndex, error};
    folder->removeLeftovers(name);
    folder->removeLeftovers(name + kBackupSuffix);
    std::unique_ptr<HeldFile> file = folder->open(name, FileAccess::Mode::ReadWrite, error);
    if (!file && error.kind == FileError::Kind::Missing) {
        // Only a file that is not there at all is made anew.
        file = folder->create(name, emptyImage(programIndex), false, error);
        if (!file)
            return {OpenOutcome::NotCreated, programIndex, error};
        hold(std::move(file), path);
        return {OpenOutcome::Created, programIndex, {}};
    }
    DataFileHeader header;
    const std::optional<std::size_t> read =
        file ? file->readAt(0, header.bytes.data(), header.bytes.size(), error) : std::nullopt;
    if (!read)
        return {OpenOutcome::Refused, programIndex, error};
    if (*read == header.bytes.size() && header.isValid()) {
        const int stored = header.programIndex();
        hold(std::move(file), path);
        return {OpenOutcome::Opened, stored, {}};
    }
    // Replacing loses the old content, so it survives beside the file first.
    if (!file->copyTo(name + kBackupSuffix, error) || !file->replaceWith(emptyImage(programIndex), error))
        return {OpenOutcome::NotReplaced, programIndex, error};
    hold(std::move(file), path);
    return {OpenOutcome::Replaced, programIndex, {}};
}

FileError DataFile::CreateDataFile(int programIndex)
{
    FileError error = replaceImage(emptyImage(programIndex));
    if (error.kind == FileError::Kind::Missing && !held_
        && access_.create(filePath(), emptyImage(programIndex), false, error))
        error = {};
    return error;
}

FileError DataFile::replaceImage(const std::vector<std::uint8_t>& bytes)
{
    FileError error;
    if (held_) {
        held_->replaceWith(bytes, error);
        return error;
    }
    const std::unique_ptr<HeldFile> file = access_.open(filePath(), FileAccess::Mode::ReadWrite, error);
    if (file)
        file->replaceWith(bytes, error);
    return error;
}

DataFile::CloseResult DataFile::SaveProgramIndex(int programIndex)
{
    const std::string path = filePath();
    std::unique_ptr<HeldFile> file = std::move(held_);
    history_.clear();
    FileError error;
    if (!file) {
        file = access_.open(path, FileAccess::Mode::ReadWrite, error);
        if (!file)
            return {false, error};
    }
    // A header that could not be read whole is never written back.
    DataFileHeader header;
    if (!readExactly(*file, 0, header.bytes.data(), header.bytes.size(), error))
        return {true, error};
    header.setProgramIndex(programIndex);
    // The card may be pulled once this says 保存成功, so every timing stored since 打开文件 must be
    // on it by then.
    if (!file->writeAt(0, header.bytes.data(), header.bytes.size(), error) || !file->sync(error))
        return {true, error};
    if (!file->isAt(path))
        return {true, {FileError::Kind::Gone, {}}};
    return {};
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
    const FileError error = withFile(FileAccess::Mode::Read, [&](HeldFile& file, FileError& failure) {
        return n == 0 || file.readAt(entryOffset(programIndex, n), &slot, sizeof slot, failure).has_value();
    });
    if (error.failed())
        return std::nullopt;
    return loadedEntry(slot, n, buffer);
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
    listing.failure = error;
    return listing;
}

DataFile::Listing DataFile::listImage(const std::vector<std::uint8_t>& bytes)
{
    Listing listing;
    listing.length = long(bytes.size());
    DataFileHeader header;
    std::copy_n(bytes.begin(), std::min(bytes.size(), header.bytes.size()), header.bytes.begin());
    if (bytes.size() < header.bytes.size() || !header.isValid()) {
        listing.failure = {FileError::Kind::NotDataFile, {}};
        return listing;
    }
    listing.runProgram = header.programIndex();
    for (int program = 0; program < kProgramCount; ++program) {
        ProgramTable table;
        const long offset = programOffset(program);
        const long size = std::min<long>(long(sizeof table.entries), listing.length - offset);
        if (size > 0)
            std::memcpy(static_cast<void*>(table.entries.data()), bytes.data() + offset, std::size_t(size));
        listing.programs[std::size_t(program)] = table.validEntries();
    }
    return listing;
}

std::optional<std::vector<TimingEntry>> DataFile::ListTimings(int programIndex)
{
    ProgramTable table;
    if (readProgram(programIndex, table).failed())
        return std::nullopt;
    return table.validEntries();
}

FileError DataFile::readProgram(int programIndex, ProgramTable& table)
{
    table = {};
    return withFile(FileAccess::Mode::Read, [&](HeldFile& file, FileError& error) {
        return readTable(file, programIndex, table, error);
    });
}

FileError DataFile::readImage(std::vector<std::uint8_t>& bytes)
{
    return withFile(FileAccess::Mode::Read, [&](HeldFile& file, FileError& error) {
        std::optional<std::vector<std::uint8_t>> whole = readWhole(file, error);
        if (whole)
            bytes = std::move(*whole);
        return whole.has_value();
    });
}

// Each program's changed slots are written as one run, from the lowest to the highest, with the
// slots between them as they are; a run that fails is written back as it was, and so is every run
// written before it.
FileError DataFile::writeEntries(const std::vector<EntryChange>& changes, bool forward)
{
    std::map<int, std::map<int, const TimingEntry*>> programs;
    for (const EntryChange& change : changes)
        programs[change.program][change.position] = forward ? &change.after : &change.before;
    struct Run {
        long offset;
        std::vector<TimingEntry> old;
    };
    std::vector<Run> written;
    const auto writeBack = [&written](HeldFile& file) {
        for (auto run = written.rbegin(); run != written.rend(); ++run) {
            FileError ignored;
            file.writeAt(run->offset, run->old.data(), run->old.size() * sizeof(TimingEntry), ignored);
        }
        return false;
    };
    return withFile(FileAccess::Mode::ReadWrite, [&](HeldFile& file, FileError& error) {
        for (const auto& [program, slots] : programs) {
            const int first = slots.begin()->first;
            Run run{entryOffset(program, first),
                    std::vector<TimingEntry>(std::size_t(slots.rbegin()->first - first + 1))};
            const std::size_t size = run.old.size() * sizeof(TimingEntry);
            if (!readExactly(file, run.offset, run.old.data(), size, error))
                return writeBack(file);
            std::vector<TimingEntry> fresh = run.old;
            for (const auto& [position, entry] : slots)
                fresh[std::size_t(position - first)] = *entry;
            written.push_back(std::move(run));
            if (!file.writeAt(written.back().offset, fresh.data(), size, error))
                return writeBack(file);
        }
        return true;
    });
}

FileError DataFile::writeStep(const ScheduleStep& step, bool forward)
{
    if (step.replacesFile())
        return replaceImage(forward ? step.fileAfter : step.fileBefore);
    return writeEntries(step.entries, forward);
}

FileError DataFile::apply(ScheduleStep step)
{
    if (!step.replacesFile() && step.entries.empty())
        return {};  // a step that changes nothing is none
    const FileError error = writeStep(step, true);
    if (error.failed())
        return error;
    history_.push(std::move(step));
    if (listener_)
        listener_(history_.nextUndo(), StepDirection::Done);
    return {};
}

FileError DataFile::undo()
{
    if (!history_.canUndo())
        return {};
    const FileError error = writeStep(history_.nextUndo(), false);
    if (error.failed())
        return error;
    history_.stepBack();
    if (listener_)
        listener_(history_.nextRedo(), StepDirection::Undone);
    return {};
}

FileError DataFile::redo()
{
    if (!history_.canRedo())
        return {};
    const FileError error = writeStep(history_.nextRedo(), true);
    if (error.failed())
        return error;
    history_.stepForward();
    if (listener_)
        listener_(history_.nextUndo(), StepDirection::Redone);
    return {};
}

FileError DataFile::replacePrograms(const std::map<int, std::vector<TimingEntry>>& programs, std::string name)
{
    ScheduleStep step;
    step.name = std::move(name);
    for (const auto& [program, entries] : programs) {
        ProgramTable table;
        const FileError error = readProgram(program, table);
        if (error.failed())
            return error;
        const std::vector<EntryChange> changes = replaceEntries(table, program, entries);
        step.entries.insert(step.entries.end(), changes.begin(), changes.end());
    }
    return apply(std::move(step));
}

}  // namespace quennet
