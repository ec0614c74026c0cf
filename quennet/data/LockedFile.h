#pragma once
// A regular file held (flock) for as long as this object lives: exclusively, so no other
// process can use it meanwhile, or shared with other readers (Read); Peek takes no lock at all.
#include "FileError.h"

#include <cstddef>
#include <optional>
#include <string>

namespace quennet {

class LockedFile {
public:
    enum class Mode {
        Read,       // existing file, read only, shared with other readers
        Write,      // existing file, write only; never creates it
        ReadWrite,  // existing file, read and write
        CreateNew,  // a file that does not exist yet, read and write
        Create,     // existing or new file, write only; old bytes stay until they are overwritten
        Peek,       // existing file, read only, no lock: never in the way of a program holding it
    };

    // Opening never waits: not on a pipe, not on a lock another process holds (that is
    // FileError::Kind::Busy). Anything but a regular file is refused.
    static std::optional<LockedFile> open(const std::string& path, Mode mode, FileError& error);

    LockedFile(LockedFile&& other) noexcept;
    LockedFile& operator=(LockedFile&& other) noexcept;
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;
    ~LockedFile();

    // Reads up to size bytes at offset: how many were read (fewer at the end of the file),
    // or nothing when the device failed.
    std::optional<std::size_t> readAt(long offset, void* data, std::size_t size, FileError& error);
    bool writeAt(long offset, const void* data, std::size_t size, FileError& error);
    bool resize(long size, FileError& error);
    // Whether path still names this file: false once another program deleted, renamed or
    // replaced it.
    bool isAt(const std::string& path) const;
    // Puts what was written on the device; a write the system failed to carry out shows here.
    bool sync(FileError& error);

    // Tests make every later read, or write and sync, fail with errorCode, as a failing card
    // would; 0 heals.
    static void failReads(int errorCode);
    static void failWrites(int errorCode);

private:
    explicit LockedFile(int fd) : fd_(fd) { }
    int fd_ = -1;
};

}  // namespace quennet
