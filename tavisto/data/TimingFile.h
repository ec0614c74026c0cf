#pragma once
// An open .mtf file, held exclusively from opening until closing; saved whole and atomically.

#include "TimingBuffer.h"

#include <cstdint>
#include <string>

namespace tavisto {

// Everything a timing file carries.
struct TimingSet {
    TimingBuffer Buffer;
    std::uint8_t RunProgram = 1;
    std::uint8_t RandomEnabled = 1;

    // What "新建文件" makes: every table byte 0xFF (every slot empty), both settings 1.
    static TimingSet fresh()
    {
        TimingSet set;
        set.Buffer.fill(kEmptyByte);
        return set;
    }
};

class TimingFile {
public:
    TimingFile() = default;
    TimingFile(const TimingFile&) = delete;
    TimingFile& operator=(const TimingFile&) = delete;
    ~TimingFile() { close(); }

    // An existing regular file, read and write; fails when another process holds it.
    bool open(const std::string& path);
    // The path a new set will be saved to. Fails when another process holds a file there, when
    // something other than a regular file is there, or when the folder does not exist. Nothing on
    // disk changes before write().
    bool create(const std::string& path);
    void close();
    // A file is attached: one opened, or a path taken for a new set.
    bool isOpen() const { return !path_.empty(); }

    // Writes the complete file into a temporary file beside it, flushes it to the device and
    // renames it over the path; the new file is then the one held. An opened file keeps its
    // unused bytes and everything beyond the layout; a created one gets zeros there. On failure
    // the file at the path is left as it was (or absent), and the held file stays held.
    bool write(const TimingSet& set);
    // Reads the settings and tables. What lies beyond the end of a short file reads as in a
    // new set (table bytes 0xFF, both settings 1). On a read error `set` is left untouched.
    bool read(TimingSet& set) const;

private:
    bool replaceWith(const std::string& image);

    int fd_ = -1;         // the held file; none for a created path not yet written
    bool fresh_ = false;  // created: the held file's old bytes are not part of the set
    std::string path_;
};

// Reads a timing file as TimingFile::read does, for looking only: without holding or locking it,
// so that a file another program holds can be read too. Gives 0, or the errno of the failure.
int readTimingFile(const std::string& path, TimingSet& set);

}  // namespace tavisto
