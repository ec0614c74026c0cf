#include "LockedFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace quennet {

std::optional<LockedFile> LockedFile::Open(const std::string& path, Mode mode)
{
    int flags = O_CLOEXEC;
    switch (mode) {
    case Mode::Read: flags |= O_RDONLY; break;
    case Mode::ReadWrite: flags |= O_RDWR; break;
    case Mode::Write: flags |= O_WRONLY; break;
    case Mode::Replace: flags |= O_WRONLY | O_CREAT; break; // no O_TRUNC before the lock is held
    }
    const int fd = ::open(path.c_str(), flags, 0644);
    if (fd < 0)
        return std::nullopt;
    LockedFile file(fd);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        return std::nullopt;
    if (mode == Mode::Replace && ::ftruncate(fd, 0) != 0)
        return std::nullopt;
    return file;
}

LockedFile::LockedFile(LockedFile&& other) noexcept : fd_(other.fd_)
{
    other.fd_ = -1;
}

LockedFile::~LockedFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

std::size_t LockedFile::ReadAt(long offset, void* data, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd_, static_cast<char*>(data) + done, size - done, offset + long(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += std::size_t(n);
    }
    return done;
}

bool LockedFile::WriteAt(long offset, const void* data, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pwrite(fd_, static_cast<const char*>(data) + done, size - done, offset + long(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += std::size_t(n);
    }
    return true;
}

} // namespace quennet
