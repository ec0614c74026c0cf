#include "ScheduleTable.h"

#include "CsvText.h"
#include "WeekPlan.h"

#include <cctype>

namespace tavisto {

const std::array<TableHeader, kTableColumns> kTableHeaders = {{
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

// The days Monday first, each a character of three bytes in UTF-8.
const char* const kDayCharacters[kDays] = {"一", "二", "三", "四", "五", "六", "日"};

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
    // 0 none, 1 morning, 2 afternoon.
    int half = 0;
    if (takeWord(time, "上午", false) || takeWord(time, "AM", true) || takeWord(time, "A.M.", true))
        half = 1;
    else if (takeWord(time, "下午", false) || takeWord(time, "PM", true) || takeWord(time, "P.M.", true))
        half = 2;
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
    const std::string days = trimmedCell(text);
    std::uint8_t bits = 0;
    for (std::size_t i = 0; i < days.size();) {
        if (days[i] == ' ') {
            ++i;
            continue;
        }
        int day = 0;
        while (day < kDays && days.compare(i, 3, kDayCharacters[day]) != 0)
            ++day;
        if (day == kDays)
            return std::nullopt;
        bits = static_cast<std::uint8_t>(bits | 1 << day);
        i += 3;
    }
    return bits;
}

std::optional<std::uint8_t> readZonesCell(const std::string& text)
{
    std::uint8_t bits = 0;
    for (char c : trimmedCell(text)) {
        if (c == ' ')
            continue;
        if (c < '1' || c > '0' + kZones)
            return std::nullopt;
        bits = static_cast<std::uint8_t>(bits | 1 << (c - '1'));
    }
    return bits;
}

std::string daysCell(std::uint8_t days)
{
    std::string text;
    for (int day = 0; day < kDays; ++day)
        if (days & (1 << day))
            text += kDayCharacters[day];
    return text;
}

std::string zonesCell(std::uint8_t zones)
{
    std::string text;
    for (int zone = 0; zone < kZones; ++zone)
        if (zones & (1 << zone))
            text += static_cast<char>('1' + zone);
    return text;
}

}  // namespace tavisto
