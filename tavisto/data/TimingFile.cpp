#include "TimingFile.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tavisto {

namespace {

constexpr std::size_t kSuffixLength = 6;  // a save's temporary file: ".NAME.XXXXXX"

bool lock(int fd)
{
    return ::flock(fd, LOCK_EX | LOCK_NB) == 0;
}

// The failure errno tells of.
FileError lastError()
{
    if (errno == EWOULDBLOCK)
        return {FileError::Kind::Busy};
    if (errno == EISDIR)
        return {FileError::Kind::NotRegular};
    return FileError::system(errno);
}

bool sameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool writeAll(int fd, const std::vector<std::uint8_t>& bytes)
{
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::pwrite(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            errno = n == 0 ? ENOSPC : errno;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Up to `limit` bytes from the start; the end of the file stops it early.
FileError readFrom(int fd, std::size_t limit, std::vector<std::uint8_t>& bytes)
{
    constexpr std::size_t kChunk = 65536;
    bytes.clear();
    while (bytes.size() < limit) {
        const std::size_t done = bytes.size();
        bytes.resize(done + std::min(kChunk, limit - done));
        const ssize_t n = ::pread(fd, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) {
            bytes.resize(done);
            continue;
        }
        if (n < 0)
            return FileError::system(errno);
        bytes.resize(done + static_cast<std::size_t>(n));
        if (n == 0)
            break;
    }
    return {};
}

// A regular file, held for reading and writing, locked; fd or -1 with errno set.
int openHeld(int folder, const std::string& name)
{
    const int fd = ::openat(folder, name.c_str(), O_RDWR | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat found { };
    int error = ::fstat(fd, &found) != 0 ? errno : S_ISREG(found.st_mode) ? 0 : EISDIR;
    if (error == 0 && !lock(fd))
        error = errno;
    if (error == 0)
        return fd;
    ::close(fd);
    errno = error;
    return -1;
}

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
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

// A save in progress holds its temporary file locked; one that nobody holds is what a killed
// save left behind.
void removeIfLeftover(int folder, const std::string& name)
{
    const int fd = ::openat(folder, name.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat held { };
    struct stat there { };
    if (::fstat(fd, &held) == 0 && S_ISREG(held.st_mode) && lock(fd)
        && ::fstatat(folder, name.c_str(), &there, AT_SYMLINK_NOFOLLOW) == 0 && sameFile(held, there))
        ::unlinkat(folder, name.c_str(), 0);
    ::close(fd);
}

std::string folderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path)
{
    return path.substr(path.rfind('/') + 1);
}

std::string realPath(const std::string& path)
{
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real)
        return {};
    std::string result(real);
    std::free(real);
    return result;
}

}  // namespace

void TimingFile::startUp()
{
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
}

TimingFile::TimingFile(TimingFile&& other) noexcept
    : folder_(std::exchange(other.folder_, -1)),
      name_(std::move(other.name_)),
      fd_(std::exchange(other.fd_, -1))
{ }

TimingFile& TimingFile::operator=(TimingFile&& other) noexcept
{
    if (this != &other) {
        close();
        folder_ = std::exchange(other.folder_, -1);
        name_ = std::move(other.name_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

// A link in the folder's path leads to its folder; a link at the name leads to its file only when
// `followLink`. A name not there yet lies in its real folder.
FileError TimingFile::resolve(const std::string& path, bool followLink)
{
    std::string target = followLink ? realPath(path) : std::string();
    if (target.empty()) {
        if (followLink && errno != ENOENT)
            return lastError();
        const std::string folder = realPath(folderOf(path));
        if (folder.empty())
            return lastError();
        target = (folder == "/" ? "" : folder) + "/" + nameOf(path);
    }
    name_ = nameOf(target);
    if (name_.empty())
        return {FileError::Kind::NotRegular};
    folder_ = ::open(folderOf(target).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    return folder_ < 0 ? lastError() : FileError{};
}

FileError TimingFile::open(const std::string& path)
{
    close();
    FileError error = resolve(path, true);
    struct stat found { };
    // Not opened at all when it is not a regular file: a device can act on being opened.
    if (!error && ::fstatat(folder_, name_.c_str(), &found, AT_SYMLINK_NOFOLLOW) != 0)
        error = lastError();
    else if (!error && !S_ISREG(found.st_mode))
        error = {FileError::Kind::NotRegular};
    if (!error && (fd_ = openHeld(folder_, name_)) < 0)
        error = lastError();
    if (error) {
        close();
        return error;
    }
    removeLeftovers();
    return {};
}

FileError TimingFile::create(const std::string& path, const TimingFile& held)
{
    close();
    // The user chose this name: a link there is replaced by the save, whatever it leads to.
    FileError error = resolve(path, false);
    struct stat found { };
    // A file that is there already is held from now on, but not emptied: the save replaces it.
    if (!error && ::fstatat(folder_, name_.c_str(), &found, AT_SYMLINK_NOFOLLOW) == 0
        && !S_ISLNK(found.st_mode)) {
        struct stat heldStatus { };
        if (!S_ISREG(found.st_mode))
            error = {FileError::Kind::NotRegular};
        else if (held.fd_ >= 0 && ::fstat(held.fd_, &heldStatus) == 0 && sameFile(found, heldStatus))
            fd_ = ::fcntl(held.fd_, F_DUPFD_CLOEXEC, 0);  // shares its lock
        else
            fd_ = openHeld(folder_, name_);
        if (!error && fd_ < 0)
            error = lastError();
    }
    // The save makes its file in the folder: without the right to write there, nothing is created.
    if (!error && ::faccessat(folder_, ".", W_OK | X_OK, AT_EACCESS) != 0)
        error = lastError();
    if (error)
        close();
    return error;
}

void TimingFile::close()
{
    if (fd_ >= 0)
        ::close(fd_);  // releases the lock too
    if (folder_ >= 0)
        ::close(folder_);
    fd_ = folder_ = -1;
    name_.clear();
}

FileError TimingFile::readAll(std::vector<std::uint8_t>& bytes) const
{
    bytes.clear();
    return fd_ >= 0 ? readFrom(fd_, static_cast<std::size_t>(-1), bytes) : FileError{};
}

void TimingFile::removeLeftovers() const
{
    const int listing = ::openat(folder_, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing < 0)
        return;  // a folder that may not be read keeps them
    DIR* dir = ::fdopendir(listing);
    if (!dir) {
        ::close(listing);
        return;
    }
    std::vector<std::string> leftovers;
    while (const dirent* entry = ::readdir(dir))
        if (isTemporaryName(entry->d_name, name_))
            leftovers.emplace_back(entry->d_name);
    ::closedir(dir);
    for (const std::string& leftover : leftovers)
        removeIfLeftover(folder_, leftover);
}

FileError TimingFile::replace(const std::vector<std::uint8_t>& image, bool overOther)
{
    if (!isOpen())
        return FileError::system(EBADF);
    removeLeftovers();
    struct stat held { };
    struct stat there { };
    if (fd_ >= 0 && ::fstat(fd_, &held) != 0)
        return lastError();
    const bool present = ::fstatat(folder_, name_.c_str(), &there, AT_SYMLINK_NOFOLLOW) == 0;
    const bool ours = present && fd_ >= 0 && sameFile(held, there);
    int other = -1;
    if (present && !ours) {
        if (!overOther)
            return {FileError::Kind::Replaced};
        if (S_ISDIR(there.st_mode))
            return {FileError::Kind::NotRegular};
        // A file another program holds is not replaced; a link is replaced itself, never followed.
        other = ::openat(folder_, name_.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
        if (other >= 0 && !lock(other)) {
            ::close(other);
            return {FileError::Kind::Busy};
        }
    }
    // Other names of the held file see the new schedule only when it is written in place.
    const FileError error = ours && held.st_nlink > 1 ? writeInPlace(image) : writeReplacement(image, ours);
    if (other >= 0)
        ::close(other);
    return error;
}

// All or nothing: nothing is written unless the whole image fits, and what a failed write changed
// is put back before the failure is told.
FileError TimingFile::writeInPlace(const std::vector<std::uint8_t>& image) const
{
    std::vector<std::uint8_t> old;
    if (const FileError error = readFrom(fd_, static_cast<std::size_t>(-1), old))
        return error;
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY
        && image.size() > limit.rlim_cur)
        return FileError::system(EFBIG);
    const auto length = static_cast<off_t>(image.size());
    // The blocks for the new length are taken before the first byte changes. A file system that
    // cannot reserve them gets the write all the same: a failure is put back as any other.
    int error = image.size() > old.size() ? ::posix_fallocate(fd_, 0, length) : 0;
    if (error == EOPNOTSUPP || error == EINVAL)
        error = 0;
    if (error == 0 && !(writeAll(fd_, image) && ::ftruncate(fd_, length) == 0 && ::fsync(fd_) == 0))
        error = errno;
    if (error == 0)
        return {};
    return restore(old) ? FileError::system(error) : FileError{FileError::Kind::Damaged, error};
}

bool TimingFile::restore(const std::vector<std::uint8_t>& old) const
{
    return writeAll(fd_, old) && ::ftruncate(fd_, static_cast<off_t>(old.size())) == 0 && ::fsync(fd_) == 0;
}

FileError TimingFile::writeReplacement(const std::vector<std::uint8_t>& image, bool inPlaceAllowed)
{
    struct stat held { };
    const bool replacesHeld = fd_ >= 0 && ::fstat(fd_, &held) == 0;
    // Locked at once, so that no other Tavisto takes it for a leftover.
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = temporaryName(name_);
        fd = ::openat(folder_, temporary.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST)
            return lastError();
        struct stat made { };
        struct stat there { };
        if (fd >= 0
            && !(lock(fd) && ::fstat(fd, &made) == 0
                 && ::fstatat(folder_, temporary.c_str(), &there, AT_SYMLINK_NOFOLLOW) == 0
                 && sameFile(made, there))) {
            ::close(fd);
            fd = -1;
        }
    }
    if (fd < 0)
        return FileError::system(EEXIST);
    auto discard = [&] {
        const int error = errno;
        ::unlinkat(folder_, temporary.c_str(), 0);
        ::close(fd);
        return FileError::system(error);
    };
    struct stat made { };
    if (::fstat(fd, &made) != 0)
        return discard();
    // Owner and group are those of the held file. Where the saver may not give them (only root
    // may give a file away, and only to groups one is in), the held file is written in place.
    if (replacesHeld && (made.st_uid != held.st_uid || made.st_gid != held.st_gid)
        && ::fchown(fd, held.st_uid, held.st_gid) != 0 && inPlaceAllowed) {
        discard();
        return writeInPlace(image);
    }
    // As far as the file system carries them: a FAT card keeps its own, and the 0600 of the
    // temporary file errs on the safe side.
    (void)!::fchmod(fd, replacesHeld ? held.st_mode & 07777 : newFileMode());
    // The files travel to the players on removable cards: nothing may stay in a cache.
    if (!writeAll(fd, image) || ::fsync(fd) != 0
        || ::renameat(folder_, temporary.c_str(), folder_, name_.c_str()) != 0)
        return discard();
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = fd;
    // Renamed, the save is done: a folder that cannot be flushed now does not undo it.
    const int folder = ::openat(folder_, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        (void)!::fsync(folder);
        ::close(folder);
    }
    return {};
}

FileError TimingFile::peek(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& bytes)
{
    struct stat found { };
    if (::stat(path.c_str(), &found) != 0)
        return lastError();
    if (!S_ISREG(found.st_mode))
        return {FileError::Kind::NotRegular};
    // Non-blocking, so that a FIFO put there meanwhile cannot hang the reader.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return lastError();
    FileError error;
    if (::fstat(fd, &found) != 0 || !S_ISREG(found.st_mode))
        error = {FileError::Kind::NotRegular};
    else
        error = readFrom(fd, limit, bytes);
    ::close(fd);
    return error;
}

}  // namespace tavisto
