// Reading a table back: every row is checked before anything is taken, and every fault is told.
#include "BulkEdits.h"
#include "CsvText.h"
#include "ProgramTable.h"
#include "ScheduleTable.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace quennet {

namespace {
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

const char* kindName(RowKind kind)
{
    const char* const names[] = {"音乐", "录音", "收音", "外设"};
    return names[int(kind)];
}

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
    explicit TableReader(const std::vector<std::uint8_t>& image) : image_(image)
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
            return refuse(1, "", "", "文件不是 UTF-8 或 GB18030 文本");
        const CsvTable table = readCsv(*text);
        if (table.unclosedQuote)
            fault(table.unclosedQuote, "", "", "引号没有结束");
        if (table.rows.empty())
            return refuse(1, "", "", "没有表头");
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

    void fault(int line, std::string column, std::string value, std::string reason)
    {
        result_.faults.push_back({line, std::move(column), std::move(value), std::move(reason)});
    }
    TableImport refuse(int line, std::string column, std::string value, std::string reason)
    {
        fault(line, std::move(column), std::move(value), std::move(reason));
        return finish();
    }
    void fault(const CsvRow& row, TableColumn column, const std::string& reason)
    {
        fault(row.line, nameOf(column), cell(row, column), reason);
    }

    std::string nameOf(TableColumn column) const
    {
        const std::string& name = columns_.names[std::size_t(column)];
        return name.empty() ? kTableColumns[std::size_t(column)].chinese : name;
    }
    bool has(TableColumn column) const { return columns_.at[std::size_t(column)] >= 0; }
    std::string cell(const CsvRow& row, TableColumn column) const
    {
        const int at = columns_.at[std::size_t(column)];
        return at >= 0 && std::size_t(at) < row.cells.size() ? trimCell(row.cells[std::size_t(at)])
                                                             : std::string();
    }

    bool readHeader(const CsvRow& header)
    {
        columns_.at.fill(-1);
        const std::size_t before = result_.faults.size();
        for (std::size_t i = 0; i < header.cells.size(); ++i) {
            const std::string name = trimCell(header.cells[i]);
            if (name.empty())
                continue;  // a spreadsheet's trailing empty column; a cell below it is a fault
            int column = 0;
            while (column < kTableColumnCount && name != kTableColumns[std::size_t(column)].chinese
                   && lowerCase(name) != kTableColumns[std::size_t(column)].english)
                ++column;
            if (column == kTableColumnCount) {
                fault(header.line, name, "", "不认识这一列");
            } else if (columns_.at[std::size_t(column)] >= 0) {
                fault(header.line, name, "", "这一列出现了两次");
            } else {
                columns_.at[std::size_t(column)] = int(i);
                columns_.names[std::size_t(column)] = name;
            }
        }
        for (const TableColumn needed : {TableColumn::Program, TableColumn::Kind, TableColumn::Start}) {
            if (!has(needed))
                fault(header.line, nameOf(needed), "", "缺少这一列");
        }
        return result_.faults.size() == before;
    }

    // The row's program and position, and the cells that lie under no column.
    Pending place(const CsvRow& row)
    {
        Pending pending{&row};
        for (std::size_t i = 0; i < row.cells.size(); ++i) {
            const bool named = std::find(columns_.at.begin(), columns_.at.end(), int(i)) != columns_.at.end();
            if (!named && !trimCell(row.cells[i]).empty())
                fault(row.line, "", trimCell(row.cells[i]), "这一格不在任何一列之下");
        }
        const std::optional<int> program = number(row, TableColumn::Program, 1, kProgramCount, true);
        const std::optional<int> position = number(row, TableColumn::Slot, 1, kMaxTimings, false);
        if (!program)
            return pending;
        pending.program = *program - 1;
        if (cell(row, TableColumn::Slot).empty()) {
            pending.position = 0;
        } else if (position) {
            const auto [at, added] = taken_.try_emplace({pending.program, *position}, row.line);
            if (added) {
                pending.position = *position;
                pending.named = true;
            } else
                fault(row, TableColumn::Slot, "第 " + std::to_string(at->second) + " 行已用了这个序号");
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
                fault(row.row->line, has(TableColumn::Slot) ? nameOf(TableColumn::Slot) : std::string(), "",
                      "程序" + std::to_string(row.program + 1) + " 最多只能有 99 条定时");
            } else {
                row.position = position++;
            }
        }
    }

    // The cell as a number low..high; nothing, and a fault, when it is not one. An empty cell is a
    // fault only where a value is needed.
    std::optional<int> number(const CsvRow& row, TableColumn column, int low, int high, bool needed)
    {
        const std::string text = cell(row, column);
        if (text.empty()) {
            if (needed)
                fault(row, column, "不能为空");
            return std::nullopt;
        }
        const std::optional<int> value = readNumber(text);
        if (!value)
            fault(row, column, "不是数字");
        else if (*value < low || *value > high)
            fault(row, column, "只能是 " + std::to_string(low) + " 到 " + std::to_string(high));
        return value && *value >= low && *value <= high ? value : std::nullopt;
    }

    // A time into two bytes; an empty cell keeps them when `keep`, else is a fault.
    bool time(const CsvRow& row, TableColumn column, bool keep, std::uint8_t& hour, std::uint8_t& minute)
    {
        const std::string text = cell(row, column);
        if (text.empty()) {
            if (!keep)
                fault(row, column, "不能为空");
            return keep;
        }
        const std::optional<int> value = readTime(text);
        if (!value) {
            fault(row, column, "不是 0:00 到 23:59 之间的时间");
            return false;
        }
        hour = std::uint8_t(*value / 60);
        minute = std::uint8_t(*value % 60);
        return true;
    }

    // A track or station into its byte; an empty cell keeps it when `keep`, else is a fault
    // (`needed`) or 0.
    bool track(const CsvRow& row, TableColumn column, bool keep, bool needed, std::uint8_t& byte)
    {
        if (cell(row, column).empty()) {
            if (!keep && needed)
                fault(row, column, "不能为空");
            if (!keep)
                byte = 0;
            return keep || !needed;
        }
        const std::optional<int> value = number(row, column, 0, 99, false);
        if (value)
            byte = std::uint8_t(*value);
        return value.has_value();
    }

    // The bits of days or zones; without the column the timing keeps its own.
    bool bits(const CsvRow& row, TableColumn column, std::uint8_t& byte)
    {
        if (!has(column))
            return true;
        const bool days = column == TableColumn::Days;
        const std::optional<std::uint8_t> value =
            days ? readDays(cell(row, column)) : readZones(cell(row, column));
        if (!value)
            fault(row, column, days ? "只能由 一二三四五六日 组成" : "只能由 1 到 4 组成");
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
            fault(row, TableColumn::Kind,
                  cell(row, TableColumn::Kind).empty() ? "不能为空" : "只能是 音乐、录音、收音 或 外设");
            return std::nullopt;
        }
        bool good = true;
        for (int column = 0; column < kTableColumnCount; ++column) {
            if (!uses(*kind, TableColumn(column)) && !cell(row, TableColumn(column)).empty()) {
                fault(row, TableColumn(column), std::string(kindName(*kind)) + "定时没有这一项");
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
                      *kind == RowKind::Recording ? "录音的曲目1只能是 95 到 99"
                                                  : "曲目 95 到 99 是录音，类型应为录音");
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
    std::array<ProgramTable, kProgramCount> tables_{};
    Columns columns_;
    std::map<std::pair<int, int>, int> taken_;  // (program, position) -> the line that names it
    TableImport result_;
};
}  // namespace

TableImport importTable(const std::vector<std::uint8_t>& image, const std::string& bytes)
{
    return TableReader(image).read(bytes);
}

}  // namespace quennet
