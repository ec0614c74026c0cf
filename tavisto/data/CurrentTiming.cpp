#include "CurrentTiming.h"

#include <algorithm>
#include <utility>

namespace tavisto {

namespace {

int resolveSlot(const SlotSelection& selection, std::uint8_t slot, int last)
{
    const int wanted = slot == 0 ? selection.SlotNo : slot;
    return std::clamp(wanted, 1, last);
}

bool isStandardProgram(std::uint8_t editObject)
{
    return editObject >= 1 && editObject <= kProgramCount;
}

// Takes the slot's Serial; an empty slot leaves CP cleared and nothing more to read.
bool loadSerial(const std::uint8_t* slot, CP& cp)
{
    cp.Serial = slot[0];
    if (isEmptySerial(slot[0])) {
        ClearCP(cp);
        return false;
    }
    return true;
}

// The bytes of the slot, or nothing outside the nine tables.
std::pair<const std::uint8_t*, std::size_t> slotBytes(const TimingBuffer& buffer,
                                                      const SlotSelection& selection, std::uint8_t slot)
{
    if (selection.EditObject == kRandomProgram)
        return {buffer.randomSlot(resolveSlot(selection, slot, kRandomSlots)), kRandomSlotSize};
    if (!isStandardProgram(selection.EditObject))
        return {nullptr, 0};
    return {
        buffer.programSlot(selection.EditObject, selection.Type, resolveSlot(selection, slot, kProgramSlots)),
        kProgramSlotSize};
}

}  // namespace

bool holdsTiming(const TimingBuffer& buffer, const SlotSelection& selection, std::uint8_t slot)
{
    const auto [bytes, size] = slotBytes(buffer, selection, slot);
    return bytes && !isEmptySerial(bytes[0])
        && std::any_of(bytes + 1, bytes + size, [](std::uint8_t byte) { return byte != 0; });
}

void ClearCP(CP& cp)
{
    const std::uint8_t serial = cp.Serial;
    cp = CP{};
    cp.Serial = serial;
}

void LoadBuftoCP(const TimingBuffer& buffer, const SlotSelection& selection, std::uint8_t slot, CP& cp)
{
    if (selection.EditObject == kRandomProgram) {
        const std::uint8_t* s = buffer.randomSlot(resolveSlot(selection, slot, kRandomSlots));
        if (!loadSerial(s, cp))
            return;
        cp.StartHour = s[1];
        cp.StartMinute = s[2];
        cp.EndHour = s[3];
        cp.EndMinute = s[4];
        cp.PlayMode = s[5];
        cp.Weekdays = s[6];
        cp.Zones = s[7];
        cp.FirstTrack = s[8];
        cp.LastTrack = s[9];
        return;
    }
    if (!isStandardProgram(selection.EditObject))
        return;
    const std::uint8_t* s =
        buffer.programSlot(selection.EditObject, selection.Type, resolveSlot(selection, slot, kProgramSlots));
    if (!loadSerial(s, cp))
        return;
    cp.StartHour = s[1];
    cp.StartMinute = s[2];
    if (selection.Type == TimingType::Music) {
        cp.Track1 = s[3];
        cp.Track2 = s[4];
        cp.Track3 = s[5];
    } else {
        cp.EndHour = s[3];
        cp.EndMinute = s[4];
    }
    cp.Weekdays = s[6];
    cp.Zones = s[7];
}

void SaveCPtoBuf(TimingBuffer& buffer, const SlotSelection& selection, std::uint8_t slot, const CP& cp)
{
    if (selection.EditObject == kRandomProgram) {
        std::uint8_t* s = buffer.randomSlot(resolveSlot(selection, slot, kRandomSlots));
        const std::uint8_t record[kRandomSlotSize] = {cp.Serial,     cp.StartHour, cp.StartMinute, cp.EndHour,
                                                      cp.EndMinute,  cp.PlayMode,  cp.Weekdays,    cp.Zones,
                                                      cp.FirstTrack, cp.LastTrack};
        std::copy(record, record + kRandomSlotSize, s);
        return;
    }
    if (!isStandardProgram(selection.EditObject))
        return;
    std::uint8_t* s =
        buffer.programSlot(selection.EditObject, selection.Type, resolveSlot(selection, slot, kProgramSlots));
    const bool music = selection.Type == TimingType::Music;
    const std::uint8_t record[kProgramSlotSize] = {
        cp.Serial,
        cp.StartHour,
        cp.StartMinute,
        music ? cp.Track1 : cp.EndHour,
        music ? cp.Track2 : cp.EndMinute,
        music ? cp.Track3 : std::uint8_t{0x00},  // reserved byte of a peripheral slot
        cp.Weekdays,
        cp.Zones};
    std::copy(record, record + kProgramSlotSize, s);
}

}  // namespace tavisto
