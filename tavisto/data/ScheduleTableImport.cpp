// The schedule read back from a table: every row checked before anything is written.
#include "CsvText.h"
#include "ScheduleTable.h"
#include "ScheduleTableFaults.h"
#include "TextConversions.h"
#include "WeekPlan.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace tavisto {

namespace {

constexpr int kRandomTableKey = kProgramTableCount;  // program tables are 0..7 by table index
constexpr std::uint8_t kSequential = 1;
constexpr std::uint8_t kShuffled = 0;  // as the editor stores 随机播放

// The fields of one row, each only when its column is there.
struct RowValues {
    std::optional<int> start, end;
    std::optional<std::uint8_t> tracks[3], firstTrack, lastTrack, order, days, zones;
};

struct ImportRow {
    int line = 0;
    int table = 0;  // table index, or kRandomTableKey
    std::optional<int> slot;
    RowValues values;
};

SlotSelection selectionOf(int table)
{
    if (table == kRandomTableKey)
        return tableOf(TimingKind::Random, 0);
    return tableOf(table < kProgramCount ? TimingKind::Music : TimingKind::Peripheral,
                   table % kProgramCount + 1);
}

std::uint8_t* slotBytes(TimingSet& set, int table, int slot)
{
    if (table == kRandomTableKey)
        return set.Buffer.randomSlot(slot);
    return set.Buffer.programSlot(table % kProgramCount + 1,
                                  table < kProgramCount ? TimingType::Music : TimingType::Peripheral, slot);
}

std::size_t slotSize(int table)
{
    return table == kRandomTableKey ? kRandomSlotSize : kProgramSlotSize;
}

std::string lowered(const std::string& text)
{
    std::string result = text;
    for (char& c : result)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

// Which columns apply to which kind of timing.
bool appliesTo(TableColumn column, TimingKind kind)
{
    switch (column) {
    case TableColumn::End: return kind != TimingKind::Music;
    case TableColumn::Track1:
    case TableColumn::Track2:
    case TableColumn::Track3: return kind == TimingKind::Music;
    case TableColumn::FirstTrack:
    case TableColumn::LastTrack:
    case TableColumn::Order: return kind == TimingKind::Random;
    default: return true;
    }
}

class Reader {
public:
    Reader(const TimingSet& set, TableWording wording, std::vector<TableFault>& faults)
        : set_(set), wording_(wording), faults_(faults)
    { }

    // The header: every column known, each once, 程序 and 类型 there.
    bool readHeader(const CsvRow& row)
    {
        for (std::size_t i = 0; i < row.cells.size(); ++i) {
            const std::string name = trimmedCell(row.cells[i]);
            if (name.empty() && i + 1 == row.cells.size())
                break;  // a trailing separator
            const auto known =
                std::find_if(kTableHeaders.begin(), kTableHeaders.end(), [&](const TableHeader& h) {
                    return name == h.chinese || lowered(name) == h.english;
                });
            if (known == kTableHeaders.end()) {
                fault(row.line, name, name, FaultReason::UnknownColumn);
                continue;
            }
            const int column = int(known - kTableHeaders.begin());
            if (columns_.count(column)) {
                fault(row.line, name, name, FaultReason::TwiceColumn);
                continue;
            }
            columns_[column] = {i, name};
        }
        for (TableColumn needed : {TableColumn::Program, TableColumn::Kind})
            if (!columns_.count(int(needed)))
                fault(row.line, header(needed), "", FaultReason::MissingColumn);
        width_ = row.cells.size();
        return faults_.empty();
    }

    void readRow(const CsvRow& row)
    {
        if (std::all_of(row.cells.begin(), row.cells.end(),
                        [](const std::string& c) { return trimmedCell(c).empty(); }))
            return;  // spreadsheets end a sheet with empty rows
        const std::size_t before = faults_.size();
        for (std::size_t i = width_; i < row.cells.size(); ++i)
            if (!trimmedCell(row.cells[i]).empty())
                fault(row.line, "", row.cells[i], FaultReason::BeyondHeader);
        line_ = row.line;
        cells_ = &row.cells;
        ImportRow read;
        read.line = row.line;
        const std::optional<TimingKind> kind = readTable(read.table);
        if (!kind)
            return;
        const bool random = *kind == TimingKind::Random;
        if (present(TableColumn::Slot) && !cell(TableColumn::Slot).empty()) {
            const int last = random ? kRandomSlots : kProgramSlots - 1;
            read.slot = readNumberCell(cell(TableColumn::Slot), 1, last);
            if (!read.slot)
                fault(TableColumn::Slot, FaultReason::BadSlot, last);
        }
        for (int c = int(TableColumn::Start); c < kTableColumnCount; ++c) {
            const auto column = TableColumn(c);
            if (present(column) && !appliesTo(column, *kind) && !cell(column).empty())
                fault(column,
                      random                           ? FaultReason::NotOfRandom
                          : *kind == TimingKind::Music ? FaultReason::NotOfMusic
                                                       : FaultReason::NotOfPeripheral);
        }
        RowValues& v = read.values;
        v.start = timeOf(TableColumn::Start);
        if (*kind != TimingKind::Music)
            v.end = timeOf(TableColumn::End);
        if (*kind == TimingKind::Music)
            for (int t = 0; t < 3; ++t)
                v.tracks[t] = trackOf(TableColumn(int(TableColumn::Track1) + t));
        if (random) {
            v.firstTrack = trackOf(TableColumn::FirstTrack);
            v.lastTrack = trackOf(TableColumn::LastTrack);
            if (present(TableColumn::Order)) {
                const std::string order = cell(TableColumn::Order);
                if (order == "顺序" || lowered(order) == "sequential")
                    v.order = kSequential;
                else if (order == "随机" || lowered(order) == "random")
                    v.order = kShuffled;
                else
                    fault(TableColumn::Order, FaultReason::BadOrder);
            }
        }
        if (present(TableColumn::Days) && !(v.days = readDaysCell(cell(TableColumn::Days))))
            fault(TableColumn::Days, FaultReason::BadDays);
        if (present(TableColumn::Zones) && !(v.zones = readZonesCell(cell(TableColumn::Zones))))
            fault(TableColumn::Zones, FaultReason::BadZones);
        if (faults_.size() == before)
            rows_.push_back(read);
    }

    // The slots of the rows: each named once, the empty ones the lowest free; then the new set.
    std::optional<TimingSet> write()
    {
        std::map<int, std::map<int, const ImportRow*>> named;  // table -> slot -> row
        for (const ImportRow& row : rows_) {
            if (!row.slot)
                continue;
            auto [at, fresh] = named[row.table].insert({*row.slot, &row});
            if (!fresh)
                fault(row.line, header(TableColumn::Slot), std::to_string(*row.slot), FaultReason::SlotTaken,
                      at->second->line);
        }
        for (const ImportRow& row : rows_) {
            if (row.slot)
                continue;
            std::map<int, const ImportRow*>& table = named[row.table];
            const int last = lastSlot(selectionOf(row.table));
            int slot = 1;
            while (slot <= last && table.count(slot))
                ++slot;
            if (slot > last) {
                fault(row.line, header(TableColumn::Slot), "", FaultReason::TableFull, last);
                continue;
            }
            table[slot] = &row;
        }
        if (!faults_.empty())
            return std::nullopt;
        TimingSet result = set_;
        for (const auto& [table, slots] : named) {
            const SlotSelection selection = selectionOf(table);
            for (int slot = 1; slot <= lastSlot(selection); ++slot) {
                std::uint8_t* bytes = slotBytes(result, table, slot);
                const bool held = holdsTiming(set_.Buffer, selection, std::uint8_t(slot));
                const auto row = slots.find(slot);
                if (row == slots.end()) {
                    if (held)  // cleared as 清除定时 clears it
                        std::fill(bytes, bytes + slotSize(table), std::uint8_t{0});
                    continue;
                }
                if (!held) {  // stored as the editor stores a new timing
                    std::fill(bytes, bytes + slotSize(table), std::uint8_t{0});
                    bytes[0] = std::uint8_t(slot);
                }
                apply(row->second->values, table, bytes);
            }
        }
        return result;
    }

    void sortFaults()
    {
        std::stable_sort(faults_.begin(), faults_.end(),
                         [](const TableFault& a, const TableFault& b) { return a.line < b.line; });
    }

private:
    static void apply(const RowValues& v, int table, std::uint8_t* s)
    {
        auto setTime = [](std::uint8_t* at, std::optional<int> minute) {
            if (minute) {
                at[0] = toBcd(*minute / 60);
                at[1] = toBcd(*minute % 60);
            }
        };
        auto set = [](std::uint8_t& at, std::optional<std::uint8_t> value) {
            if (value)
                at = *value;
        };
        setTime(s + 1, v.start);
        if (table == kRandomTableKey) {
            setTime(s + 3, v.end);
            // Any value but 1 means random order: one that already does stays.
            if (v.order && (*v.order == kSequential) != (s[5] == kSequential))
                s[5] = *v.order;
            set(s[8], v.firstTrack);
            set(s[9], v.lastTrack);
        } else if (table < kProgramCount) {
            for (int t = 0; t < 3; ++t)
                set(s[3 + t], v.tracks[t]);
        } else {
            setTime(s + 3, v.end);
        }
        // The bits no editor sets stay as they are.
        if (v.days)
            s[6] = std::uint8_t((s[6] & 0x80) | *v.days);
        if (v.zones)
            s[7] = std::uint8_t((s[7] & 0xC0) | *v.zones);
    }

    bool present(TableColumn column) const { return columns_.count(int(column)) != 0; }
    std::string cell(TableColumn column) const
    {
        const std::size_t at = columns_.at(int(column)).first;
        return at < cells_->size() ? trimmedCell((*cells_)[at]) : std::string();
    }
    std::string header(TableColumn column) const
    {
        const auto found = columns_.find(int(column));
        if (found != columns_.end())
            return found->second.second;
        const TableHeader& named = kTableHeaders[std::size_t(column)];
        return wording_ == TableWording::Chinese ? named.chinese : named.english;
    }
    void fault(int line, const std::string& column, const std::string& value, FaultReason reason,
               int number = 0)
    {
        faults_.push_back({line, column, value, faultWords(reason, wording_, number)});
    }
    void fault(TableColumn column, FaultReason reason, int number = 0)
    {
        fault(line_, header(column), present(column) ? cell(column) : "", reason, number);
    }

    // 程序 and 类型: the table the row belongs to, and the kind of its timing.
    std::optional<TimingKind> readTable(int& table)
    {
        const std::string program = cell(TableColumn::Program);
        const std::string kindText = cell(TableColumn::Kind);
        const bool randomProgram = program == "随机" || lowered(program) == "random";
        const std::optional<int> number =
            randomProgram ? std::nullopt : readNumberCell(program, 1, kProgramCount);
        if (!randomProgram && !number)
            fault(TableColumn::Program, FaultReason::BadProgram);
        std::optional<TimingKind> kind;
        if (kindText == "音乐" || lowered(kindText) == "music")
            kind = TimingKind::Music;
        else if (kindText == "外设" || lowered(kindText) == "peripheral")
            kind = TimingKind::Peripheral;
        else if (kindText == "随机" || lowered(kindText) == "random")
            kind = TimingKind::Random;
        else
            fault(TableColumn::Kind, FaultReason::BadKind);
        if (!kind || (!randomProgram && !number))
            return std::nullopt;
        if (randomProgram != (*kind == TimingKind::Random)) {
            fault(TableColumn::Kind, randomProgram ? FaultReason::RandomOnly : FaultReason::StandardOnly);
            return std::nullopt;
        }
        table =
            randomProgram ? kRandomTableKey : (*kind == TimingKind::Music ? 0 : kProgramCount) + *number - 1;
        return kind;
    }

    std::optional<int> timeOf(TableColumn column)
    {
        if (!present(column))
            return std::nullopt;
        const std::optional<int> minute = readTimeCell(cell(column));
        if (!minute)
            fault(column, cell(column).empty() ? FaultReason::NoTime : FaultReason::BadTime);
        return minute;
    }

    std::optional<std::uint8_t> trackOf(TableColumn column)
    {
        if (!present(column))
            return std::nullopt;
        if (cell(column).empty())
            return std::uint8_t{0};
        const std::optional<int> track = readNumberCell(cell(column), 0, 99);
        if (!track) {
            fault(column, FaultReason::BadTrack);
            return std::nullopt;
        }
        return std::uint8_t(*track);
    }

    const TimingSet& set_;
    TableWording wording_;
    std::vector<TableFault>& faults_;
    std::map<int, std::pair<std::size_t, std::string>> columns_;  // column -> place and header as written
    std::size_t width_ = 0;
    int line_ = 0;
    const std::vector<std::string>* cells_ = nullptr;
    std::vector<ImportRow> rows_;
};

}  // namespace

TableImport importTable(const TimingSet& set, const std::string& bytes, TableWording wording)
{
    TableImport result;
    const std::optional<std::string> text = decodeCsv(bytes);
    if (!text) {
        result.faults.push_back({1, "", "", faultWords(FaultReason::NotText, wording)});
        return result;
    }
    const CsvText csv = readCsv(*text);
    if (csv.rows.empty()) {
        result.faults.push_back({1, "", "", faultWords(FaultReason::NoHeader, wording)});
        return result;
    }
    Reader reader(set, wording, result.faults);
    if (!reader.readHeader(csv.rows.front()))
        return result;
    for (std::size_t i = 1; i < csv.rows.size(); ++i)
        reader.readRow(csv.rows[i]);
    if (csv.unclosedQuote)
        result.faults.push_back({csv.unclosedQuote, "", "", faultWords(FaultReason::OpenQuote, wording)});
    result.set = reader.write();
    reader.sortFaults();
    return result;
}

}  // namespace tavisto
