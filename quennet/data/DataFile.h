#pragma once
// The operations on the data file C:\DSdata\UserDS.KQD. From 打开文件 until 关闭文件 the file
// is held exclusively and every operation works on it; otherwise each operation opens the
// file itself, holds it exclusively while it works, and closes it before returning.
#include "DataFileLayout.h"
#include "FileAccess.h"
#include "ProgramTable.h"
#include "ScheduleHistory.h"
#include "SystemFiles.h"
#include "TimingEntry.h"

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quennet {

class DataFile {
public:
    // What 打开文件 did. Only the first three hold the file; after the others nothing was changed.
    enum class OpenOutcome {
        Opened,       // a valid file
        Created,      // there was none: an empty one was made
        Replaced,     // its header was damaged: it was kept as filePath() + ".bak" and emptied
        Refused,      // it could not be opened, locked or read
        NotCreated,   // there was none and none could be made (failure 001)
        NotReplaced,  // its header was damaged and no empty file could be put in its place (002)
    };

    struct OpenResult {
        OpenOutcome outcome = OpenOutcome::Refused;
        int programIndex = 0;  // the stored program of a valid file, else the one asked for
        FileError error;       // why it was refused

        bool opened() const { return outcome <= OpenOutcome::Replaced; }
    };

    struct CloseResult {
        bool reached = true;  // false: the file could not even be opened
        FileError error;      // Kind::None when the program was saved

        bool saved() const { return error.kind == FileError::Kind::None; }
    };

    enum class StepDirection { Done, Undone, Redone };
    // Told of every step that reached the file, after it did.
    using StepListener = std::function<void(const ScheduleStep& step, StepDirection direction)>;

    struct ProgramCount {
        int timings = 0;       // valid timings among positions 1..99
        int lastPosition = 0;  // the highest of them, 0 for none
    };

    // driveFolder is the folder that stands for drive C:.
    explicit DataFile(std::string driveFolder, FileAccess& access = systemFileAccess());
    // A data file of any name at path, such as a copy taken off the player's card; its folder
    // must exist.
    static DataFile atPath(std::string path, FileAccess& access = systemFileAccess());

    // The data file's real path on this machine.
    std::string filePath() const;
    bool holdsFile() const { return held_ != nullptr; }

    // The open command: takes a valid file, or creates a missing one, or replaces one with an
    // invalid header after keeping it as filePath() + ".bak". A file that exists but cannot be
    // opened, locked or read is refused and left as it is. The history starts empty.
    OpenResult OpenDataFile(int programIndex);

    // Puts a complete empty file selecting programIndex in the file's place, whole or not at all.
    FileError CreateDataFile(int programIndex);

    // The close command: writes the selected program into the header, puts the file on the
    // device and lets go of it, and of the history.
    CloseResult SaveProgramIndex(int programIndex);

    // Nothing when the file cannot be read.
    std::optional<ProgramCount> CountTimings(int programIndex);

    // `buffer` with bytes 0..12 from the slot at position (0..255), or from the default entry;
    // nothing when the file cannot be read.
    std::optional<TimingEntry> LoadTiming(int programIndex, int position, const TimingEntry& buffer);

    // The valid entries of positions 1..99, in position order; nothing when the file cannot be read.
    std::optional<std::vector<TimingEntry>> ListTimings(int programIndex);

    // Every slot of a program's table as it is, timing or not.
    FileError readProgram(int programIndex, ProgramTable& table);
    // The whole file as it is.
    FileError readImage(std::vector<std::uint8_t>& bytes);

    // The history of the open file. Every change of the schedule is a step that goes through
    // apply, and undo and redo write it back and forth. Each writes the file at once; when any of
    // its writes fails, what it wrote is written back, the file is as it was before, and the
    // history stays where it was.
    const ScheduleHistory& history() const { return history_; }
    FileError apply(ScheduleStep step);
    FileError undo();
    FileError redo();
    void setStepListener(StepListener listener) { listener_ = std::move(listener); }
    // One step, named `name`, that makes each program's `entries` its timings, each at the position
    // its EntryNo names, and deletes every other timing of those programs: an import is undone as
    // one.
    FileError replacePrograms(const std::map<int, std::vector<TimingEntry>>& programs, std::string name);

    // Every program's valid timings, read without taking the file from a program that holds
    // it; nothing is created or written.
    struct Listing {
        FileError failure;  // why the file could not be read; Kind::None when it was
        std::array<std::vector<TimingEntry>, kProgramCount> programs;
        int runProgram = 0;           // the header's ProgramIndex: the program the player runs
        long length = kDataFileSize;  // the file's length: shorter, it lacks the end of the tables
    };
    Listing listAllTimings() const;
    // The same of a file's bytes, such as an import's result.
    static Listing listImage(const std::vector<std::uint8_t>& bytes);

    // The entry shown for a position without a timing.
    static TimingEntry defaultEntry(int position);
    // What a deletion leaves in the slot.
    static TimingEntry deletedEntry();
    // What LoadTiming makes of `buffer` with the slot at position.
    static TimingEntry loadedEntry(const TimingEntry& slot, int position, const TimingEntry& buffer);
    // A whole new file: the header selecting programIndex and four empty tables.
    static std::vector<std::uint8_t> emptyImage(int programIndex);

private:
    // The folder the file lives in.
    std::string folderPath() const;
    template<class Work>
    FileError withFile(FileAccess::Mode mode, Work work);
    void hold(std::unique_ptr<HeldFile> file, const std::string& path);
    FileError replaceImage(const std::vector<std::uint8_t>& bytes);
    // The step's slots with their after bytes (forward) or their before bytes.
    FileError writeEntries(const std::vector<EntryChange>& changes, bool forward);
    FileError writeStep(const ScheduleStep& step, bool forward);

    std::string driveFolder_;
    std::string path_;  // the file named by atPath; empty for the drive's
    FileAccess& access_;
    std::unique_ptr<HeldFile> held_;
    std::string heldPath_;
    ScheduleHistory history_;
    StepListener listener_;
};

}  // namespace quennet
