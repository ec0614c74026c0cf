#include "BulkEdits.h"

#include "TextConversions.h"
#include "WeekPlan.h"

#include <algorithm>
#include <array>

namespace tavisto {

namespace {

// The timings of one table by slot; chosen without one hold nothing.
class TableTimings {
public:
    TableTimings(const TimingSet& set, const SlotSelection& table) : last_(lastSlot(table))
    {
        for (int slot = 1; slot <= last_; ++slot) {
            if (!slotHoldsTiming(set, table, slot))
                continue;
            CP cp;
            LoadBuftoCP(set.Buffer, table, static_cast<std::uint8_t>(slot), cp);
            bySlot_[static_cast<std::size_t>(slot)] = cp;
        }
    }
    const std::optional<CP>& at(int slot) const { return bySlot_[inTable(slot) ? std::size_t(slot) : 0]; }
    bool inTable(int slot) const { return slot >= 1 && slot <= last_; }
    // The chosen of `chosen` that hold a timing, ascending and each once.
    std::vector<int> among(std::vector<int> chosen) const
    {
        std::sort(chosen.begin(), chosen.end());
        chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
        chosen.erase(std::remove_if(chosen.begin(), chosen.end(), [this](int slot) { return !at(slot); }),
                     chosen.end());
        return chosen;
    }

private:
    int last_;
    std::array<std::optional<CP>, kProgramSlots + 1> bySlot_;
};

bool hasSpan(const SlotSelection& table)
{
    return table.EditObject == kRandomProgram || table.Type == TimingType::Peripheral;
}

BulkOutcome refused(std::string why, std::vector<int> concerned = {})
{
    return {std::nullopt, std::move(why), std::move(concerned)};
}

BulkOutcome noRoom(std::size_t free, std::size_t needed)
{
    return refused("只有 " + std::to_string(free) + " 个空位，需要 " + std::to_string(needed) + " 个");
}

const char kNothingSelected[] = "选中的行没有定时";

void setStart(CP& cp, int minute)
{
    cp.StartHour = toBcd(minute / 60);
    cp.StartMinute = toBcd(minute % 60);
}

void setEnd(CP& cp, int minute)
{
    cp.EndHour = toBcd(minute / 60);
    cp.EndMinute = toBcd(minute % 60);
}

int dayMinute(int minute)
{
    return (minute % kMinutesPerDay + kMinutesPerDay) % kMinutesPerDay;
}

// Writes each record into the next free slot, numbered as its slot.
BulkOutcome intoFreeSlots(const TimingSet& set, const SlotSelection& table, std::vector<CP> records)
{
    const std::vector<int> free = freeSlots(set, table);
    if (free.size() < records.size())
        return noRoom(free.size(), records.size());
    BulkOutcome done{set, {}, {}};
    for (std::size_t i = 0; i < records.size(); ++i) {
        records[i].Serial = static_cast<std::uint8_t>(free[i]);
        SaveCPtoBuf(done.set->Buffer, table, records[i].Serial, records[i]);
        done.touched.push_back(free[i]);
    }
    return done;
}

}  // namespace

bool slotHoldsTiming(const TimingSet& set, const SlotSelection& table, int slot)
{
    const bool random = table.EditObject == kRandomProgram;
    const std::uint8_t* bytes =
        random ? set.Buffer.randomSlot(slot) : set.Buffer.programSlot(table.EditObject, table.Type, slot);
    const std::uint8_t* end = bytes + (random ? kRandomSlotSize : kProgramSlotSize);
    return !isEmptySerial(bytes[0]) && std::any_of(bytes + 1, end, [](std::uint8_t b) { return b != 0; });
}

std::vector<int> freeSlots(const TimingSet& set, const SlotSelection& table)
{
    const TableTimings timings(set, table);
    std::vector<int> free;
    for (int slot = 1; slot <= lastSlot(table); ++slot)
        if (!timings.at(slot))
            free.push_back(slot);
    return free;
}

BulkOutcome addSeries(const TimingSet& set, const SlotSelection& table, int model,
                      const std::vector<int>& minutes)
{
    const std::optional<CP> shape = TableTimings(set, table).at(model);
    if (!shape)
        return refused(kNothingSelected);
    const std::optional<int> start = minuteOf(shape->StartHour, shape->StartMinute);
    const std::optional<int> end = minuteOf(shape->EndHour, shape->EndMinute);
    if (!start || (hasSpan(table) && !end))
        return refused("样板定时的时间无效", {model});
    std::vector<int> times = minutes;
    std::sort(times.begin(), times.end());
    std::vector<CP> copies;
    for (int minute : times) {
        if (minute == *start)
            continue;
        CP copy = *shape;
        setStart(copy, minute);
        if (hasSpan(table))
            setEnd(copy, dayMinute(minute + *end - *start));
        copies.push_back(copy);
    }
    if (copies.empty())
        return refused("没有要添加的时间");
    return intoFreeSlots(set, table, std::move(copies));
}

BulkOutcome copyTimings(const TimingSet& set, const SlotSelection& table, const std::vector<int>& chosen,
                        std::uint8_t days, std::uint8_t zones)
{
    const TableTimings timings(set, table);
    const std::vector<int> sources = timings.among(chosen);
    if (sources.empty())
        return refused(kNothingSelected);
    if ((days & 0x7F) == 0)
        return refused("没有选择星期");
    std::vector<CP> copies;
    for (int slot : sources) {
        CP copy = *timings.at(slot);
        copy.Weekdays = days & 0x7F;
        copy.Zones = zones & 0x3F;
        copies.push_back(copy);
    }
    return intoFreeSlots(set, table, std::move(copies));
}

BulkOutcome shiftTimings(const TimingSet& set, const SlotSelection& table, const std::vector<int>& chosen,
                         int minutes)
{
    const TableTimings timings(set, table);
    const std::vector<int> moved = timings.among(chosen);
    if (moved.empty())
        return refused(kNothingSelected);
    std::vector<int> badTime, outOfDay;
    for (int slot : moved) {
        const CP& cp = *timings.at(slot);
        const std::optional<int> start = minuteOf(cp.StartHour, cp.StartMinute);
        if (!start || (hasSpan(table) && !minuteOf(cp.EndHour, cp.EndMinute)))
            badTime.push_back(slot);
        else if (*start + minutes < 0 || *start + minutes >= kMinutesPerDay)
            outOfDay.push_back(slot);
    }
    if (!badTime.empty())
        return refused("定时时间无效，无法平移", badTime);
    if (!outOfDay.empty())
        return refused("平移后开始时间将超出 00:00–23:59", outOfDay);
    BulkOutcome done{set, {}, moved};
    for (int slot : moved) {
        CP cp = *timings.at(slot);
        setStart(cp, *minuteOf(cp.StartHour, cp.StartMinute) + minutes);
        if (hasSpan(table))
            setEnd(cp, dayMinute(*minuteOf(cp.EndHour, cp.EndMinute) + minutes));
        SaveCPtoBuf(done.set->Buffer, table, static_cast<std::uint8_t>(slot), cp);
    }
    return done;
}

BulkOutcome setDaysAndZones(const TimingSet& set, const SlotSelection& table, const std::vector<int>& chosen,
                            BitChange days, BitChange zones)
{
    const TableTimings timings(set, table);
    const std::vector<int> changed = timings.among(chosen);
    if (changed.empty())
        return refused(kNothingSelected);
    BulkOutcome done{set, {}, changed};
    for (int slot : changed) {
        CP cp = *timings.at(slot);
        cp.Weekdays = days.appliedTo(cp.Weekdays);
        cp.Zones = zones.appliedTo(cp.Zones);
        SaveCPtoBuf(done.set->Buffer, table, static_cast<std::uint8_t>(slot), cp);
    }
    return done;
}

BulkOutcome clearTimings(const TimingSet& set, const SlotSelection& table, const std::vector<int>& chosen)
{
    const TableTimings timings(set, table);
    BulkOutcome done{set, {}, {}};
    CP empty;
    empty.Serial = 0;
    ClearCP(empty);
    for (int slot : chosen) {
        if (!timings.inTable(slot))
            continue;
        SaveCPtoBuf(done.set->Buffer, table, static_cast<std::uint8_t>(slot), empty);
        done.touched.push_back(slot);
    }
    return done;
}

}  // namespace tavisto
