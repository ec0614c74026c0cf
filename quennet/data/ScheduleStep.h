#pragma once
// One change of the schedule as the history keeps it: what each slot held before and after it, or,
// for a change that puts a new file in the old one's place, the whole file before and after.
#include "TimingEntry.h"

#include <any>
#include <cstdint>
#include <string>
#include <vector>

namespace quennet {

struct EntryChange {
    int program = 0;   // 0..3
    int position = 0;  // 1..99
    TimingEntry before;
    TimingEntry after;
};

struct ScheduleStep {
    std::string name;  // what the step did, in the user's words: "批量添加 12 条定时"
    std::vector<EntryChange> entries;
    std::vector<std::uint8_t> fileBefore;  // both set only for a step that replaces the whole file
    std::vector<std::uint8_t> fileAfter;
    // What the window that made the step showed before and after it, for undo and redo to show
    // again; the data never looks inside.
    std::any shownBefore;
    std::any shownAfter;

    bool replacesFile() const { return !fileAfter.empty(); }
};

}  // namespace quennet
