#pragma once
// The operations on the data file C:\DSdata\UserDS.KQD. Each opens the file itself,
// holds it exclusively while it works, and closes it before returning.
#include "EditorState.h"
#include "TimingEntry.h"

#include <optional>
#include <string>
#include <vector>

namespace quennet {

struct ProgramTable;

class DataFile {
public:
    // driveFolder is the folder that stands for drive C:.
    explicit DataFile(std::string driveFolder);

    // The data file's real path on this machine.
    std::string FilePath() const;

    // The open command: opens a valid file on its stored program, or creates a new one
    // (keeping a file with an invalid header as FilePath() + ".bak"); then counts the
    // timings and loads the last one. Returns the message for the user.
    std::string OpenDataFile(EditorState& state);

    // Writes a complete empty file selecting programIndex; true when every byte was written.
    bool CreateDataFile(int programIndex);

    // The close command: writes the selected program into the header. Returns the message.
    std::string SaveProgramIndex(int programIndex);

    // TimingCount becomes the number of valid timings of the program, ShownNo the highest
    // valid position (both 0 when the file cannot be read).
    void CountTimings(EditorState& state);

    // Bytes 0..12 of EntryBuffer from the slot at position (0..255), or the default entry.
    void LoadTiming(EditorState& state, int position);

    // Write the EntryBuffer / a deleted entry to the slot; false when the file cannot be written.
    bool StoreTiming(const EditorState& state, int position);
    bool DeleteTiming(EditorState& state, int position);

    // The valid entries of positions 1..99, in position order.
    std::vector<TimingEntry> ListTimings(int programIndex);

    // The entry shown for a position without a timing.
    static TimingEntry DefaultEntry(int position);

private:
    std::optional<ProgramTable> ReadProgram(const std::string& path, int programIndex);
    bool KeepBackup(const std::string& path);

    std::string driveFolder_;
};

} // namespace quennet
