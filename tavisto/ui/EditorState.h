#pragma once
// What the main window knows about the timing set it edits.

#include "CurrentTiming.h"
#include "TimingFile.h"

#include <QString>
#include <cstdint>

namespace tavisto {

struct EditorState {
    std::uint8_t NewFile = 0;  // a set made by "新建文件" that was never saved
    std::uint8_t Modified = 0;
    TimingFile File;  // held without sharing while a file is attached
    QString FileName;
    std::uint8_t EditObject = 1;  // 1..4 standard program, 5 random program
    std::uint8_t SlotNo = 1;
    TimingType Type = TimingType::Music;
    TimingSet Timings;  // the TimingBuffer with RunProgram and RandomEnabled
    tavisto::CP CP;

    // Where every new or opened set begins: program 1, music timing 01, nothing changed yet.
    void startEditing()
    {
        Modified = 0;
        EditObject = 1;
        Type = TimingType::Music;
        SlotNo = 1;
    }
    bool FileAttached() const { return File.isOpen(); }
    bool hasFile() const { return NewFile == 1 || FileAttached(); }
    bool randomProgram() const { return EditObject == kRandomProgram; }
    SlotSelection selection() const { return {EditObject, Type, SlotNo}; }
};

}  // namespace tavisto
