#pragma once
// Building and inspecting data files byte by byte in tests.
#include "TimingEntry.h"

#include <QByteArray>
#include <QString>

namespace testing {

QByteArray ReadAll(const QString& path);
void WriteAll(const QString& path, const QByteArray& bytes);

// A complete file with a valid header selecting programIndex and empty tables.
QByteArray EmptyFile(int programIndex);

// A music timing at position with distinct values in every field.
quennet::TimingEntry MusicEntry(int position);
quennet::TimingEntry DeletedEntry();

void PutEntry(QByteArray& file, int program, int position, const quennet::TimingEntry& entry);
quennet::TimingEntry EntryAt(const QByteArray& file, int program, int position);
QByteArray Bytes(const quennet::TimingEntry& entry);

// Another process that holds the file locked, as a second copy of the program would,
// until this object goes away.
class HeldElsewhere {
public:
    explicit HeldElsewhere(const QString& path);
    ~HeldElsewhere();
    bool holds() const { return holds_; }

private:
    int release_ = -1;
    int child_ = -1;
    bool holds_ = false;
};

// Whether a process of its own could lock the file now.
bool LockableElsewhere(const QString& path);

} // namespace testing
