#include "TimingFile.h"

#include "TimingFileLayout.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
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

// Reads the settings and tables; see TimingFile::read.
bool readSet(int fd, TimingSet& set)
{
    TimingSet fresh = TimingSet::fresh();
    bool ok = readUpTo(fd, &fresh.RunProgram, 1, kRunProgramFileOffset);
    for (int t = 0; ok && t < kProgramTableCount; ++t)
        ok = readUpTo(fd, fresh.Buffer.table(t), kProgramTableSize, tableFileOffset(t));
    ok = ok && readUpTo(fd, fresh.Buffer.randomTable(), kRandomTableSize, kRandomTableFileOffset);
    ok = ok && readUpTo(fd, &fresh.RandomEnabled, 1, kRandomEnabledFileOffset);
    if (ok)
        set = fresh;
    return ok;
}

bool lock(int fd)
{
    return ::flock(fd, LOCK_EX | LOCK_NB) == 0;
}

// 0 for a regular file; otherwise why it cannot be a timing file.
int notRegular(int fd)
{
    struct stat found { };
    if (::fstat(fd, &found) != 0)
        return errno;
    if (S_ISDIR(found.st_mode))
        return EISDIR;
    return S_ISREG(found.st_mode) ? 0 : EINVAL;
}

// A regular file, read and write, locked; errno tells why not. Opened non-blocking, so that a
// FIFO or device named by mistake can neither hang the program nor be replaced by a save.
int openLocked(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    int error = notRegular(fd);
    if (error == 0 && !lock(fd))
        error = errno;
    if (error == 0)
        return fd;
    ::close(fd);
    errno = error;
    return -1;
}

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A symbolic link is kept: the file it leads to is replaced. A path that no longer
// exists (the file was deleted or renamed) is written as it is.
std::string resolved(const std::string& path)
{
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real)
        return path;
    std::string result(real);
    std::free(real);
    return result;
}

bool sameFile(int a, int b)
{
    struct stat sa { };
    struct stat sb { };
    return ::fstat(a, &sa) == 0 && ::fstat(b, &sb) == 0 && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Gives the replacement the owner and permission bits of the file it replaces, or those of a new
// file. Only as far as the file system can carry them: a FAT card or a player mounted over MTP
// keeps its own, and the schedule is saved all the same (the temporary file's 0600 errs on the
// safe side).
void takeOverAttributes(int replacement, int replaced)
{
    struct stat old { };
    if (replaced >= 0 && ::fstat(replaced, &old) != 0)
        return;
    if (replaced >= 0 && (old.st_uid != ::geteuid() || old.st_gid != ::getegid()))
        (void)!::fchown(replacement, old.st_uid, old.st_gid);  // only root may, and only root needs to
    (void)!::fchmod(replacement, replaced >= 0 ? old.st_mode & 07777 : newFileMode());
}

bool syncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

}  // namespace

bool TimingFile::open(const std::string& path)
{
    close();
    fd_ = openLocked(path);
    if (fd_ >= 0)
        path_ = path;
    return isOpen();
}

bool TimingFile::create(const std::string& path)
{
    close();
    // A file that is there already is held from now on, but not emptied: the save replaces it.
    fd_ = openLocked(path);
    if (fd_ < 0 && errno != ENOENT)
        return false;
    // The save makes its file in the folder: without the right to write there, nothing is created.
    if (::faccessat(AT_FDCWD, folderOf(resolved(path)).c_str(), W_OK | X_OK, AT_EACCESS) != 0) {
        close();
        return false;
    }
    path_ = path;
    fresh_ = true;
    return true;
}

void TimingFile::close()
{
    if (fd_ >= 0)
        ::close(fd_);  // releases the lock too
    fd_ = -1;
    fresh_ = false;
    path_.clear();
}

bool TimingFile::write(const TimingSet& set)
{
    if (!isOpen())
        return false;
    std::string image(kTimingFileSize, '\0');
    if (fd_ >= 0 && !fresh_) {
        struct stat held { };
        if (::fstat(fd_, &held) != 0)
            return false;
        image.resize(std::max<std::size_t>(kTimingFileSize, static_cast<std::size_t>(held.st_size)), '\0');
        if (!readUpTo(fd_, reinterpret_cast<std::uint8_t*>(image.data()),
                      static_cast<std::size_t>(held.st_size), 0))
            return false;
    }
    auto put = [&image](const std::uint8_t* data, std::size_t size, std::size_t offset) {
        std::copy(data, data + size, image.begin() + static_cast<std::ptrdiff_t>(offset));
    };
    put(&set.RunProgram, 1, kRunProgramFileOffset);
    for (int t = 0; t < kProgramTableCount; ++t)
        put(set.Buffer.table(t), kProgramTableSize, tableFileOffset(t));
    put(set.Buffer.randomTable(), kRandomTableSize, kRandomTableFileOffset);
    put(&set.RandomEnabled, 1, kRandomEnabledFileOffset);
    return replaceWith(image);
}

bool TimingFile::replaceWith(const std::string& image)
{
    const std::string target = resolved(path_);
    const std::string folder = folderOf(target);
    std::string temporary = folder + "/." + target.substr(target.rfind('/') + 1) + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    // A file at the path that is not ours (ours was deleted or renamed) is replaced only
    // when no other program holds it.
    const int other = ::open(target.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    const bool othersFree = other < 0 || (fd_ >= 0 && sameFile(other, fd_)) || lock(other);
    bool ok =
        othersFree && writeAll(fd, reinterpret_cast<const std::uint8_t*>(image.data()), image.size(), 0);
    if (ok)
        takeOverAttributes(fd, fd_);
    // The files travel to the players on removable cards: nothing may stay in a cache.
    ok = ok && ::fsync(fd) == 0 && lock(fd) && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (other >= 0)
        ::close(other);
    if (!ok) {
        ::unlink(temporary.c_str());
        ::close(fd);
        return false;
    }
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = fd;
    fresh_ = false;
    return syncFolder(folder);
}

bool TimingFile::read(TimingSet& set) const
{
    return fd_ >= 0 && readSet(fd_, set);
}

int readTimingFile(const std::string& path, TimingSet& set)
{
    // Non-blocking, so that a FIFO given by mistake cannot hang the reader.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno;
    int error = notRegular(fd);
    if (error == 0 && !readSet(fd, set))
        error = errno ? errno : EIO;
    ::close(fd);
    return error;
}

}  // namespace tavisto
