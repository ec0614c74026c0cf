#include "FileFixtures.h"

#include "DataFileLayout.h"

#include <QDir>
#include <QFile>
#include <cstring>

namespace quennet::testing {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QString writeDataFile(const QString& drive, const QByteArray& bytes)
{
    QDir().mkpath(drive + "/dsdata");
    writeAll(drive + "/dsdata/userds.kqd", bytes);
    return drive + "/dsdata/userds.kqd";
}

QString reasonOf(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QByteArray emptyFile(int programIndex)
{
    QByteArray bytes(quennet::kDataFileSize, '\0');
    bytes[100] = 0x5A;
    bytes[101] = char(programIndex);
    return bytes;
}

quennet::TimingEntry timingEntry(int position, int hour, int minute, int main, int second, int third,
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

quennet::TimingEntry musicEntry(int position)
{
    quennet::TimingEntry entry =
        timingEntry(position, 7, position % 60, position % 90, 2, 3, 10, 20, 0x3E, 0x05);
    entry.Reserved3 = 0x33;
    return entry;
}

quennet::TimingEntry deletedEntry()
{
    quennet::TimingEntry entry;
    entry.EntryNo = quennet::kDeletedEntryNo;
    return entry;
}

QByteArray timingsFile(int program, int count, quennet::TimingEntry (*make)(int))
{
    QByteArray bytes = emptyFile(program);
    for (int n = 1; n <= count; ++n)
        putEntry(bytes, program, n, make(n));
    return bytes;
}

void putEntry(QByteArray& file, int program, int position, const quennet::TimingEntry& entry)
{
    std::memcpy(file.data() + quennet::entryOffset(program, position), &entry, sizeof entry);
}

quennet::TimingEntry entryAt(const QByteArray& file, int program, int position)
{
    quennet::TimingEntry entry;
    std::memcpy(static_cast<void*>(&entry), file.constData() + quennet::entryOffset(program, position),
                sizeof entry);
    return entry;
}

QByteArray bytesOf(const quennet::TimingEntry& entry)
{
    return QByteArray(reinterpret_cast<const char*>(&entry), sizeof entry);
}

HeldElsewhere::HeldElsewhere(const QString& path)
{
    quennet::FileError error;
    lock_ = quennet::LockedFile::open(path.toStdString(), quennet::LockedFile::Mode::ReadWrite, error);
}

}  // namespace quennet::testing
