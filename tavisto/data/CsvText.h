#pragma once
// Comma-separated text as spreadsheets write it: the bytes decoded to UTF-8, the separator told
// from the header line, rows of cells split with quoting, and rows written back.

#include <optional>
#include <string>
#include <vector>

namespace tavisto {

// What a spreadsheet on Windows needs to take the text for UTF-8.
inline constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";

// UTF-8 without its byte-order mark. Bytes that are no valid UTF-8 are read as GB18030, what a
// spreadsheet on a Chinese system saves; nothing when they are neither.
std::optional<std::string> decodeCsv(const std::string& bytes);

struct CsvRow {
    int line = 0;  // 1-based line of the text where the row begins
    std::vector<std::string> cells;
};

struct CsvText {
    char separator = ',';
    std::vector<CsvRow> rows;
    int unclosedQuote = 0;  // the line of a quoted cell that never ends; 0 when none
};

// The separator is the one of ',' ';' and tab found most often in the header line outside quotes.
// Quoted cells may hold separators, doubled quotes and line breaks; lines end in LF or CRLF.
CsvText readCsv(const std::string& text);

// The cell without the blanks and tabs at either end.
std::string trimmedCell(const std::string& cell);

// The cells joined by commas and ended by CRLF; a cell is quoted only when it holds a comma, a
// quote, a line break, or blanks at either end.
std::string writeCsvRow(const std::vector<std::string>& cells);

}  // namespace tavisto
