#include "ScheduleTable.h"

#include "CsvText.h"

#include <cctype>
#include <cstring>

namespace quennet {

const std::array<TableHeader, kTableColumnCount> kTableHeaders{{
    {"程序", "program"},
    {"序号", "slot"},
    {"类型", "kind"},
    {"开始", "start"},
    {"结束", "end"},
    {"曲目1", "track1"},
    {"曲目2", "track2"},
    {"曲目3", "track3"},
    {"随机从", "random_from"},
    {"随机到", "random_to"},
    {"电台", "station"},
    {"星期", "days"},
    {"分区", "zones"},
}};

namespace {
// Monday first, as both programs write days; bit b of DayBits is day dayOfBit(b).
const char* const kDayCharacters[7] = {"一", "二", "三", "四", "五", "六", "日"};

// The bit of DayBits for day 0 (Monday) .. 6 (Sunday).
constexpr int bitOfDay(int day)
{
    return day == 6 ? 0 : day + 1;
}

// Removes `affix` from the front or the back of text; true when it was there.
bool strip(std::string& text, const std::string& affix)
{
    if (text.size() >= affix.size() && text.compare(0, affix.size(), affix) == 0) {
        text.erase(0, affix.size());
        return true;
    }
    if (text.size() >= affix.size() && text.compare(text.size() - affix.size(), affix.size(), affix) == 0) {
        text.erase(text.size() - affix.size());
        return true;
    }
    return false;
}

// Digits only, leading zeros or not.
std::optional<int> digits(const std::string& text)
{
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// "8", "08": one or two digits.
std::optional<int> twoDigits(const std::string& text, bool exactlyTwo)
{
    if (text.empty() || text.size() > 2 || (exactlyTwo && text.size() != 2))
        return std::nullopt;
    return digits(text);
}
}  // namespace

std::optional<int> readNumberCell(const std::string& text, int lo, int hi)
{
    const std::optional<int> value = digits(trimmedCell(text));
    return value && *value >= lo && *value <= hi ? value : std::nullopt;
}

std::optional<int> readTimeCell(const std::string& cell)
{
    std::string text = trimmedCell(cell);
    for (std::size_t at = text.find("："); at != std::string::npos; at = text.find("："))
        text.replace(at, std::string("：").size(), ":");
    for (char& c : text)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    std::optional<bool> afternoon;
    if (strip(text, "上午") || strip(text, "AM") || strip(text, "A.M."))
        afternoon = false;
    else if (strip(text, "下午") || strip(text, "PM") || strip(text, "P.M."))
        afternoon = true;
    text = trimmedCell(text);

    const std::size_t colon = text.find(':');
    if (colon == std::string::npos)
        return std::nullopt;
    const std::size_t second = text.find(':', colon + 1);
    const std::optional<int> hour = twoDigits(text.substr(0, colon), false);
    const std::optional<int> minute = twoDigits(
        text.substr(colon + 1, second == std::string::npos ? std::string::npos : second - colon - 1), true);
    // A spreadsheet writes the seconds of a time it holds; the player knows no seconds.
    if (!hour || !minute || *minute > 59
        || (second != std::string::npos && twoDigits(text.substr(second + 1), true) != 0))
        return std::nullopt;
    int h = *hour;
    if (afternoon) {
        if (h < 1 || h > 12)
            return std::nullopt;
        h = h % 12 + (*afternoon ? 12 : 0);
    } else if (h > 23) {
        return std::nullopt;
    }
    return h * 60 + *minute;
}

std::optional<std::uint8_t> readDaysCell(const std::string& cell)
{
    std::string text = trimmedCell(cell);
    std::uint8_t bits = 0;
    while (!text.empty()) {
        int day = 0;
        while (day < 7 && text.compare(0, std::strlen(kDayCharacters[day]), kDayCharacters[day]) != 0)
            ++day;
        if (day == 7)
            return std::nullopt;
        bits |= std::uint8_t(1 << bitOfDay(day));
        text.erase(0, std::strlen(kDayCharacters[day]));
    }
    return bits;
}

std::optional<std::uint8_t> readZonesCell(const std::string& cell)
{
    std::uint8_t bits = 0;
    for (const char c : trimmedCell(cell)) {
        if (c < '1' || c > '4')
            return std::nullopt;
        bits |= std::uint8_t(1 << (c - '1'));
    }
    return bits;
}

std::string daysCell(std::uint8_t days)
{
    std::string text;
    for (int day = 0; day < 7; ++day) {
        if (days & (1 << bitOfDay(day)))
            text += kDayCharacters[day];
    }
    return text;
}

std::string zonesCell(std::uint8_t zones)
{
    std::string text;
    for (int zone = 0; zone < 4; ++zone) {
        if (zones & (1 << zone))
            text += char('1' + zone);
    }
    return text;
}

}  // namespace quennet
