#pragma once
// Building and inspecting data files byte by byte in tests.
#include "LockedFile.h"
#include "TimingEntry.h"

#include <QByteArray>
#include <QString>
#include <optional>

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

void putEntry(QByteArray& file, int program, int position, const quennet::TimingEntry& entry);
quennet::TimingEntry entryAt(const QByteArray& file, int program, int position);
QByteArray bytesOf(const quennet::TimingEntry& entry);

// Holds the file as a second copy of the program would, until this object goes away. A flock
// lock belongs to an open file, so an open of our own conflicts just as another process's would.
class HeldElsewhere {
public:
    explicit HeldElsewhere(const QString& path);
    bool holds() const { return lock_.has_value(); }

private:
    std::optional<quennet::LockedFile> lock_;
};

}  // namespace quennet::testing
