#pragma once
// The operations on the data file C:\DSdata\UserDS.KQD. From 打开文件 until 关闭文件 the file
// is held exclusively and every operation works on it; otherwise each operation opens the
// file itself, holds it exclusively while it works, and closes it before returning.
#include "DataFileLayout.h"
#include "FileAccess.h"
#include "LockedFile.h"
#include "TimingEntry.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quennet {

class DataFile {
public:
    // What 打开文件 did. Only the first three hold the file; after the others nothing was changed.
    enum class OpenOutcome {
        Opened,      // a valid file
        Created,     // there was none: an empty one was made
        Replaced,    // its header was damaged: it was kept as filePath() + ".bak" and emptied
        Refused,     // it could not be opened, locked or read
        NotCreated,  // no empty file could be made in its place (failure 001 or 002)
    };

    struct OpenResult {
        OpenOutcome outcome = OpenOutcome::Refused;
        int programIndex = 0;  // the stored program of a valid file, else the one asked for
        std::string message;

        bool opened() const { return outcome <= OpenOutcome::Replaced; }
    };

    struct CloseResult {
        bool saved = false;
        std::string message;
    };

    struct ProgramCount {
        int timings = 0;       // valid timings among positions 1..99
        int lastPosition = 0;  // the highest of them, 0 for none
    };

    // driveFolder is the folder that stands for drive C:.
    explicit DataFile(std::string driveFolder, FileAccess& access = systemFileAccess());

    // The data file's real path on this machine.
    std::string filePath() const;
    bool holdsFile() const { return held_ != nullptr; }

    // The open command: takes a valid file, or creates a missing one, or replaces one with an
    // invalid header after keeping it as filePath() + ".bak". A file that exists but cannot be
    // opened, locked or read is refused and left as it is.
    OpenResult OpenDataFile(int programIndex);

    // Puts a complete empty file selecting programIndex in the file's place, whole or not at all.
    bool CreateDataFile(int programIndex);

    // The close command: writes the selected program into the header, puts the file on the
    // device and lets go of it.
    CloseResult SaveProgramIndex(int programIndex);

    // Nothing when the file cannot be read.
    std::optional<ProgramCount> CountTimings(int programIndex);

    // `buffer` with bytes 0..12 from the slot at position (0..255), or from the default entry;
    // nothing when the file cannot be read.
    std::optional<TimingEntry> LoadTiming(int programIndex, int position, const TimingEntry& buffer);

    // Write the entry / a deleted entry to the slot; false when the file cannot be written.
    bool StoreTiming(int programIndex, int position, const TimingEntry& entry);
    bool DeleteTiming(int programIndex, int position);

    // The valid entries of positions 1..99, in position order; nothing when the file cannot be read.
    std::optional<std::vector<TimingEntry>> ListTimings(int programIndex);

    // Every program's valid timings, read without taking the file from a program that holds
    // it; nothing is created or written. On failure `error` names the path and the reason.
    struct Listing {
        std::string error;
        FileError failure;  // why there is an error
        std::array<std::vector<TimingEntry>, kProgramCount> programs;
        int runProgram = 0;           // the header's ProgramIndex: the program the player runs
        long length = kDataFileSize;  // the file's length: shorter, it lacks the end of the tables
    };
    Listing listAllTimings() const;

    // The entry shown for a position without a timing.
    static TimingEntry defaultEntry(int position);
    // What a deletion leaves in the slot.
    static TimingEntry deletedEntry();

private:
    template<class Work>
    bool withFile(FileAccess::Mode mode, Work work);
    void hold(std::unique_ptr<HeldFile> file, const std::string& path);

    std::string driveFolder_;
    FileAccess& access_;
    std::unique_ptr<HeldFile> held_;
    std::string heldPath_;
};

}  // namespace quennet
