#pragma once
// The schedule as a table that spreadsheets open and save: a header row, then one row per timing
// in the editor's words. Export writes it; import reads it back into a new image of the data file
// or says, row by row, why it will not.
#include "DataFileLayout.h"
#include "TimingEntry.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quennet {

// The columns in the table's order.
enum class TableColumn : std::uint8_t {
    Program,  // 1..4
    Slot,     // the position 1..99, so that gaps survive
    Kind,     // 音乐, 录音, 收音, 外设
    Start,
    End,  // radio and peripheral
    Track1,
    Track2,
    Track3,
    RandomFrom,
    RandomTo,
    Station,  // radio
    Days,     // characters of 一二三四五六日, Monday first
    Zones,    // digits 1..4
};
constexpr int kTableColumnCount = int(TableColumn::Zones) + 1;

struct ColumnNames {
    const char* chinese;  // what export writes
    const char* english;  // accepted on import too
};
extern const std::array<ColumnNames, kTableColumnCount> kTableColumns;

// The cells of one timing, in the columns' order. Numbers are plain ("7", never "07", which a
// spreadsheet would take apart), times "07:30"; a column the kind does not use stays empty.
std::vector<std::string> tableRow(int program, const TimingEntry& entry);

// The header and a row per timing of `programs`, or of `program` (0..3) alone: UTF-8 with a
// byte-order mark, commas, CRLF.
std::string exportTable(const std::array<std::vector<TimingEntry>, kProgramCount>& programs,
                        std::optional<int> program = std::nullopt);

// The cell readers; surrounding blanks are no part of a value.
// Digits only, leading zeros or not.
std::optional<int> readNumber(const std::string& cell);
// "8:30", "08:30:00", "8:30:00 AM", "下午 2:05" ... as the minute of the day; hours 0..23 (1..12
// with AM, PM, 上午 or 下午), minutes 0..59, seconds 00 only: nothing else is taken for a time.
std::optional<int> readTime(const std::string& cell);
// Characters of 一二三四五六日 as DayBits (bit 0 Sunday).
std::optional<std::uint8_t> readDays(const std::string& cell);
// Digits 1..4 as ZoneBits.
std::optional<std::uint8_t> readZones(const std::string& cell);

// One reason an import was refused: where, as the file has it, and why.
struct TableFault {
    int line;            // 1-based line of the file
    std::string column;  // the column's header as the file writes it; empty for the whole row or file
    std::string value;   // the cell
    std::string reason;
};

struct TableImport {
    std::vector<TableFault> faults;                    // every bad row; when any, nothing is imported
    std::map<int, std::vector<TimingEntry>> programs;  // the timings of each program the table names
    std::vector<std::uint8_t> image;                   // the file with those programs replaced

    bool refused() const { return !faults.empty(); }
};

// Reads the table `bytes` (UTF-8 with or without the byte-order mark, or GB18030; commas,
// semicolons or tabs; columns by their Chinese or English header, in any order) against the data
// file `image`. In each program the table names, its rows become the timings (a row without 序号
// is a new timing at the lowest position no row names) and every other timing is deleted as 删除本条
// deletes it; a
// row that reads as the timing at its position keeps all its bytes, and a changed one keeps those
// no column names. Everything else in the image is kept.
TableImport importTable(const std::vector<std::uint8_t>& image, const std::string& bytes);

}  // namespace quennet
