#include "CsvText.h"

#include <cerrno>
#include <iconv.h>

namespace tavisto {

namespace {

bool isUtf8(const std::string& text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int more = lead < 0x80 ? 0
            : (lead >> 5) == 0x6     ? 1
            : (lead >> 4) == 0xE     ? 2
            : (lead >> 3) == 0x1E    ? 3
                                     : -1;
        if (more < 0 || (more == 1 && lead < 0xC2) || (more > 0 && i + std::size_t(more) >= text.size()))
            return false;
        for (int k = 1; k <= more; ++k)
            if ((static_cast<unsigned char>(text[i + std::size_t(k)]) & 0xC0) != 0x80)
                return false;
        i += std::size_t(more) + 1;
    }
    return true;
}

std::optional<std::string> fromGb18030(const std::string& bytes)
{
    const iconv_t converter = ::iconv_open("UTF-8", "GB18030");
    if (converter == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::string text(bytes.size() * 2 + 4, '\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* out = text.data();
    std::size_t outLeft = text.size();
    const std::size_t done = ::iconv(converter, &in, &inLeft, &out, &outLeft);
    ::iconv_close(converter);
    if (done == static_cast<std::size_t>(-1) || inLeft != 0)
        return std::nullopt;
    text.resize(text.size() - outLeft);
    return text;
}

}  // namespace

std::optional<std::string> decodeCsv(const std::string& bytes)
{
    const std::string bom(kUtf8Bom);
    if (bytes.compare(0, bom.size(), bom) == 0)
        return isUtf8(bytes.substr(bom.size())) ? std::optional(bytes.substr(bom.size())) : std::nullopt;
    if (isUtf8(bytes))
        return bytes;
    return fromGb18030(bytes);
}

CsvText readCsv(const std::string& text)
{
    CsvText csv;
    // The separator of the header line, read before any quoted line break.
    int counts[3] = {0, 0, 0};
    const char separators[3] = {',', ';', '\t'};
    bool quoted = false;
    for (std::size_t i = 0; i < text.size() && (quoted || (text[i] != '\n' && text[i] != '\r')); ++i) {
        if (text[i] == '"')
            quoted = !quoted;
        for (int k = 0; k < 3 && !quoted; ++k)
            counts[k] += text[i] == separators[k];
    }
    int best = 0;  // a tie goes to the comma, then the semicolon
    for (int k = 1; k < 3; ++k)
        if (counts[k] > counts[best])
            best = k;
    csv.separator = separators[best];

    int line = 1;
    CsvRow row{1, {}};
    std::string cell;
    bool inQuotes = false;
    int quoteLine = 0;
    bool rowHasText = false;
    auto endRow = [&] {
        row.cells.push_back(std::move(cell));
        cell.clear();
        if (rowHasText || row.cells.size() > 1)
            csv.rows.push_back(std::move(row));
        row = CsvRow{line, {}};
        rowHasText = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inQuotes) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                inQuotes = false;
            } else {
                if (c == '\n')
                    ++line;
                cell += c;
            }
            continue;
        }
        if (c == '"') {
            inQuotes = true;
            quoteLine = line;
            rowHasText = true;
        } else if (c == csv.separator) {
            row.cells.push_back(std::move(cell));
            cell.clear();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            ++line;
            endRow();
        } else {
            cell += c;
            rowHasText = true;
        }
    }
    if (inQuotes)
        csv.unclosedQuote = quoteLine;
    if (rowHasText || !row.cells.empty())
        endRow();
    return csv;
}

std::string trimmedCell(const std::string& cell)
{
    const std::size_t first = cell.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return cell.substr(first, cell.find_last_not_of(" \t") - first + 1);
}

std::string writeCsvRow(const std::vector<std::string>& cells)
{
    std::string text;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const std::string& cell = cells[i];
        const bool quote = cell.find_first_of(",\"\r\n") != std::string::npos
            || (!cell.empty() && (cell.front() == ' ' || cell.back() == ' '));
        if (i > 0)
            text += ',';
        if (!quote) {
            text += cell;
            continue;
        }
        text += '"';
        for (char c : cell)
            text += c == '"' ? std::string("\"\"") : std::string(1, c);
        text += '"';
    }
    return text + "\r\n";
}

}  // namespace tavisto
