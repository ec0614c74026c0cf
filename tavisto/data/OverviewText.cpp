#include "OverviewText.h"

#include "TextConversions.h"

namespace tavisto {

namespace {

std::string timeText(std::uint8_t hour, std::uint8_t minute)
{
    return MyBcdToStr(hour) + ":" + MyBcdToStr(minute);
}

std::string spanText(const CP& cp)
{
    return "从 " + timeText(cp.StartHour, cp.StartMinute) + " 到 " + timeText(cp.EndHour, cp.EndMinute);
}

}  // namespace

std::string LinkStr(std::uint8_t value)
{
    std::string text = (value & 0x01) ? "1" : " ";
    for (int bit = 1; bit <= 5; ++bit)
        text += (value & (1 << bit)) ? "-" + std::to_string(bit + 1) : "- ";
    text += (value & 0x40) ? "-日" : "- ";
    return text;
}

OverviewRow overviewRow(const SlotSelection& selection, int slot, const CP& cp)
{
    OverviewRow row;
    row[0] = MyIntToStr(slot);
    if (selection.EditObject == kRandomProgram) {
        row[1] = "曲目范围从 " + MyIntToStr(cp.FirstTrack) + " 到 " + MyIntToStr(cp.LastTrack)
            + (cp.PlayMode == 1 ? " 顺序" : " 随机") + "播放";
        row[2] = spanText(cp);
    } else if (selection.Type == TimingType::Music) {
        row[1] = "指定曲目 " + MyIntToStr(cp.Track1) + " - " + MyIntToStr(cp.Track2) + " - "
            + MyIntToStr(cp.Track3);
        row[2] = timeText(cp.StartHour, cp.StartMinute);
    } else {
        row[1] = "外设工作";
        row[2] = spanText(cp);
    }
    row[3] = LinkStr(cp.Weekdays);
    row[4] = LinkStr(cp.Zones & 0x3F);
    return row;
}

}  // namespace tavisto
