#pragma once
// What the main window knows about the timing set it edits.

#include "CurrentTiming.h"
#include "TimingDocument.h"

#include <QFile>
#include <cstdint>

namespace tavisto {

struct EditorState {
    TimingDocument Document;      // NewFile, Modified, FileName and the file held
    std::uint8_t EditObject = 1;  // 1..4 standard program, 5 random program
    std::uint8_t SlotNo = 1;
    TimingType Type = TimingType::Music;
    TimingSet Timings;  // the TimingBuffer with RunProgram and RandomEnabled
    tavisto::CP CP;

    // Where every new or opened set begins: program 1, music timing 01, nothing changed yet.
    void startEditing()
    {
        Document.Modified = 0;
        EditObject = 1;
        Type = TimingType::Music;
        SlotNo = 1;
    }
    // FileName as the user reads it.
    QString fileName() const { return QFile::decodeName(QByteArray::fromStdString(Document.FileName)); }
    bool randomProgram() const { return EditObject == kRandomProgram; }
    SlotSelection selection() const { return {EditObject, Type, SlotNo}; }
};

}  // namespace tavisto
