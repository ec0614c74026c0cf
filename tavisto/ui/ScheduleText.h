#pragma once
// A whole timing set as lines of text, in the words of the overview list and the main window.

#include "TimingSet.h"

#include <QStringList>

namespace tavisto {

// For the music and peripheral tables of programs 1..4 and then the random table, each that has
// a used slot: a heading (the overview window's caption for the table) and one line per used slot
// with the overview's five cells separated by tabs. Then the run program and the random switch.
QStringList scheduleLines(const TimingSet& timings);

}  // namespace tavisto
