#include "SeriesTimes.h"

#include <algorithm>
#include <regex>
#include <set>

namespace quennet {

namespace {
// Replaces every `from` in text by `to`.
void replaceAll(std::string& text, const std::string& from, const std::string& to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// "7:05" or "07:05" as minutes of the day.
bool readTime(const std::string& hours, const std::string& minutes, int& minute)
{
    const int h = std::stoi(hours);
    const int m = std::stoi(minutes);
    minute = h * 60 + m;
    return h <= 23 && m <= 59;
}
}  // namespace

SeriesTimes parseSeriesTimes(const std::string& text)
{
    std::string plain = text;
    replaceAll(plain, "，", ",");
    replaceAll(plain, "、", ",");
    replaceAll(plain, "：", ":");
    for (char& c : plain) {
        if (c == ',' || c == ';' || c == '\t' || c == '\r' || c == '\n')
            c = ' ';
    }
    static const std::regex time(R"(([0-9]{1,2}):([0-9]{2}))");
    static const std::regex range(R"(([0-9]{1,2}):([0-9]{2})-([0-9]{1,2}):([0-9]{2})/([0-9]{1,4}))");
    SeriesTimes result;
    std::set<int> starts;
    std::size_t at = 0;
    while (at < plain.size()) {
        const std::size_t begin = plain.find_first_not_of(' ', at);
        if (begin == std::string::npos)
            break;
        const std::size_t end = std::min(plain.find(' ', begin), plain.size());
        const std::string part = plain.substr(begin, end - begin);
        at = end;
        std::smatch match;
        int first = 0;
        int last = 0;
        if (std::regex_match(part, match, time) && readTime(match[1], match[2], first)) {
            starts.insert(first);
        } else if (std::regex_match(part, match, range) && readTime(match[1], match[2], first)
                   && readTime(match[3], match[4], last) && first <= last && std::stoi(match[5]) > 0) {
            for (int minute = first; minute <= last; minute += std::stoi(match[5]))
                starts.insert(minute);
        } else {
            result.badPart = part;
            break;
        }
    }
    result.starts.assign(starts.begin(), starts.end());
    return result;
}

}  // namespace quennet
