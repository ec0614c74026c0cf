#include "ProgramTable.h"

namespace quennet {

std::vector<TimingEntry> ProgramTable::ValidEntries() const
{
    std::vector<TimingEntry> valid;
    for (int position = 1; position <= MaxTimings; ++position) {
        const TimingEntry& entry = slots[position - 1];
        if (entry.EntryNo == position)
            valid.push_back(entry);
    }
    return valid;
}

} // namespace quennet
