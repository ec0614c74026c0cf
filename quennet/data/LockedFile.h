#pragma once
// A file held exclusively (flock) for as long as this object lives,
// so no other process can use it meanwhile.
#include <cstddef>
#include <optional>
#include <string>

namespace quennet {

class LockedFile {
public:
    enum class Mode {
        Read,      // existing file, read only
        ReadWrite, // existing file, read and write
        Write,     // existing file, write only; never creates it
        Replace,   // create or empty the file, write only; empties only once the lock is held
    };

    // Empty when the file cannot be opened or another process holds it.
    static std::optional<LockedFile> Open(const std::string& path, Mode mode);

    LockedFile(LockedFile&& other) noexcept;
    LockedFile& operator=(LockedFile&&) = delete;
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;
    ~LockedFile();

    // Reads up to size bytes at offset; returns how many were read (fewer at the end of the file).
    std::size_t ReadAt(long offset, void* data, std::size_t size);
    bool WriteAt(long offset, const void* data, std::size_t size);

private:
    explicit LockedFile(int fd) : fd_(fd) {}
    int fd_ = -1;
};

} // namespace quennet
