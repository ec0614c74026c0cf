#pragma once
// Files on disk as the tests look at them: their bytes, a hold as another program's, and a device that
// takes only so many bytes.

#include <QFile>
#include <csignal>
#include <sys/file.h>
#include <sys/resource.h>

namespace tavisto {

// What a new set saved at once looks like, built from the documented offsets: the tables empty (0xFF)
// but slot 1 of program 1's music table, zeros in every unused byte, both settings 1.
inline QByteArray freshFile()
{
    QByteArray bytes(18560, '\0');
    for (int t = 0; t < 8; ++t)
        bytes.replace((t + 1) * 2048, 800, QByteArray(800, '\xFF'));
    bytes.replace(18432, 100, QByteArray(100, '\xFF'));
    bytes.replace(2048, 8, QByteArray("\x01\0\0\0\0\0\0\0", 8));
    bytes[0] = bytes[18559] = 1;
    return bytes;
}

// The byte a test file holds at `offset`: it varies from byte to byte and block to block, holds
// foreign time bytes and large track numbers, and reads as no run program at offset 0.
inline char patternByte(int offset)
{
    return static_cast<char>((offset * 37 + offset / 251) & 0xFF);
}

inline QByteArray patternFile(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = patternByte(i);
    return bytes;
}

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeFileBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// Holds the file as another program would, while it lives. A flock lock belongs to an open file, so
// an open of our own conflicts just as another process's would.
class HeldElsewhere {
public:
    explicit HeldElsewhere(const QString& path) : file_(path)
    {
        held_ = file_.open(QIODevice::ReadOnly) && ::flock(file_.handle(), LOCK_EX | LOCK_NB) == 0;
    }
    bool holds() const { return held_; }

private:
    QFile file_;
    bool held_;
};

// Runs body as on a device that takes no more than `limit` bytes per file: writes beyond fail with EFBIG.
template<typename Body>
auto withFileSizeLimit(int limit, Body body)
{
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = rlim_t(limit);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    const auto result = body();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    return result;
}

}  // namespace tavisto
