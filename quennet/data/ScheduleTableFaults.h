#pragma once
// Why a row of a table cannot be imported, in the window's words or in English for the command line.
#include "ScheduleTable.h"

#include <string>

namespace quennet {

enum class FaultReason {
    UnknownColumn,
    TwiceColumn,
    MissingColumn,
    BeyondHeader,
    BadProgram,
    BadSlot,    // %1: the last slot
    SlotTaken,  // %1: the line that has it
    TableFull,  // %1: how many timings a program holds
    BadKind,
    NotOfMusic,  // a cell of a column music timings do not have
    NotOfRecording,
    NotOfRadio,
    NotOfPeripheral,
    NoTime,
    BadTime,
    NoTrack,
    BadTrack,
    NoStation,
    BadStation,
    NotRecordingTrack,  // a recording's 曲目1 below 95
    RecordingTrack,     // a music timing's 曲目1 of 95 or more
    BadDays,
    BadZones,
    NotText,
    NoHeader,
    OpenQuote,
};

// The reason with `number` put in for %1.
std::string faultWords(FaultReason reason, TableWording wording, int number = 0);

}  // namespace quennet
