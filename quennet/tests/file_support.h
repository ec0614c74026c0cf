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

} // namespace testing
