#pragma once
// The history of one open timing set: every change of the schedule is one step that keeps the
// whole set before and after it (6.5 KB each), so that undo and redo give back the very bytes.
//
// There is one entry point for a change: record(), "the set became `after` as one step named
// `name`". The editor wraps it as TForm1::applyStep(name, set), which also redraws every window;
// a change that replaces the whole set at once, an import for instance, goes through that too.

#include "TimingSet.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace tavisto {

// `View` is what the window showed before and after the step, given back with it.
template<typename View>
class ScheduleHistory {
public:
    struct Step {
        std::string name;
        TimingSet before, after;
        View viewBefore, viewAfter;
    };

    // The oldest steps are let go beyond this many.
    static constexpr std::size_t kMaxSteps = 500;

    // A set opened or made: no steps yet, and `saved` is the image the file holds.
    void restart(const TimingSet& saved)
    {
        steps_.clear();
        done_ = 0;
        saved_ = saved;
    }
    // The set was saved as it is now.
    void markSaved(const TimingSet& saved) { saved_ = saved; }
    bool isSaved(const TimingSet& set) const { return set == saved_; }

    // A new step after the ones done; the steps undone before it can no longer be redone.
    void record(Step step)
    {
        steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
        steps_.push_back(std::move(step));
        if (steps_.size() > kMaxSteps)
            steps_.erase(steps_.begin());
        done_ = steps_.size();
    }

    // A change that is no step of its own (a slot only visited, stamped with its number) joins the
    // step done last when it follows it directly, so that redoing that step gives the same bytes.
    void amendNewest(const TimingSet& from, const TimingSet& to)
    {
        if (done_ > 0 && steps_[done_ - 1].after == from)
            steps_[done_ - 1].after = to;
    }

    // The step that undo or redo would take back or do again, or nothing.
    const Step* nextUndo() const { return done_ > 0 ? &steps_[done_ - 1] : nullptr; }
    const Step* nextRedo() const { return done_ < steps_.size() ? &steps_[done_] : nullptr; }

    // Moves back or forward by one step and returns it: the set and view to show are its `before`
    // (undo) or its `after` (redo). Nothing when there is no step to take.
    const Step* undo()
    {
        const Step* step = nextUndo();
        if (step)
            --done_;
        return step;
    }
    const Step* redo()
    {
        const Step* step = nextRedo();
        if (step)
            ++done_;
        return step;
    }

private:
    std::vector<Step> steps_;
    std::size_t done_ = 0;
    TimingSet saved_;
};

}  // namespace tavisto
