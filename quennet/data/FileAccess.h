#pragma once
// What the data file needs of the system's files and folders. SystemFiles.cpp gives the running
// program the real ones; a port puts its own system's in their place, and tests a card that fails.
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
    // Puts `bytes` in this file's place, in the folder it was found in, as a whole new file with
    // its owner, group and mode (see FileAccess); it is held from then on. On failure the file is
    // as it was and still held.
    virtual bool replaceWith(const std::vector<std::uint8_t>& bytes, FileError& error) = 0;
    // Puts a copy of this file, whole, under `name` in the folder it was found in, with its owner,
    // group and mode. What was at `name` is replaced: a link there itself, never what it leads to.
    virtual bool copyTo(const std::string& name, FileError& error) = 0;
};

class Folder;

// Files are written whole into a temporary file ".NAME.XXXXXX" beside their name, locked, put on
// the device and only then given the name, so that a half written file never appears there. A
// file that takes another's place takes its owner, group and mode as far as the user may give
// them: where the owner or the group cannot be kept, nobody gets more access than before.
class FileAccess {
public:
    enum class Mode {
        Read,       // existing file, read only, shared with other readers
        Write,      // existing file, write only; never creates it
        ReadWrite,  // existing file, read and write
        Peek,       // existing file, read only, no lock: never in the way of a program holding it
    };

    virtual ~FileAccess() = default;

    // The folder at path, taken once: a link on the way to it is followed (the user chose the
    // path), a name in it never is.
    virtual std::unique_ptr<Folder> openFolder(const std::string& path, FileError& error) = 0;
    // Makes the folder at path and the missing ones above it.
    virtual bool makeFolders(const std::string& path, FileError& error) = 0;
    // The names in the folder at path, in no order.
    virtual std::optional<std::vector<std::string>> names(const std::string& path, FileError& error) = 0;

    // The file at path, through its folder (see Folder).
    std::unique_ptr<HeldFile> open(const std::string& path, Mode mode, FileError& error);
    std::unique_ptr<HeldFile> create(const std::string& path, const std::vector<std::uint8_t>& bytes,
                                     bool replace, FileError& error);
};

// A folder held as it was when it was taken, whatever later becomes of the path that led to it.
class Folder {
public:
    virtual ~Folder() = default;

    // Opening never waits: not on a pipe, not on a lock another program holds (that is
    // FileError::Kind::Busy). Anything but a regular file is refused, a link too.
    virtual std::unique_ptr<HeldFile> open(const std::string& name, FileAccess::Mode mode,
                                           FileError& error) = 0;
    // A new file `name` that holds `bytes`, held exclusively, with the permissions the user's
    // umask gives; what is at `name` is replaced only when `replace` is set.
    virtual std::unique_ptr<HeldFile> create(const std::string& name, const std::vector<std::uint8_t>& bytes,
                                             bool replace, FileError& error) = 0;
    // Removes the temporary files of `name` that no running program holds: what a write that was
    // killed left behind. Writes do so themselves before they put a file in place.
    virtual void removeLeftovers(const std::string& name) = 0;
};

}  // namespace quennet
