#include "ProgramTable.h"

namespace quennet {

std::vector<TimingEntry> ProgramTable::validEntries() const
{
    std::vector<TimingEntry> valid;
    for (int position = 1; position <= kMaxTimings; ++position) {
        const TimingEntry& entry = at(position);
        if (entry.EntryNo == position)
            valid.push_back(entry);
    }
    return valid;
}

}  // namespace quennet
