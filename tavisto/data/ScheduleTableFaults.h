#pragma once
// Why a row of a table cannot be imported, in the window's words or in English for the command line.

#include "ScheduleTable.h"

#include <string>

namespace tavisto {

enum class FaultReason {
    UnknownColumn,
    TwiceColumn,
    MissingColumn,
    BeyondHeader,
    BadSlot,     // %1: the last slot
    NotOfMusic,  // a cell of a column music timings do not have
    NotOfPeripheral,
    NotOfRandom,
    BadOrder,
    BadDays,
    BadZones,
    SlotTaken,  // %1: the line that has it
    TableFull,  // %1: how many timings a table holds
    BadProgram,
    BadKind,
    RandomOnly,
    StandardOnly,
    NoTime,
    BadTime,
    BadTrack,
    NotText,
    NoHeader,
    OpenQuote,
};

// The reason with `number` put in for %1.
std::string faultWords(FaultReason reason, TableWording wording, int number = 0);

}  // namespace tavisto
