#include "LockedFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace quennet {

namespace {
int readFault = 0;
int writeFault = 0;

int openFlags(LockedFile::Mode mode)
{
    switch (mode) {
    case LockedFile::Mode::Read:
    case LockedFile::Mode::Peek: return O_RDONLY;
    case LockedFile::Mode::Write: return O_WRONLY;
    case LockedFile::Mode::ReadWrite: return O_RDWR;
    case LockedFile::Mode::CreateNew: return O_RDWR | O_CREAT | O_EXCL;
    case LockedFile::Mode::Create: return O_WRONLY | O_CREAT;
    }
    return O_RDONLY;
}
}  // namespace

std::optional<LockedFile> LockedFile::open(const std::string& path, Mode mode, FileError& error)
{
    // O_NONBLOCK: opening a pipe would otherwise wait for a writer for ever.
    const int fd = ::open(path.c_str(), openFlags(mode) | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, 0644);
    if (fd < 0) {
        error = FileError::system(errno);
        return std::nullopt;
    }
    LockedFile file(fd);
    struct stat status { };
    if (::fstat(fd, &status) != 0) {
        error = FileError::system(errno);
        return std::nullopt;
    }
    if (!S_ISREG(status.st_mode)) {
        error = {FileError::Kind::NotRegular, 0};
        return std::nullopt;
    }
    // Readers share the file with one another (a shared lock also needs nothing but read access
    // on a network file system); whoever writes has it alone.
    const int lock = mode == Mode::Read ? LOCK_SH : LOCK_EX;
    if (mode != Mode::Peek && ::flock(fd, lock | LOCK_NB) != 0) {
        error = errno == EWOULDBLOCK ? FileError{FileError::Kind::Busy, 0} : FileError::system(errno);
        return std::nullopt;
    }
    return file;
}

LockedFile::LockedFile(LockedFile&& other) noexcept : fd_(std::exchange(other.fd_, -1))
{ }

LockedFile& LockedFile::operator=(LockedFile&& other) noexcept
{
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

LockedFile::~LockedFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

std::optional<std::size_t> LockedFile::readAt(long offset, void* data, std::size_t size, FileError& error)
{
    if (readFault != 0) {
        error = FileError::system(readFault);
        return std::nullopt;
    }
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd_, static_cast<char*>(data) + done, size - done, offset + long(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            error = FileError::system(errno);
            return std::nullopt;
        }
        if (n == 0)
            break;
        done += std::size_t(n);
    }
    return done;
}

bool LockedFile::writeAt(long offset, const void* data, std::size_t size, FileError& error)
{
    if (writeFault != 0) {
        error = FileError::system(writeFault);
        return false;
    }
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n =
            ::pwrite(fd_, static_cast<const char*>(data) + done, size - done, offset + long(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = FileError::system(n < 0 ? errno : ENOSPC);
            return false;
        }
        done += std::size_t(n);
    }
    return true;
}

bool LockedFile::resize(long size, FileError& error)
{
    if (writeFault != 0 || ::ftruncate(fd_, size) != 0) {
        error = FileError::system(writeFault != 0 ? writeFault : errno);
        return false;
    }
    return true;
}

bool LockedFile::isAt(const std::string& path) const
{
    struct stat held { };
    struct stat there { };
    return ::fstat(fd_, &held) == 0 && ::stat(path.c_str(), &there) == 0 && held.st_dev == there.st_dev
        && held.st_ino == there.st_ino;
}

bool LockedFile::sync(FileError& error)
{
    if (writeFault != 0) {
        error = FileError::system(writeFault);
        return false;
    }
    // A file system that cannot sync at all is no failure of this file.
    if (::fsync(fd_) != 0 && errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) {
        error = FileError::system(errno);
        return false;
    }
    return true;
}

void LockedFile::failReads(int errorCode)
{
    readFault = errorCode;
}

void LockedFile::failWrites(int errorCode)
{
    writeFault = errorCode;
}

}  // namespace quennet
