#pragma once
// The file session of the editor: the timing file the set belongs to, held from its open or first
// save until the set is let go, and whether the set has changes not yet saved.

#include "FileError.h"
#include "TimingFile.h"
#include "TimingFileFormat.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tavisto {

class TimingDocument {
public:
    // Once at program start, before any file is touched.
    static void startUp();

    std::uint8_t NewFile = 0;  // a set made by "新建文件" that was never saved
    std::uint8_t Modified = 0;
    std::string FileName;  // the file held, or the path last chosen to open
    bool FileAttached() const { return file_.isOpen(); }
    bool hasFile() const { return NewFile == 1 || FileAttached(); }

    // "新建文件": a set in memory only. The file held so far is let go.
    FileError newFile(TimingSet& set);
    // Lets go of the file held; NewFile and Modified are cleared.
    FileError close();
    // Lets go of the file held, then opens `path` and reads it into `set`. On failure no file is
    // held and `set` is left as it was.
    FileError open(const std::string& path, TimingSet& set);
    // Takes `path` for the next save: the file of a new set, or another file for the edits of one
    // that cannot be saved. Nothing on disk changes, and the file held so far stays held, until
    // that save succeeds.
    FileError takePath(const std::string& path);
    // Saves into the path taken, or else into the file held. Replaced when another file is now at
    // the held file's name, unless `overOther`. Once saved, the file saved is the one held, and
    // NewFile and Modified are 0; a path taken is dropped when its save fails.
    FileError save(const TimingSet& set, bool overOther = false);

    // Reads `path` for looking only, without holding it: its set, and what in it no timing file
    // written by this program holds.
    static FileError peek(const std::string& path, TimingSet& set, std::vector<TimingFileFinding>& findings);

private:
    TimingFile file_;
    FileImage image_;  // what the set was read from: the unused bytes and all beyond the layout
    TimingFile taken_;
    std::string takenName_;
};

}  // namespace tavisto
