#include "ScheduleTable.h"

#include "CsvText.h"
#include "WeekPlan.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <iterator>
#include <utility>

namespace tavisto {

const std::array<TableHeader, kTableColumnCount> kTableHeaders = {{
    {"程序", "program"},
    {"类型", "kind"},
    {"序号", "slot"},
    {"开始", "start"},
    {"结束", "end"},
    {"曲目1", "track1"},
    {"曲目2", "track2"},
    {"曲目3", "track3"},
    {"起始曲目", "first_track"},
    {"终止曲目", "last_track"},
    {"播放方式", "order"},
    {"星期", "days"},
    {"分区", "zones"},
}};

namespace {

// The symbols of the days, Monday first, and of the zones.
const char* const kDayCharacters[kDays] = {"一", "二", "三", "四", "五", "六", "日"};
const char* const kZoneDigits[kZones] = {"1", "2", "3", "4", "5", "6"};

// Takes `word` off the front (or the back) of `text`, ignoring case and blanks in between.
bool takeWord(std::string& text, const std::string& word, bool atEnd)
{
    if (text.size() < word.size())
        return false;
    const std::size_t at = atEnd ? text.size() - word.size() : 0;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[at + i]))
            != std::tolower(static_cast<unsigned char>(word[i])))
            return false;
    text = trimmedCell(atEnd ? text.substr(0, at) : text.substr(word.size()));
    return true;
}

// A bit set from its symbols (bit 0 first) in any order, blanks, commas and 、 between them allowed.
std::optional<std::uint8_t> readBits(const std::string& text, const char* const symbols[], int count)
{
    static const std::string kBetween[] = {" ", ",", "，", "、"};
    std::uint8_t bits = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto between =
            std::find_if(std::begin(kBetween), std::end(kBetween),
                         [&](const std::string& mark) { return text.compare(i, mark.size(), mark) == 0; });
        if (between != std::end(kBetween)) {
            i += between->size();
            continue;
        }
        int bit = 0;
        while (bit < count && text.compare(i, std::strlen(symbols[bit]), symbols[bit]) != 0)
            ++bit;
        if (bit == count)
            return std::nullopt;
        bits = static_cast<std::uint8_t>(bits | 1 << bit);
        i += std::strlen(symbols[bit]);
    }
    return bits;
}

std::string bitsText(std::uint8_t bits, const char* const symbols[], int count)
{
    std::string text;
    for (int bit = 0; bit < count; ++bit)
        if (bits & (1 << bit))
            text += symbols[bit];
    return text;
}

bool allDigits(const std::string& text)
{
    if (text.empty() || text.size() > 9)
        return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

}  // namespace

std::optional<int> readNumberCell(const std::string& text, int lo, int hi)
{
    const std::string digits = trimmedCell(text);
    if (!allDigits(digits))
        return std::nullopt;
    const int value = std::stoi(digits);
    return value >= lo && value <= hi ? std::optional(value) : std::nullopt;
}

std::optional<int> readTimeCell(const std::string& text)
{
    std::string time = trimmedCell(text);
    // 0 none, 1 morning, 2 afternoon: written before the time or after it.
    int half = 0;
    const std::pair<const char*, int> halves[] = {{"上午", 1}, {"A.M.", 1}, {"AM", 1},
                                                  {"下午", 2}, {"P.M.", 2}, {"PM", 2}};
    for (const auto& [word, which] : halves)
        if (!half && (takeWord(time, word, false) || takeWord(time, word, true)))
            half = which;
    const std::size_t colon = time.find(':');
    if (colon == std::string::npos)
        return std::nullopt;
    const std::string hourText = time.substr(0, colon);
    std::string rest = time.substr(colon + 1);
    const std::size_t second = rest.find(':');
    if (second != std::string::npos) {
        const std::string seconds = rest.substr(second + 1);
        if (!allDigits(seconds) || seconds.size() != 2 || std::stoi(seconds) != 0)
            return std::nullopt;  // a time between minutes is not guessed at
        rest = rest.substr(0, second);
    }
    if (!allDigits(hourText) || hourText.size() > 2 || !allDigits(rest) || rest.size() != 2)
        return std::nullopt;
    int hour = std::stoi(hourText);
    const int minute = std::stoi(rest);
    if (half != 0) {
        if (hour < 1 || hour > 12)
            return std::nullopt;
        hour = hour % 12 + (half == 2 ? 12 : 0);
    }
    if (hour > 23 || minute > 59)
        return std::nullopt;
    return hour * 60 + minute;
}

std::optional<std::uint8_t> readDaysCell(const std::string& text)
{
    return readBits(text, kDayCharacters, kDays);
}

std::optional<std::uint8_t> readZonesCell(const std::string& text)
{
    return readBits(text, kZoneDigits, kZones);
}

std::string daysCell(std::uint8_t days)
{
    return bitsText(days, kDayCharacters, kDays);
}

std::string zonesCell(std::uint8_t zones)
{
    return bitsText(zones, kZoneDigits, kZones);
}

}  // namespace tavisto
