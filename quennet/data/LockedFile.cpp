#include "LockedFile.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace quennet {

namespace {
using Mode = FileAccess::Mode;

FileError systemError(int code)
{
    return {code == ENOENT ? FileError::Kind::Missing : FileError::Kind::System, std::strerror(code)};
}

int openFlags(Mode mode)
{
    switch (mode) {
    case Mode::Read:
    case Mode::Peek: return O_RDONLY;
    case Mode::Write: return O_WRONLY;
    case Mode::ReadWrite: return O_RDWR;
    }
    return O_RDONLY;
}

// Writes `size` bytes through `put(done)`, which writes from byte `done` on; a signal retries, a
// write that makes no progress is a full card.
template<typename Put>
bool writeWhole(std::size_t size, FileError& error, Put put)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = put(done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = systemError(n < 0 ? errno : ENOSPC);
            return false;
        }
        done += std::size_t(n);
    }
    return true;
}

bool writeAll(int fd, long offset, const void* data, std::size_t size, FileError& error)
{
    const char* bytes = static_cast<const char*>(data);
    return writeWhole(size, error, [&](std::size_t done) {
        return ::pwrite(fd, bytes + done, size - done, offset + long(done));
    });
}

bool syncFile(int fd, FileError& error)
{
    // A file system that cannot sync at all is no failure of this file.
    if (::fsync(fd) != 0 && errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) {
        error = systemError(errno);
        return false;
    }
    return true;
}

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The path a link at `path` leads to, so that a replacement takes the file's place, not the link's.
std::string resolved(const std::string& path)
{
    char* real = ::realpath(path.c_str(), nullptr);
    const std::string result = real ? real : path;
    std::free(real);
    return result;
}

// Once the name is given, the file is saved: a folder that cannot be flushed changes nothing.
void syncFolder(const std::string& path)
{
    const int folder = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

// A temporary file beside path holding bytes with the given permissions, locked and on the device:
// its descriptor and name, or -1.
int writeTemporary(const std::string& path, const std::vector<std::uint8_t>& bytes, mode_t permissions,
                   std::string& temporary, FileError& error)
{
    const std::size_t slash = path.rfind('/');
    temporary = folderOf(path) + "/." + path.substr(slash == std::string::npos ? 0 : slash + 1) + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        error = systemError(errno);
        return -1;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fchmod(fd, permissions) != 0)
        error = systemError(errno);
    else if (writeAll(fd, 0, bytes.data(), bytes.size(), error) && syncFile(fd, error))
        return fd;
    ::unlink(temporary.c_str());
    ::close(fd);
    return -1;
}

// Gives the temporary file the name path, where nothing is there unless `replace`.
bool giveName(const std::string& temporary, const std::string& path, bool replace, FileError& error)
{
    if (replace ? ::rename(temporary.c_str(), path.c_str()) == 0
                : ::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    // A file system without a renaming that keeps what is there: a link does the same.
    if (!replace && (errno == EINVAL || errno == ENOSYS) && ::link(temporary.c_str(), path.c_str()) == 0) {
        ::unlink(temporary.c_str());
        return true;
    }
    error = systemError(errno);
    ::unlink(temporary.c_str());
    return false;
}

class LockedFile final : public HeldFile {
public:
    LockedFile(int fd, const std::string& path) : fd_(fd), path_(resolved(path)) { }
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;
    ~LockedFile() override { ::close(fd_); }

    std::optional<std::size_t> readAt(long offset, void* data, std::size_t size, FileError& error) override
    {
        std::size_t done = 0;
        while (done < size) {
            const ssize_t n = ::pread(fd_, static_cast<char*>(data) + done, size - done, offset + long(done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                error = systemError(errno);
                return std::nullopt;
            }
            if (n == 0)
                break;
            done += std::size_t(n);
        }
        return done;
    }

    bool writeAt(long offset, const void* data, std::size_t size, FileError& error) override
    {
        return writeAll(fd_, offset, data, size, error);
    }

    std::optional<long> length(FileError& error) const override
    {
        struct stat status { };
        if (::fstat(fd_, &status) == 0)
            return long(status.st_size);
        error = systemError(errno);
        return std::nullopt;
    }

    bool sync(FileError& error) override { return syncFile(fd_, error); }

    bool isAt(const std::string& path) const override
    {
        struct stat held { };
        struct stat there { };
        return ::fstat(fd_, &held) == 0 && ::stat(path.c_str(), &there) == 0 && held.st_dev == there.st_dev
            && held.st_ino == there.st_ino;
    }

    // The new file is locked before it takes the name, so no other program gets in between.
    bool replaceWith(const std::vector<std::uint8_t>& bytes, FileError& error) override
    {
        struct stat held { };
        if (::fstat(fd_, &held) != 0) {
            error = systemError(errno);
            return false;
        }
        std::string temporary;
        const int fd = writeTemporary(path_, bytes, held.st_mode & 07777, temporary, error);
        if (fd < 0)
            return false;
        // A file shared with a group stays the group's where the user may keep it so (the
        // permission bits are set again, since a change of owner clears some of them).
        if (::fchown(fd, held.st_uid, held.st_gid) == 0 || ::fchown(fd, uid_t(-1), held.st_gid) == 0)
            ::fchmod(fd, held.st_mode & 07777);
        if (!giveName(temporary, path_, true, error)) {
            ::close(fd);
            return false;
        }
        syncFolder(path_);
        ::close(std::exchange(fd_, fd));
        return true;
    }

private:
    int fd_;
    std::string path_;
};

class SystemFiles final : public FileAccess {
public:
    SystemFiles()
    {
        std::signal(SIGXFSZ, SIG_IGN);
        const mode_t mask = ::umask(0);
        ::umask(mask);
        newPermissions_ = 0666 & ~mask;
    }

    std::unique_ptr<HeldFile> open(const std::string& path, Mode mode, FileError& error) override
    {
        // O_NONBLOCK: opening a pipe would otherwise wait for a writer for ever.
        const int fd = ::open(path.c_str(), openFlags(mode) | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
        if (fd < 0) {
            error = systemError(errno);
            return nullptr;
        }
        auto file = std::make_unique<LockedFile>(fd, path);
        struct stat status { };
        if (::fstat(fd, &status) != 0) {
            error = systemError(errno);
            return nullptr;
        }
        if (!S_ISREG(status.st_mode)) {
            error = {FileError::Kind::NotRegular, {}};
            return nullptr;
        }
        // Readers share the file with one another (a shared lock also needs nothing but read access
        // on a network file system); whoever writes has it alone.
        const int lock = mode == Mode::Read ? LOCK_SH : LOCK_EX;
        if (mode != Mode::Peek && ::flock(fd, lock | LOCK_NB) != 0) {
            error = errno == EWOULDBLOCK ? FileError{FileError::Kind::Busy, {}} : systemError(errno);
            return nullptr;
        }
        return file;
    }

    std::unique_ptr<HeldFile> create(const std::string& path, const std::vector<std::uint8_t>& bytes,
                                     bool replace, FileError& error) override
    {
        std::string temporary;
        const int fd = writeTemporary(path, bytes, newPermissions_, temporary, error);
        if (fd < 0)
            return nullptr;
        if (!giveName(temporary, path, replace, error)) {
            ::close(fd);
            return nullptr;
        }
        syncFolder(path);
        return std::make_unique<LockedFile>(fd, path);
    }

private:
    mode_t newPermissions_ = 0644;  // what the user's umask leaves of read and write for all
};
}  // namespace

FileAccess& systemFileAccess()
{
    static SystemFiles files;
    return files;
}

bool writeStandardOutput(const std::string& text, FileError& error)
{
    return writeWhole(text.size(), error, [&](std::size_t done) {
        return ::write(STDOUT_FILENO, text.data() + done, text.size() - done);
    });
}

}  // namespace quennet
