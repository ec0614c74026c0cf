#pragma once
// What the data file needs of the system's files. LockedFile.cpp gives the running program the
// real ones; a port puts its own system's in their place, and tests a card that fails.
#include "FileError.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quennet {

// A file held for as long as this object lives: exclusively, so that no other program can use it
// meanwhile, or shared with other readers (Read); Peek holds nothing.
class HeldFile {
public:
    virtual ~HeldFile() = default;

    // Reads up to size bytes at offset: how many were read (fewer at the end of the file), or
    // nothing when the device failed.
    virtual std::optional<std::size_t> readAt(long offset, void* data, std::size_t size,
                                              FileError& error) = 0;
    virtual bool writeAt(long offset, const void* data, std::size_t size, FileError& error) = 0;
    // How many bytes the file holds; nothing when the system cannot tell.
    virtual std::optional<long> length(FileError& error) const = 0;
    // Puts what was written on the device; a write the system failed to carry out shows here.
    virtual bool sync(FileError& error) = 0;
    // Whether path still names this file: false once another program deleted, renamed or
    // replaced it.
    virtual bool isAt(const std::string& path) const = 0;
    // Puts `bytes` in this file's place as a whole new file, its permissions kept; it is held
    // from then on. On failure the file is as it was and still held.
    virtual bool replaceWith(const std::vector<std::uint8_t>& bytes, FileError& error) = 0;
};

class FileAccess {
public:
    enum class Mode {
        Read,       // existing file, read only, shared with other readers
        Write,      // existing file, write only; never creates it
        ReadWrite,  // existing file, read and write
        Peek,       // existing file, read only, no lock: never in the way of a program holding it
    };

    virtual ~FileAccess() = default;

    // Opening never waits: not on a pipe, not on a lock another program holds (that is
    // FileError::Kind::Busy). Anything but a regular file is refused.
    virtual std::unique_ptr<HeldFile> open(const std::string& path, Mode mode, FileError& error) = 0;
    // A new file at path that holds `bytes`, held exclusively. It is written whole into a
    // temporary file beside path, put on the device and only then given the name, so that a half
    // written file never appears there; what is at path is replaced only when `replace` is set.
    virtual std::unique_ptr<HeldFile> create(const std::string& path, const std::vector<std::uint8_t>& bytes,
                                             bool replace, FileError& error) = 0;
};

}  // namespace quennet
