// Reading a table back: every row is checked before anything is taken, and every fault is told.
#include "BulkEdits.h"
#include "CsvText.h"
#include "ProgramTable.h"
#include "ScheduleTable.h"
#include "ScheduleTableFaults.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace quennet {

namespace {
// In the order of FaultReason::NotOfMusic ..
enum class RowKind { Music, Recording, Radio, Peripheral };

struct KindWord {
    const char* word;
    RowKind kind;
};
// The table's words, the editor's type list and the check list's, and English.
constexpr KindWord kKindWords[] = {
    {"音乐", RowKind::Music},      {"音乐定时", RowKind::Music},      {"music", RowKind::Music},
    {"录音", RowKind::Recording},  {"recording", RowKind::Recording}, {"收音", RowKind::Radio},
    {"收音定时", RowKind::Radio},  {"FM收音", RowKind::Radio},        {"radio", RowKind::Radio},
    {"外设", RowKind::Peripheral}, {"外设设定", RowKind::Peripheral}, {"peripheral", RowKind::Peripheral},
};

RowKind rowKindOf(const TimingEntry& entry)
{
    switch (kindOf(entry)) {
    case TimingKind::Radio: return RowKind::Radio;
    case TimingKind::Peripheral: return RowKind::Peripheral;
    default: return isRecording(entry) ? RowKind::Recording : RowKind::Music;
    }
}

bool playsTracks(RowKind kind)
{
    return kind == RowKind::Music || kind == RowKind::Recording;
}

bool hasEnd(RowKind kind)
{
    return kind == RowKind::Radio || kind == RowKind::Peripheral;
}

bool uses(RowKind kind, TableColumn column)
{
    switch (column) {
    case TableColumn::End: return hasEnd(kind);
    case TableColumn::Station: return kind == RowKind::Radio;
    case TableColumn::Track1:
    case TableColumn::Track2:
    case TableColumn::Track3:
    case TableColumn::RandomFrom:
    case TableColumn::RandomTo: return playsTracks(kind);
    default: return true;
    }
}

std::string lowerCase(std::string text)
{
    for (char& c : text)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::optional<RowKind> readKind(const std::string& cell)
{
    for (const KindWord& word : kKindWords) {
        if (cell == word.word || lowerCase(cell) == word.word)
            return word.kind;
    }
    return std::nullopt;
}

// Where each column is in the file, and its header as the file writes it.
struct Columns {
    std::array<int, kTableColumnCount> at;
    std::array<std::string, kTableColumnCount> names;
};

// A timing that no row has read yet: the editor's start values, as 添加保存 would store them.
TimingEntry newEntry(int position)
{
    TimingEntry entry;
    entry.EntryNo = std::uint8_t(position);
    entry.DayBits = kWorkdayBits;
    entry.ZoneBits = kAllZoneBits;
    return entry;
}

class TableReader {
public:
    TableReader(const std::vector<std::uint8_t>& image, TableWording wording)
        : image_(image), wording_(wording)
    {
        for (int program = 0; program < kProgramCount; ++program) {
            const long offset = programOffset(program);
            const long size = std::min<long>(long(sizeof tables_[0].entries), long(image.size()) - offset);
            if (size > 0)
                std::memcpy(static_cast<void*>(tables_[std::size_t(program)].entries.data()),
                            image.data() + offset, std::size_t(size));
        }
    }

    TableImport read(const std::string& bytes)
    {
        const std::optional<std::string> text = decodeCsv(bytes);
        if (!text)
            return refuse(1, FaultReason::NotText);
        const CsvText table = readCsv(*text);
        if (table.unclosedQuote)
            fault(table.unclosedQuote, "", "", FaultReason::OpenQuote);
        if (table.rows.empty())
            return refuse(1, FaultReason::NoHeader);
        if (!readHeader(table.rows.front()))
            return finish();
        std::vector<Pending> rows;
        for (std::size_t i = 1; i < table.rows.size(); ++i)
            rows.push_back(place(table.rows[i]));
        fillFreePositions(rows);
        for (const Pending& row : rows) {
            if (row.program >= 0 && row.position > 0) {
                if (const std::optional<TimingEntry> entry = readEntry(row))
                    result_.programs[row.program].push_back(*entry);
            }
        }
        return finish();
    }

private:
    struct Pending {
        const CsvRow* row;
        int program = -1;    // -1 when it could not be read
        int position = -1;   // 0: the lowest free position; -1 when it could not be read
        bool named = false;  // by its 序号: the timing there is the one the row edits
    };

    void fault(int line, std::string column, std::string value, FaultReason reason, int number = 0)
    {
        result_.faults.push_back(
            {line, std::move(column), std::move(value), faultWords(reason, wording_, number)});
    }
    TableImport refuse(int line, FaultReason reason)
    {
        fault(line, "", "", reason);
        return finish();
    }
    void fault(const CsvRow& row, TableColumn column, FaultReason reason, int number = 0)
    {
        fault(row.line, nameOf(column), cell(row, column), reason, number);
    }

    // The header as the file writes it; one the file lacks in the fault's words.
    std::string nameOf(TableColumn column) const
    {
        const std::string& name = columns_.names[std::size_t(column)];
        const TableHeader& named = kTableHeaders[std::size_t(column)];
        return !name.empty() ? name : wording_ == TableWording::Chinese ? named.chinese : named.english;
    }
    bool has(TableColumn column) const { return columns_.at[std::size_t(column)] >= 0; }
    std::string cell(const CsvRow& row, TableColumn column) const
    {
        const int at = columns_.at[std::size_t(column)];
        return at >= 0 && std::size_t(at) < row.cells.size() ? trimmedCell(row.cells[std::size_t(at)])
                                                             : std::string();
    }

    bool readHeader(const CsvRow& header)
    {
        columns_.at.fill(-1);
        const std::size_t before = result_.faults.size();
        for (std::size_t i = 0; i < header.cells.size(); ++i) {
            const std::string name = trimmedCell(header.cells[i]);
            if (name.empty())
                continue;  // a spreadsheet's trailing empty column; a cell below it is a fault
            int column = 0;
            while (column < kTableColumnCount && name != kTableHeaders[std::size_t(column)].chinese
                   && lowerCase(name) != kTableHeaders[std::size_t(column)].english)
                ++column;
            if (column == kTableColumnCount) {
                fault(header.line, name, "", FaultReason::UnknownColumn);
            } else if (columns_.at[std::size_t(column)] >= 0) {
                fault(header.line, name, "", FaultReason::TwiceColumn);
            } else {
                columns_.at[std::size_t(column)] = int(i);
                columns_.names[std::size_t(column)] = name;
            }
        }
        for (const TableColumn needed : {TableColumn::Program, TableColumn::Kind, TableColumn::Start}) {
            if (!has(needed))
                fault(header.line, nameOf(needed), "", FaultReason::MissingColumn);
        }
        return result_.faults.size() == before;
    }

    // The row's program and position, and the cells that lie under no column.
    Pending place(const CsvRow& row)
    {
        Pending pending{&row};
        for (std::size_t i = 0; i < row.cells.size(); ++i) {
            const bool named = std::find(columns_.at.begin(), columns_.at.end(), int(i)) != columns_.at.end();
            if (!named && !trimmedCell(row.cells[i]).empty())
                fault(row.line, "", trimmedCell(row.cells[i]), FaultReason::BeyondHeader);
        }
        const std::optional<int> program = readNumberCell(cell(row, TableColumn::Program), 1, kProgramCount);
        if (!program)
            fault(row, TableColumn::Program, FaultReason::BadProgram);
        const bool slotGiven = !cell(row, TableColumn::Slot).empty();
        const std::optional<int> position = readNumberCell(cell(row, TableColumn::Slot), 1, kMaxTimings);
        if (slotGiven && !position)
            fault(row, TableColumn::Slot, FaultReason::BadSlot, kMaxTimings);
        if (!program)
            return pending;
        pending.program = *program - 1;
        if (!slotGiven) {
            pending.position = 0;
        } else if (position) {
            const auto [at, added] = taken_.try_emplace({pending.program, *position}, row.line);
            if (added) {
                pending.position = *position;
                pending.named = true;
            } else
                fault(row, TableColumn::Slot, FaultReason::SlotTaken, at->second);
        }
        return pending;
    }

    // Rows without 序号 take the lowest positions no row names, in their order.
    void fillFreePositions(std::vector<Pending>& rows)
    {
        std::array<int, kProgramCount> next{1, 1, 1, 1};
        for (Pending& row : rows) {
            if (row.position != 0)
                continue;
            int& position = next[std::size_t(row.program)];
            while (position <= kMaxTimings && taken_.count({row.program, position}))
                ++position;
            if (position > kMaxTimings) {
                row.position = -1;
                fault(row.row->line, nameOf(TableColumn::Slot), "", FaultReason::TableFull, kMaxTimings);
            } else {
                row.position = position++;
            }
        }
    }

    // A time into two bytes. Without the column the timing keeps its time when `keep`; an empty
    // cell is no time.
    bool time(const CsvRow& row, TableColumn column, bool keep, std::uint8_t& hour, std::uint8_t& minute)
    {
        const std::string text = cell(row, column);
        if (text.empty()) {
            const bool kept = keep && !has(column);
            if (!kept)
                fault(row, column, FaultReason::NoTime);
            return kept;
        }
        const std::optional<int> value = readTimeCell(text);
        if (!value) {
            fault(row, column, FaultReason::BadTime);
            return false;
        }
        hour = std::uint8_t(*value / 60);
        minute = std::uint8_t(*value % 60);
        return true;
    }

    // A track or station into its byte. Without the column the timing keeps it when `keep`; an
    // empty cell is 0, or a fault where a value is `needed`.
    bool track(const CsvRow& row, TableColumn column, bool keep, bool needed, std::uint8_t& byte)
    {
        const bool station = column == TableColumn::Station;
        if (cell(row, column).empty()) {
            const bool kept = keep && !has(column);
            if (!kept && needed)
                fault(row, column, station ? FaultReason::NoStation : FaultReason::NoTrack);
            if (!kept)
                byte = 0;
            return kept || !needed;
        }
        const std::optional<int> value = readNumberCell(cell(row, column), 0, 99);
        if (value)
            byte = std::uint8_t(*value);
        else
            fault(row, column, station ? FaultReason::BadStation : FaultReason::BadTrack);
        return value.has_value();
    }

    // The bits of days or zones; without the column the timing keeps its own, an empty cell is none.
    bool bits(const CsvRow& row, TableColumn column, std::uint8_t& byte)
    {
        if (!has(column))
            return true;
        const bool days = column == TableColumn::Days;
        const std::optional<std::uint8_t> value =
            days ? readDaysCell(cell(row, column)) : readZonesCell(cell(row, column));
        if (!value)
            fault(row, column, days ? FaultReason::BadDays : FaultReason::BadZones);
        else
            byte = *value;
        return value.has_value();
    }

    bool unchanged(const CsvRow& row, const std::vector<std::string>& exported) const
    {
        for (int column = 0; column < kTableColumnCount; ++column) {
            if (has(TableColumn(column)) && cell(row, TableColumn(column)) != exported[std::size_t(column)])
                return false;
        }
        return true;
    }

    std::optional<TimingEntry> readEntry(const Pending& pending)
    {
        const CsvRow& row = *pending.row;
        const TimingEntry& slot = tables_[std::size_t(pending.program)].at(pending.position);
        // A row without 序号 is a new timing, whatever the free position held.
        const bool existing = pending.named && slot.EntryNo == pending.position;
        if (existing && unchanged(row, tableRow(pending.program, slot)))
            return slot;
        const std::optional<RowKind> kind = readKind(cell(row, TableColumn::Kind));
        if (!kind) {
            fault(row, TableColumn::Kind, FaultReason::BadKind);
            return std::nullopt;
        }
        bool good = true;
        for (int column = 0; column < kTableColumnCount; ++column) {
            if (!uses(*kind, TableColumn(column)) && !cell(row, TableColumn(column)).empty()) {
                fault(row, TableColumn(column), FaultReason(int(FaultReason::NotOfMusic) + int(*kind)));
                good = false;
            }
        }
        TimingEntry entry = existing ? slot : newEntry(pending.position);
        const RowKind before = existing ? rowKindOf(slot) : RowKind::Music;
        good &= time(row, TableColumn::Start, existing, entry.Hour, entry.Minute);
        good &= bits(row, TableColumn::Days, entry.DayBits);
        good &= bits(row, TableColumn::Zones, entry.ZoneBits);
        if (playsTracks(*kind)) {
            const bool keep = existing && playsTracks(before);
            entry.RadioFlag = 0;
            good &= track(row, TableColumn::Track1, keep, true, entry.MainTrack);
            good &= track(row, TableColumn::Track2, keep, false, entry.SecondTrack);
            good &= track(row, TableColumn::Track3, keep, false, entry.ThirdTrack);
            good &= track(row, TableColumn::RandomFrom, keep, false, entry.RangeFromOrEndHour);
            good &= track(row, TableColumn::RandomTo, keep, false, entry.RangeToOrEndMinute);
            if (good && (entry.MainTrack >= 95) != (*kind == RowKind::Recording)) {
                fault(row, TableColumn::Track1,
                      *kind == RowKind::Recording ? FaultReason::NotRecordingTrack
                                                  : FaultReason::RecordingTrack);
                good = false;
            }
        } else {
            const bool keep = existing && hasEnd(before);
            good &= time(row, TableColumn::End, keep, entry.RangeFromOrEndHour, entry.RangeToOrEndMinute);
            entry.RadioFlag = *kind == RowKind::Radio ? 1 : 0;
            if (*kind == RowKind::Radio)
                good &= track(row, TableColumn::Station, existing && before == RowKind::Radio, true,
                              entry.MainTrack);
            else
                entry.MainTrack = kPeripheralTrack;
        }
        return good ? std::optional<TimingEntry>(entry) : std::nullopt;
    }

    TableImport finish()
    {
        if (result_.refused()) {
            std::stable_sort(result_.faults.begin(), result_.faults.end(),
                             [](const TableFault& a, const TableFault& b) { return a.line < b.line; });
            result_.programs.clear();
            return std::move(result_);
        }
        result_.image = image_;
        if (result_.image.size() < std::size_t(kDataFileSize))
            result_.image.resize(kDataFileSize, 0);
        for (const auto& [program, entries] : result_.programs) {
            for (const EntryChange& change : replaceEntries(tables_[std::size_t(program)], program, entries))
                std::memcpy(result_.image.data() + entryOffset(program, change.position), &change.after,
                            sizeof change.after);
        }
        return std::move(result_);
    }

    const std::vector<std::uint8_t>& image_;
    TableWording wording_;
    std::array<ProgramTable, kProgramCount> tables_{};
    Columns columns_;
    std::map<std::pair<int, int>, int> taken_;  // (program, position) -> the line that names it
    TableImport result_;
};
}  // namespace

TableImport importTable(const std::vector<std::uint8_t>& image, const std::string& bytes,
                        TableWording wording)
{
    return TableReader(image, wording).read(bytes);
}

}  // namespace quennet
