// The schedule written as a table.
#include "CsvText.h"
#include "ScheduleTable.h"

#include <cstdio>

namespace quennet {

namespace {
std::string clockCell(int hour, int minute)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
    return text;
}
}  // namespace

std::vector<std::string> tableRow(int program, const TimingEntry& entry)
{
    std::vector<std::string> cells(kTableColumnCount);
    const auto set = [&cells](TableColumn column, std::string text) { cells[int(column)] = std::move(text); };
    set(TableColumn::Program, std::to_string(program + 1));
    set(TableColumn::Slot, std::to_string(entry.EntryNo));
    set(TableColumn::Start, clockCell(entry.Hour, entry.Minute));
    switch (kindOf(entry)) {
    case TimingKind::Music:
        set(TableColumn::Kind, isRecording(entry) ? "录音" : "音乐");
        set(TableColumn::Track1, std::to_string(entry.MainTrack));
        set(TableColumn::Track2, std::to_string(entry.SecondTrack));
        set(TableColumn::Track3, std::to_string(entry.ThirdTrack));
        set(TableColumn::RandomFrom, std::to_string(entry.RangeFromOrEndHour));
        set(TableColumn::RandomTo, std::to_string(entry.RangeToOrEndMinute));
        break;
    case TimingKind::Radio:
        set(TableColumn::Kind, "收音");
        set(TableColumn::Station, std::to_string(entry.MainTrack));
        set(TableColumn::End, clockCell(entry.RangeFromOrEndHour, entry.RangeToOrEndMinute));
        break;
    case TimingKind::Peripheral:
        set(TableColumn::Kind, "外设");
        set(TableColumn::End, clockCell(entry.RangeFromOrEndHour, entry.RangeToOrEndMinute));
        break;
    }
    set(TableColumn::Days, daysCell(entry.DayBits));
    set(TableColumn::Zones, zonesCell(entry.ZoneBits));
    return cells;
}

std::string exportTable(const std::array<std::vector<TimingEntry>, kProgramCount>& programs,
                        std::optional<int> program)
{
    std::vector<std::string> header;
    for (const TableHeader& column : kTableHeaders)
        header.emplace_back(column.chinese);
    std::string text = kUtf8Bom + writeCsvRow(header);
    for (int p = 0; p < kProgramCount; ++p) {
        if (program && *program != p)
            continue;
        for (const TimingEntry& entry : programs[std::size_t(p)])
            text += writeCsvRow(tableRow(p, entry));
    }
    return text;
}

}  // namespace quennet
