#pragma once
// The part of the editor's state that the file operations read and update.
#include "TimingEntry.h"

namespace quennet {

struct EditorState {
    int ProgramIndex = 0; // 0..3 for 程序1..程序4
    int ShownNo = 0;      // position of the timing shown
    int TimingCount = 0;  // number of valid timings of the program
    TimingEntry EntryBuffer{};
};

} // namespace quennet
