#pragma once
// An open .mtf file, held exclusively from opening until closing.

#include "TimingBuffer.h"

#include <cstdint>
#include <string>

namespace tavisto {

// Everything a timing file carries.
struct TimingSet {
    TimingBuffer Buffer;
    std::uint8_t RunProgram = 1;
    std::uint8_t RandomEnabled = 1;
};

class TimingFile {
public:
    TimingFile() = default;
    TimingFile(const TimingFile&) = delete;
    TimingFile& operator=(const TimingFile&) = delete;
    ~TimingFile() { close(); }

    // An existing file, read and write; fails when another process holds it.
    bool open(const std::string& path);
    // A new or emptied file. The lock is taken before anything is emptied,
    // so a file that another process holds is never touched.
    bool create(const std::string& path);
    void close();
    bool isOpen() const { return fd_ >= 0; }

    // Writes the settings and tables at their offsets and flushes them to the device.
    // Nothing else in the file is touched and it is never truncated.
    bool write(const TimingSet& set);
    // Reads the settings and tables. What lies beyond the end of a short file reads as in a
    // new set (table bytes 0xFF, both settings 1). On a read error `set` is left untouched.
    bool read(TimingSet& set) const;

private:
    int fd_ = -1;
};

}  // namespace tavisto
