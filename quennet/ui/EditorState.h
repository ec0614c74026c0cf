#pragma once
// The editor's state: the selected program, the shown timing and the mode of the window.
#include "TimingEntry.h"

namespace quennet {

struct EditorState {
    int ProgramIndex = 0;                                         // 0..3 for 程序1..程序4
    int ShownNo = 0;                                              // position of the timing shown
    int TimingCount = 0;                                          // number of valid timings of the program
    quennet::TimingKind TimingKind = quennet::TimingKind::Music;  // the type list's selection
    TimingEntry EntryBuffer{};                                    // the entry last loaded or stored
    bool FileClosed = true;                                       // the open button reads 打开文件
};

}  // namespace quennet
