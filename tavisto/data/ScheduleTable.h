#pragma once
// The schedule as a table for spreadsheets, one row per timing under a header row: written out,
// and read back all or nothing.

#include "TimingSet.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavisto {

// The columns in the order they are written.
enum class TableColumn : std::uint8_t {
    Program,
    Kind,
    Slot,
    Start,
    End,
    Track1,
    Track2,
    Track3,
    FirstTrack,
    LastTrack,
    Order,
    Days,
    Zones
};
constexpr int kTableColumnCount = int(TableColumn::Zones) + 1;

struct TableHeader {
    const char* chinese;  // written, and read
    const char* english;  // read too, in any case
};
extern const std::array<TableHeader, kTableColumnCount> kTableHeaders;

// More than any table of a timing file could be; a larger file is read only this far.
constexpr std::size_t kLargestTable = 16 << 20;

// The tables written: every program and the random one (0), standard program 1..4 with its music
// and peripheral timings, or the random program (kRandomProgram).
constexpr int kAllPrograms = 0;

// UTF-8 with a byte-order mark, commas and CRLF: the header, then every slot that holds a timing
// in the order of the tables, each program's music then its peripheral timings, then the random
// ones. Numbers carry no leading zeros and times read HH:MM, so that no spreadsheet takes a cell
// for a date.
std::string exportTable(const TimingSet& set, int programs = kAllPrograms);

// Why one cell, or the file, cannot be imported. `line` is the file's line (1 the header);
// `column` the header as the file writes it.
struct TableFault {
    int line;
    std::string column;
    std::string value;
    std::string reason;
};

// The words of a fault's reason: the window's, or English for the command line.
enum class TableWording { Chinese, English };

struct TableImport {
    std::optional<TimingSet> set;    // the schedule after the import; nothing when refused
    std::vector<TableFault> faults;  // refused: every fault, in file order

    bool refused() const { return !faults.empty(); }
};

// Replaces, in each table the file has rows for, the timings it holds: a timing the file does not
// name is cleared as 清除定时 clears one, a slot without a timing keeps its bytes, and so does
// everything outside those tables. A row that names a timing already there changes only the
// fields of its columns; a new one is written as the editor stores one. `set` is never changed.
TableImport importTable(const TimingSet& set, const std::string& bytes,
                        TableWording wording = TableWording::Chinese);

// The cell readers. A time is a minute of the day from "8:30", "08:30:00", "8:30:00 AM",
// "下午 2:05" and the like (seconds only as 00); hours 0..23 (1..12 with AM/PM), minutes 0..59.
std::optional<int> readTimeCell(const std::string& text);
// Decimal digits, leading zeros allowed, within lo..hi.
std::optional<int> readNumberCell(const std::string& text, int lo, int hi);
// Characters of 一二三四五六日 in any order: bit 0 Monday .. bit 6 Sunday.
std::optional<std::uint8_t> readDaysCell(const std::string& text);
// Digits 1..6: bit 0 zone 1 .. bit 5 zone 6.
std::optional<std::uint8_t> readZonesCell(const std::string& text);

// The cells as they are written.
std::string daysCell(std::uint8_t days);
std::string zonesCell(std::uint8_t zones);

}  // namespace tavisto
