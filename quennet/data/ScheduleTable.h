#pragma once
// The schedule as a table for spreadsheets, one row per timing under a header row in the editor's
// words: written out, and read back all or nothing.
#include "DataFileLayout.h"
#include "TimingEntry.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quennet {

// The columns in the order they are written.
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

struct TableHeader {
    const char* chinese;  // written, and read
    const char* english;  // read too, in any case
};
extern const std::array<TableHeader, kTableColumnCount> kTableHeaders;

// The cells of one timing, in the columns' order. Numbers are plain ("7", never "07", which a
// spreadsheet would take apart), times "07:30"; a column the kind does not use stays empty.
std::vector<std::string> tableRow(int program, const TimingEntry& entry);

// UTF-8 with a byte-order mark, commas and CRLF: the header, then a row per timing of `programs`,
// or of `program` (0..3) alone.
std::string exportTable(const std::array<std::vector<TimingEntry>, kProgramCount>& programs,
                        std::optional<int> program = std::nullopt);

// Why one cell, or the file, cannot be imported. `line` is the file's line (1 the header);
// `column` the header as the file writes it, empty for the whole row or file.
struct TableFault {
    int line;
    std::string column;
    std::string value;
    std::string reason;
};

// The words of a fault's reason: the window's, or English for the command line.
enum class TableWording { Chinese, English };

struct TableImport {
    std::vector<TableFault> faults;                    // refused: every fault, in file order
    std::map<int, std::vector<TimingEntry>> programs;  // the timings of each program the table names
    std::vector<std::uint8_t> image;                   // the file with those programs replaced

    bool refused() const { return !faults.empty(); }
};

// Reads the table `bytes` against the data file `image`. In each program the table names, its rows
// become the timings (a row without 序号 is a new timing at the lowest position no row names) and
// every other timing is deleted as 删除本条 deletes it; a row that reads as the timing at its
// position keeps all its bytes, and a changed one keeps those no column names. Everything else in
// the image is kept. `image` is never changed.
TableImport importTable(const std::vector<std::uint8_t>& image, const std::string& bytes,
                        TableWording wording = TableWording::Chinese);

// The cell readers; surrounding blanks are no part of a value. A time is a minute of the day from
// "8:30", "08:30:00", "8:30:00 AM", "下午 2:05" and the like (seconds only as 00); hours 0..23
// (1..12 with AM/PM), minutes 0..59: nothing else is taken for a time.
std::optional<int> readTimeCell(const std::string& text);
// Decimal digits, leading zeros allowed, within lo..hi.
std::optional<int> readNumberCell(const std::string& text, int lo, int hi);
// Characters of 一二三四五六日 in any order, as DayBits (bit 0 Sunday).
std::optional<std::uint8_t> readDaysCell(const std::string& text);
// Digits 1..4 as ZoneBits.
std::optional<std::uint8_t> readZonesCell(const std::string& text);

// The cells as they are written.
std::string daysCell(std::uint8_t days);
std::string zonesCell(std::uint8_t zones);

}  // namespace quennet
