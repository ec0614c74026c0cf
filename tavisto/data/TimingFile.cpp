#include "TimingFile.h"

#include "TimingFileLayout.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tavisto {

namespace {

bool writeAll(int fd, const std::uint8_t* data, std::size_t size, std::size_t offset)
{
    while (size > 0) {
        const ssize_t n = ::pwrite(fd, data, size, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
        offset += static_cast<std::size_t>(n);
    }
    return true;
}

// Reads up to size bytes; the end of the file stops it early without error.
bool readUpTo(int fd, std::uint8_t* data, std::size_t size, std::size_t offset)
{
    while (size > 0) {
        const ssize_t n = ::pread(fd, data, size, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        data += n;
        size -= static_cast<std::size_t>(n);
        offset += static_cast<std::size_t>(n);
    }
    return true;
}

int openLocked(const std::string& path, int flags)
{
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    if (fd < 0)
        return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

bool TimingFile::open(const std::string& path)
{
    close();
    fd_ = openLocked(path, O_RDWR);
    return isOpen();
}

bool TimingFile::create(const std::string& path)
{
    close();
    fd_ = openLocked(path, O_RDWR | O_CREAT);
    if (isOpen() && ::ftruncate(fd_, 0) != 0)
        close();
    return isOpen();
}

void TimingFile::close()
{
    if (fd_ >= 0)
        ::close(fd_);  // releases the lock too
    fd_ = -1;
}

bool TimingFile::write(const TimingSet& set)
{
    if (!isOpen())
        return false;
    bool ok = writeAll(fd_, &set.RunProgram, 1, kRunProgramFileOffset);
    for (int t = 0; ok && t < kProgramTableCount; ++t)
        ok = writeAll(fd_, set.Buffer.table(t), kProgramTableSize, tableFileOffset(t));
    ok = ok && writeAll(fd_, set.Buffer.randomTable(), kRandomTableSize, kRandomTableFileOffset);
    ok = ok && writeAll(fd_, &set.RandomEnabled, 1, kRandomEnabledFileOffset);
    // The files travel to the players on removable cards: nothing may stay in a cache.
    return ok && ::fsync(fd_) == 0;
}

bool TimingFile::read(TimingSet& set) const
{
    if (!isOpen())
        return false;
    TimingSet fresh;
    fresh.Buffer.fill(kEmptyByte);
    bool ok = readUpTo(fd_, &fresh.RunProgram, 1, kRunProgramFileOffset);
    for (int t = 0; ok && t < kProgramTableCount; ++t)
        ok = readUpTo(fd_, fresh.Buffer.table(t), kProgramTableSize, tableFileOffset(t));
    ok = ok && readUpTo(fd_, fresh.Buffer.randomTable(), kRandomTableSize, kRandomTableFileOffset);
    ok = ok && readUpTo(fd_, &fresh.RandomEnabled, 1, kRandomEnabledFileOffset);
    if (ok)
        set = fresh;
    return ok;
}

}  // namespace tavisto
