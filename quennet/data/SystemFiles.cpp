#include "SystemFiles.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace quennet {

namespace {
using Mode = FileAccess::Mode;

constexpr std::size_t kSuffixLength = 6;  // a temporary file: ".NAME.XXXXXX"

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

bool lock(int fd, int how = LOCK_EX)
{
    return ::flock(fd, how | LOCK_NB) == 0;
}

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether fd is the file `name` in folder now.
bool isNamed(int fd, int folder, const std::string& name)
{
    struct stat held { };
    struct stat there { };
    return ::fstat(fd, &held) == 0 && ::fstatat(folder, name.c_str(), &there, AT_SYMLINK_NOFOLLOW) == 0
        && sameFile(held, there);
}

bool writeAll(int fd, long offset, const void* data, std::size_t size, FileError& error)
{
    const char* bytes = static_cast<const char*>(data);
    for (std::size_t done = 0; done < size;) {
        const ssize_t n = ::pwrite(fd, bytes + done, size - done, offset + long(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {  // a write that makes no progress is a full card
            error = FileError::fromErrno(n < 0 ? errno : ENOSPC);
            return false;
        }
        done += std::size_t(n);
    }
    return true;
}

std::optional<std::size_t> readAll(int fd, long offset, void* data, std::size_t size, FileError& error)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, static_cast<char*>(data) + done, size - done, offset + long(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            error = FileError::fromErrno(errno);
            return std::nullopt;
        }
        if (n == 0)
            break;
        done += std::size_t(n);
    }
    return done;
}

bool syncFile(int fd, FileError& error)
{
    // A file system that cannot sync at all is no failure of this file.
    if (::fsync(fd) != 0 && errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) {
        error = FileError::fromErrno(errno);
        return false;
    }
    return true;
}

// Once the name is given, the file is saved: a folder that cannot be flushed changes nothing.
void syncFolder(int folder)
{
    const int fd = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)!::fsync(fd);
        ::close(fd);
    }
}

// What the user's umask leaves of read and write for all.
mode_t newFileMode()
{
    static const mode_t mode = [] {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return 0666 & ~mask;
    }();
    return mode;
}

std::string temporaryName(const std::string& name)
{
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::mt19937 random{std::random_device{}()};
    std::string result = "." + name + ".";
    for (std::size_t i = 0; i < kSuffixLength; ++i)
        result += kLetters[random() % (sizeof kLetters - 1)];
    return result;
}

bool isTemporaryName(const std::string& entry, const std::string& name)
{
    return entry.size() == name.size() + 2 + kSuffixLength && entry[0] == '.'
        && entry.compare(1, name.size(), name) == 0 && entry[name.size() + 1] == '.';
}

// A write in progress holds its temporary file locked; one that nobody holds was left by a write
// that was killed.
void removeLeftoversOf(int folder, const std::string& name)
{
    const int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* dir = listing >= 0 ? ::fdopendir(listing) : nullptr;
    if (!dir) {  // a folder that may not be read keeps them
        if (listing >= 0)
            ::close(listing);
        return;
    }
    std::vector<std::string> leftovers;
    while (const dirent* entry = ::readdir(dir))
        if (isTemporaryName(entry->d_name, name))
            leftovers.emplace_back(entry->d_name);
    ::closedir(dir);
    for (const std::string& leftover : leftovers) {
        const int fd = ::openat(folder, leftover.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat found { };
        if (::fstat(fd, &found) == 0 && S_ISREG(found.st_mode) && lock(fd) && isNamed(fd, folder, leftover))
            ::unlinkat(folder, leftover.c_str(), 0);
        ::close(fd);
    }
}

// A new temporary file for `name` in folder, locked at once so that no other Quennet takes it for
// a leftover: its descriptor, or -1.
int makeTemporary(int folder, const std::string& name, std::string& temporary, FileError& error)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = temporaryName(name);
        const int fd =
            ::openat(folder, temporary.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0) {
            error = FileError::fromErrno(errno);
            return -1;
        }
        // Another Quennet's clean-up may have taken it between its making and its lock.
        if (lock(fd) && isNamed(fd, folder, temporary))
            return fd;
        ::close(fd);
    }
    error = FileError::fromErrno(EEXIST);
    return -1;
}

// The owner, group and mode of `like`, as far as the user may give them. A group that cannot be
// kept gets no more than the others had; set-id bits go with an owner or a group not kept.
void takePermissions(int fd, const struct stat& like)
{
    struct stat made { };
    if (::fchown(fd, like.st_uid, like.st_gid) != 0)
        (void)!::fchown(fd, uid_t(-1), like.st_gid);
    if (::fstat(fd, &made) != 0)
        return;  // it stays the temporary file's 0600
    mode_t mode = like.st_mode & 07777;
    if (made.st_uid != like.st_uid || made.st_gid != like.st_gid)
        mode &= 0777;
    if (made.st_gid != like.st_gid)
        mode &= ~mode_t(0070) | ((mode & 0007) << 3);
    // As far as the file system carries them: a FAT card keeps its own.
    (void)!::fchmod(fd, mode);
}

// Gives the temporary file the name, where nothing is there unless `replace`.
bool giveName(int folder, const std::string& temporary, const std::string& name, bool replace,
              FileError& error)
{
    if (replace ? ::renameat(folder, temporary.c_str(), folder, name.c_str()) == 0
                : ::renameat2(folder, temporary.c_str(), folder, name.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    // A file system without a renaming that keeps what is there: a link does the same.
    if (!replace && (errno == EINVAL || errno == ENOSYS)
        && ::linkat(folder, temporary.c_str(), folder, name.c_str(), 0) == 0) {
        ::unlinkat(folder, temporary.c_str(), 0);
        return true;
    }
    error = FileError::fromErrno(errno);
    return false;
}

// A new file `name` in folder holding `bytes`, with the permissions of `like` or a new file's, put
// on the device before it takes the name: its descriptor, held, or -1.
int writeFile(int folder, const std::string& name, const std::vector<std::uint8_t>& bytes,
              const struct stat* like, bool replace, FileError& error)
{
    removeLeftoversOf(folder, name);
    std::string temporary;
    const int fd = makeTemporary(folder, name, temporary, error);
    if (fd < 0)
        return -1;
    if (like)
        takePermissions(fd, *like);
    else
        (void)!::fchmod(fd, newFileMode());
    if (writeAll(fd, 0, bytes.data(), bytes.size(), error) && syncFile(fd, error)
        && giveName(folder, temporary, name, replace, error)) {
        syncFolder(folder);
        return fd;
    }
    ::unlinkat(folder, temporary.c_str(), 0);
    ::close(fd);
    return -1;
}

class SystemFile final : public HeldFile {
public:
    // Takes fd and folder, a descriptor of the folder it was found in under `name`.
    SystemFile(int fd, int folder, std::string name) : fd_(fd), folder_(folder), name_(std::move(name)) { }
    SystemFile(const SystemFile&) = delete;
    SystemFile& operator=(const SystemFile&) = delete;
    ~SystemFile() override
    {
        ::close(fd_);
        ::close(folder_);
    }

    std::optional<std::size_t> readAt(long offset, void* data, std::size_t size, FileError& error) override
    {
        return readAll(fd_, offset, data, size, error);
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
        error = FileError::fromErrno(errno);
        return std::nullopt;
    }

    bool sync(FileError& error) override { return syncFile(fd_, error); }

    bool isAt(const std::string& path) const override
    {
        struct stat held { };
        struct stat there { };
        return ::fstat(fd_, &held) == 0 && ::lstat(path.c_str(), &there) == 0 && sameFile(held, there);
    }

    // The new file is locked before it takes the name, so no other program gets in between.
    bool replaceWith(const std::vector<std::uint8_t>& bytes, FileError& error) override
    {
        struct stat held { };
        if (::fstat(fd_, &held) != 0) {
            error = FileError::fromErrno(errno);
            return false;
        }
        const int fd = writeFile(folder_, name_, bytes, &held, true, error);
        if (fd < 0)
            return false;
        ::close(std::exchange(fd_, fd));
        return true;
    }

    bool copyTo(const std::string& name, FileError& error) override
    {
        struct stat held { };
        if (::fstat(fd_, &held) != 0) {
            error = FileError::fromErrno(errno);
            return false;
        }
        std::vector<std::uint8_t> bytes(std::size_t(held.st_size));
        const std::optional<std::size_t> read = readAll(fd_, 0, bytes.data(), bytes.size(), error);
        if (!read)
            return false;
        bytes.resize(*read);
        const int fd = writeFile(folder_, name, bytes, &held, true, error);
        if (fd >= 0)
            ::close(fd);
        return fd >= 0;
    }

private:
    int fd_;
    int folder_;
    std::string name_;
};

class SystemFolder final : public Folder {
public:
    explicit SystemFolder(int fd) : fd_(fd) { }
    SystemFolder(const SystemFolder&) = delete;
    SystemFolder& operator=(const SystemFolder&) = delete;
    ~SystemFolder() override { ::close(fd_); }

    std::unique_ptr<HeldFile> open(const std::string& name, Mode mode, FileError& error) override
    {
        // O_NONBLOCK: opening a pipe would otherwise wait for a writer for ever.
        const int fd =
            ::openat(fd_, name.c_str(), openFlags(mode) | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
        if (fd < 0) {
            // A link at the name is no regular file, wherever it leads.
            error = errno == ELOOP ? FileError{FileError::Kind::NotRegular, {}} : FileError::fromErrno(errno);
            return nullptr;
        }
        std::unique_ptr<HeldFile> file = held(fd, name, error);
        if (!file)
            return nullptr;
        struct stat status { };
        if (::fstat(fd, &status) != 0) {
            error = FileError::fromErrno(errno);
            return nullptr;
        }
        if (!S_ISREG(status.st_mode)) {
            error = {FileError::Kind::NotRegular, {}};
            return nullptr;
        }
        // Readers share the file with one another (a shared lock also needs nothing but read access
        // on a network file system); whoever writes has it alone.
        if (mode != Mode::Peek && !lock(fd, mode == Mode::Read ? LOCK_SH : LOCK_EX)) {
            error = errno == EWOULDBLOCK ? FileError{FileError::Kind::Busy, {}} : FileError::fromErrno(errno);
            return nullptr;
        }
        return file;
    }

    std::unique_ptr<HeldFile> create(const std::string& name, const std::vector<std::uint8_t>& bytes,
                                     bool replace, FileError& error) override
    {
        const int fd = writeFile(fd_, name, bytes, nullptr, replace, error);
        return fd >= 0 ? held(fd, name, error) : nullptr;
    }

    void removeLeftovers(const std::string& name) override { removeLeftoversOf(fd_, name); }

private:
    // The file fd, which keeps a descriptor of this folder for the files it puts in its place.
    std::unique_ptr<HeldFile> held(int fd, const std::string& name, FileError& error) const
    {
        const int folder = ::fcntl(fd_, F_DUPFD_CLOEXEC, 0);
        if (folder >= 0)
            return std::make_unique<SystemFile>(fd, folder, name);
        error = FileError::fromErrno(errno);
        ::close(fd);
        return nullptr;
    }

    int fd_;
};

class SystemFiles final : public FileAccess {
public:
    SystemFiles()
    {
        std::signal(SIGXFSZ, SIG_IGN);
        newFileMode();
    }

    std::unique_ptr<Folder> openFolder(const std::string& path, FileError& error) override
    {
        // O_PATH: a folder the user may search but not read still serves.
        const int fd = ::open(path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (fd >= 0)
            return std::make_unique<SystemFolder>(fd);
        error = FileError::fromErrno(errno);
        return nullptr;
    }

    bool makeFolders(const std::string& path, FileError& error) override
    {
        std::error_code code;
        std::filesystem::create_directories(path, code);
        if (code)
            error = FileError::fromErrno(code.value());
        return !code;
    }

    std::optional<std::vector<std::string>> names(const std::string& path, FileError& error) override
    {
        DIR* dir = ::opendir(path.c_str());
        if (!dir) {
            error = FileError::fromErrno(errno);
            return std::nullopt;
        }
        std::vector<std::string> names;
        while (const dirent* entry = ::readdir(dir))
            names.emplace_back(entry->d_name);
        ::closedir(dir);
        return names;
    }
};
}  // namespace

FileAccess& systemFileAccess()
{
    static SystemFiles files;
    return files;
}

}  // namespace quennet
