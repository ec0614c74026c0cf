// The schedule written as a table.
#include "CsvText.h"
#include "ScheduleTable.h"
#include "TextConversions.h"
#include "WeekPlan.h"

namespace tavisto {

namespace {

std::string clockCell(std::uint8_t hour, std::uint8_t minute)
{
    return MyBcdToStr(hour) + ":" + MyBcdToStr(minute);
}

std::vector<std::string> timingCells(const TimingRef& timing, const CP& cp)
{
    std::vector<std::string> cells(kTableColumnCount);
    auto cell = [&](TableColumn column) -> std::string& { return cells[static_cast<std::size_t>(column)]; };
    const bool random = timing.kind == TimingKind::Random;
    cell(TableColumn::Program) = random ? "随机" : std::to_string(timing.program);
    cell(TableColumn::Kind) = random ? "随机" : timing.kind == TimingKind::Music ? "音乐" : "外设";
    cell(TableColumn::Slot) = std::to_string(timing.slot);
    cell(TableColumn::Start) = clockCell(cp.StartHour, cp.StartMinute);
    if (timing.kind == TimingKind::Music) {
        cell(TableColumn::Track1) = std::to_string(cp.Track1);
        cell(TableColumn::Track2) = std::to_string(cp.Track2);
        cell(TableColumn::Track3) = std::to_string(cp.Track3);
    } else {
        cell(TableColumn::End) = clockCell(cp.EndHour, cp.EndMinute);
    }
    if (random) {
        cell(TableColumn::FirstTrack) = std::to_string(cp.FirstTrack);
        cell(TableColumn::LastTrack) = std::to_string(cp.LastTrack);
        cell(TableColumn::Order) = cp.PlayMode == 1 ? "顺序" : "随机";
    }
    cell(TableColumn::Days) = daysCell(cp.Weekdays & 0x7F);
    cell(TableColumn::Zones) = zonesCell(cp.Zones & 0x3F);
    return cells;
}

void writeTable(const TimingSet& set, TimingKind kind, int program, std::string& text)
{
    for (const auto& [timing, cp] : usedTimings(set, tableOf(kind, program)))
        text += writeCsvRow(timingCells(timing, cp));
}

}  // namespace

std::string exportTable(const TimingSet& set, int programs)
{
    std::vector<std::string> header;
    for (const TableHeader& column : kTableHeaders)
        header.emplace_back(column.chinese);
    std::string text = kUtf8Bom + writeCsvRow(header);
    for (int program = 1; program <= kProgramCount; ++program) {
        if (programs != kAllPrograms && programs != program)
            continue;
        writeTable(set, TimingKind::Music, program, text);
        writeTable(set, TimingKind::Peripheral, program, text);
    }
    if (programs == kAllPrograms || programs == kRandomProgram)
        writeTable(set, TimingKind::Random, 0, text);
    return text;
}

}  // namespace tavisto
