#include "ScheduleHistory.h"

#include <utility>

namespace quennet {

void ScheduleHistory::push(ScheduleStep step)
{
    steps_.resize(done_);
    steps_.push_back(std::move(step));
    done_ = steps_.size();
}

void ScheduleHistory::clear()
{
    steps_.clear();
    done_ = 0;
}

}  // namespace quennet
