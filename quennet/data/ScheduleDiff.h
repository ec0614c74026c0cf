#pragma once
// How two schedules differ in what the player will do: the lines of `quennet --diff`.
#include "DataFile.h"

#include <string>
#include <vector>

namespace quennet {

struct ScheduleDiff {
    // "- " for what only `a` has, "+ " for what only `b` has: per program the week's lines
    // (the --week lines with the program for the slot, which may move without changing what
    // plays), then the stored run program, then the timings that never play.
    std::vector<std::string> lines;

    bool differs() const { return !lines.empty(); }
};

// The valid timings and the run program of each schedule, as DataFile::listAllTimings gives them.
ScheduleDiff diffSchedules(const DataFile::Listing& a, const DataFile::Listing& b);

}  // namespace quennet
