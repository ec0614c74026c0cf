#pragma once
// The steps done on the open file, oldest first, and how many of them are done: those after are
// undone and can be done again until a new step drops them.
#include "ScheduleStep.h"

#include <cstddef>
#include <vector>

namespace quennet {

class ScheduleHistory {
public:
    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }
    // The step that undo or redo would take; only when there is one.
    const ScheduleStep& nextUndo() const { return steps_[done_ - 1]; }
    const ScheduleStep& nextRedo() const { return steps_[done_]; }

    // A step just done; the undone ones can no longer be done again.
    void push(ScheduleStep step);
    // Moves past the step that undo or redo took, once its writes went through.
    void stepBack() { --done_; }
    void stepForward() { ++done_; }
    void clear();

private:
    std::vector<ScheduleStep> steps_;
    std::size_t done_ = 0;
};

}  // namespace quennet
