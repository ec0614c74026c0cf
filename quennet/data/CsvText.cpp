#include "CsvText.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace quennet {

namespace {
bool isUtf8(const std::string& text)
{
    const auto* at = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = at + text.size();
    while (at < end) {
        const unsigned char lead = *at++;
        int more = 0;
        unsigned int code = lead;
        if (lead < 0x80)
            continue;
        if (lead >= 0xC2 && lead <= 0xDF) {
            more = 1;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            more = 2;
            code = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            more = 3;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (end - at < more)
            return false;
        for (int i = 0; i < more; ++i, ++at) {
            if ((*at & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (*at & 0x3F);
        }
        // Overlong forms, surrogates and code points beyond Unicode are no UTF-8.
        if ((more == 2 && code < 0x800) || (more == 3 && (code < 0x10000 || code > 0x10FFFF))
            || (code >= 0xD800 && code <= 0xDFFF))
            return false;
    }
    return true;
}

std::optional<std::string> fromGb18030(const std::string& bytes)
{
    const iconv_t convert = ::iconv_open("UTF-8", "GB18030");
    if (convert == iconv_t(-1))
        return std::nullopt;
    std::string text(bytes.size() * 2 + 4, '\0');  // a GB18030 character grows by half at most
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* out = text.data();
    std::size_t outLeft = text.size();
    const std::size_t done = ::iconv(convert, &in, &inLeft, &out, &outLeft);
    ::iconv_close(convert);
    if (done == std::size_t(-1))
        return std::nullopt;
    text.resize(text.size() - outLeft);
    return text;
}

// The separator the first line holds most of outside quotes; a comma when it holds none.
char separatorOf(const std::string& text)
{
    int commas = 0;
    int semicolons = 0;
    int tabs = 0;
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted) {
            if (c == '\n' || c == '\r')
                break;
            commas += c == ',';
            semicolons += c == ';';
            tabs += c == '\t';
        }
    }
    if (tabs > commas && tabs > semicolons)
        return '\t';
    return semicolons > commas ? ';' : ',';
}

bool isBlank(const CsvRow& row)
{
    return std::all_of(row.cells.begin(), row.cells.end(), [](const std::string& cell) {
        return cell.find_first_not_of(" \t") == std::string::npos;
    });
}
}  // namespace

std::optional<std::string> decodeCsv(const std::string& bytes)
{
    const std::size_t mark = std::strlen(kUtf8Bom);
    if (bytes.compare(0, mark, kUtf8Bom) == 0)
        return isUtf8(bytes.substr(mark)) ? std::optional<std::string>(bytes.substr(mark)) : std::nullopt;
    if (isUtf8(bytes))
        return bytes;
    return fromGb18030(bytes);
}

CsvText readCsv(const std::string& text)
{
    CsvText table;
    table.separator = separatorOf(text);
    int line = 1;
    CsvRow row{line, {std::string()}};
    bool quoted = false;
    int quoteLine = 0;
    const auto endRow = [&] {
        if (!isBlank(row))
            table.rows.push_back(std::move(row));
        row = {line, {std::string()}};
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c != '"') {
                row.cells.back() += c;
                line += c == '\n';
            } else if (i + 1 < text.size() && text[i + 1] == '"') {
                row.cells.back() += c;  // "" within quotes is one quote
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == '"') {
            quoted = true;
            quoteLine = line;
        } else if (c == table.separator) {
            row.cells.emplace_back();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            ++line;
            endRow();
        } else {
            row.cells.back() += c;
        }
    }
    if (quoted)
        table.unclosedQuote = quoteLine;
    endRow();
    return table;
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
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const std::string& cell = cells[i];
        if (i > 0)
            line += ',';
        if (cell.find_first_of(",;\t\"\r\n") == std::string::npos) {
            line += cell;
            continue;
        }
        line += '"';
        for (const char c : cell)
            line += c == '"' ? std::string("\"\"") : std::string(1, c);
        line += '"';
    }
    return line + "\r\n";
}

}  // namespace quennet
