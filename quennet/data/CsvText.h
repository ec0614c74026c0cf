#pragma once
// Text tables as spreadsheets read and write them: the bytes of a file in UTF-8, its rows of
// cells, and one row written back.
#include <optional>
#include <string>
#include <vector>

namespace quennet {

// The byte-order mark that tells a spreadsheet on Windows the file is UTF-8.
inline constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";

// The text of `bytes` in UTF-8, without a byte-order mark: UTF-8 as it is, anything that is not
// valid UTF-8 read as GB18030 (what a spreadsheet on a Chinese Windows saves as "CSV"); nothing
// when it is neither.
std::optional<std::string> decodeCsv(const std::string& bytes);

struct CsvRow {
    int line = 0;  // 1-based line of the file the row starts on
    std::vector<std::string> cells;
};

struct CsvText {
    char separator = ',';
    std::vector<CsvRow> rows;  // the header first; rows with nothing in them are left out
    int unclosedQuote = 0;     // the line a quoted cell starts on that never ends; 0 when none does
};

// The rows of `text`, quoted as RFC 4180 has it (a quoted cell may hold separators, quotes as "" and
// line breaks). The separator, ',', ';' or a tab, is the one the header line holds most of.
CsvText readCsv(const std::string& text);

// The cell without the blanks and tabs around it.
std::string trimmedCell(const std::string& cell);

// One row: the cells joined by commas, quoted only where needed, ended by CRLF.
std::string writeCsvRow(const std::vector<std::string>& cells);

}  // namespace quennet
