#pragma once
// Building and inspecting data files byte by byte in tests.
#include "DataFileLayout.h"
#include "SystemFiles.h"
#include "TimingEntry.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstring>
#include <memory>
#include <sys/resource.h>

namespace quennet::testing {

QByteArray readAll(const QString& path);
void writeAll(const QString& path, const QByteArray& bytes);
// Writes the data file below the drive folder, its folder made as needed; gives its path.
QString writeDataFile(const QString& drive, const QByteArray& bytes);
// What the system says about an error number.
QString reasonOf(int error);

// A complete file with a valid header selecting programIndex and empty tables.
QByteArray emptyFile(int programIndex);

// A music timing at position with distinct values in every field.
quennet::TimingEntry musicEntry(int position);
// A timing at position with exactly these bytes (radio: 1 for a radio timing), all others zero.
quennet::TimingEntry timingEntry(int position, int hour, int minute, int main, int second, int third,
                                 int from, int to, int days, int zones, int radio = 0);
quennet::TimingEntry deletedEntry();
// emptyFile(program) with make(n) at positions 1..count of that program.
QByteArray timingsFile(int program, int count, quennet::TimingEntry (*make)(int) = musicEntry);

// Every program holds timings of each kind in turn (music, recording, radio, peripheral) at varied
// times, days and zones, with the bytes the editor keeps but shows nowhere (byte 3, the hidden tracks
// of a span); programs 2 and 4 have a gap every ten positions; a maker's line, a slot beyond 99.
QByteArray fullSchedule();

void putEntry(QByteArray& file, int program, int position, const quennet::TimingEntry& entry);
quennet::TimingEntry entryAt(const QByteArray& file, int program, int position);
QByteArray bytesOf(const quennet::TimingEntry& entry);

// Holds the file as a second copy of the program would, until this object goes away. A flock
// lock belongs to an open file, so an open of our own conflicts just as another process's would.
class HeldElsewhere {
public:
    explicit HeldElsewhere(const QString& path)
    {
        quennet::FileError error;
        lock_ =
            quennet::systemFileAccess().open(path.toStdString(), quennet::FileAccess::Mode::ReadWrite, error);
    }
    bool holds() const { return lock_ != nullptr; }

private:
    std::unique_ptr<quennet::HeldFile> lock_;
};

// Runs body as on a device that takes no more than `limit` bytes per file. The signal such a write
// raises is left as it is: the program itself must keep it from ending the process.
template<class Body>
void withFileSizeLimit(rlim_t limit, Body body)
{
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = limit;
    ::setrlimit(RLIMIT_FSIZE, &small);
    body();
    ::setrlimit(RLIMIT_FSIZE, &saved);
}

inline QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

inline QString writeDataFile(const QString& drive, const QByteArray& bytes)
{
    QDir().mkpath(drive + "/dsdata");
    writeAll(drive + "/dsdata/userds.kqd", bytes);
    return drive + "/dsdata/userds.kqd";
}

inline QString reasonOf(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

inline QByteArray emptyFile(int programIndex)
{
    QByteArray bytes(quennet::kDataFileSize, '\0');
    bytes[100] = 0x5A;
    bytes[101] = char(programIndex);
    return bytes;
}

inline quennet::TimingEntry timingEntry(int position, int hour, int minute, int main, int second, int third,
                                        int from, int to, int days, int zones, int radio)
{
    quennet::TimingEntry entry;
    entry.EntryNo = std::uint8_t(position);
    entry.Hour = std::uint8_t(hour);
    entry.Minute = std::uint8_t(minute);
    entry.MainTrack = std::uint8_t(main);
    entry.SecondTrack = std::uint8_t(second);
    entry.ThirdTrack = std::uint8_t(third);
    entry.RangeFromOrEndHour = std::uint8_t(from);
    entry.RangeToOrEndMinute = std::uint8_t(to);
    entry.DayBits = std::uint8_t(days);
    entry.ZoneBits = std::uint8_t(zones);
    entry.RadioFlag = std::uint8_t(radio);
    return entry;
}

inline quennet::TimingEntry musicEntry(int position)
{
    quennet::TimingEntry entry =
        timingEntry(position, 7, position % 60, position % 90, 2, 3, 10, 20, 0x3E, 0x05);
    entry.Reserved3 = 0x33;
    return entry;
}

inline quennet::TimingEntry deletedEntry()
{
    quennet::TimingEntry entry;
    entry.EntryNo = quennet::kDeletedEntryNo;
    return entry;
}

inline QByteArray timingsFile(int program, int count, quennet::TimingEntry (*make)(int))
{
    QByteArray bytes = emptyFile(program);
    for (int n = 1; n <= count; ++n)
        putEntry(bytes, program, n, make(n));
    return bytes;
}

inline QByteArray fullSchedule()
{
    QByteArray bytes = emptyFile(2);
    bytes.replace(0, 7, "Quennet");
    for (int program = 0; program < quennet::kProgramCount; ++program) {
        for (int position = 1; position <= quennet::kMaxTimings; ++position) {
            const int n = program * 100 + position;
            const int hour = n % 24;
            const int minute = n * 7 % 60;
            const int days = n % 127 + 1;
            const int zones = n % 16;
            quennet::TimingEntry entry;
            switch (n % 4) {
            case 0:
                entry = timingEntry(position, hour, minute, n % 95, n % 100, n * 3 % 100, n % 50, n % 40 + 10,
                                    days, zones);
                break;
            case 1:
                entry = timingEntry(position, hour, minute, 95 + n % 5, n % 100, 0, 0, 0, days, zones);
                break;
            case 2:
                entry = timingEntry(position, hour, minute, n % 100, n % 7, n % 5, (hour + 1) % 24, minute,
                                    days, zones, 1);
                break;
            default:
                entry = timingEntry(position, hour, minute, quennet::kPeripheralTrack, n % 9, 0, hour,
                                    (minute + 5) % 60, days, zones);
            }
            entry.Reserved3 = n % 3 == 0 ? 0x33 : 0;
            if (program % 2 == 1 && position % 10 == 0)
                entry = deletedEntry();
            putEntry(bytes, program, position, entry);
        }
    }
    putEntry(bytes, 0, 100, musicEntry(100));
    return bytes;
}

inline void putEntry(QByteArray& file, int program, int position, const quennet::TimingEntry& entry)
{
    std::memcpy(file.data() + quennet::entryOffset(program, position), &entry, sizeof entry);
}

inline quennet::TimingEntry entryAt(const QByteArray& file, int program, int position)
{
    quennet::TimingEntry entry;
    std::memcpy(static_cast<void*>(&entry), file.constData() + quennet::entryOffset(program, position),
                sizeof entry);
    return entry;
}

inline QByteArray bytesOf(const quennet::TimingEntry& entry)
{
    return QByteArray(reinterpret_cast<const char*>(&entry), sizeof entry);
}

}  // namespace quennet::testing
