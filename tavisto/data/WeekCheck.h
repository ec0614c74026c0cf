#pragma once
// The findings of a week: clashes, timings that never play, and notes, from the same events the
// week plan shows.

#include "WeekPlan.h"

#include <string>
#include <vector>

namespace tavisto {

struct Finding {
    enum class Level { Clash, Invalid, Note };  // 冲突, 无效, 提示: the order of the list
    Level level = Level::Note;
    std::uint8_t days = 0;   // bit 0 Monday .. bit 6 Sunday
    int start = -1;          // minute of the day; -1 when the finding has no valid time
    std::optional<int> end;  // spans: minute of the day, earlier than start when past midnight
    std::uint8_t zones = 0;  // the zones in common
    std::vector<TimingRef> timings;
    std::string reason;
};

// The findings of `plan` for the set `timings` it was expanded from: clashes first, then the
// timings that never play, then the notes; within each by first day, time and table order.
std::vector<Finding> checkWeek(const TimingSet& timings, const WeekPlan& plan);

// Whether the file is fit to go to the player: no clash and no timing that never plays.
bool passes(const std::vector<Finding>& findings);

}  // namespace tavisto
