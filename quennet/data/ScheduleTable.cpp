#include "ScheduleTable.h"

#include "CsvText.h"

#include <cctype>
#include <cstdio>

namespace quennet {

const std::array<ColumnNames, kTableColumnCount> kTableColumns{{
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

std::string clock(int hour, int minute)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
    return text;
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

// "8", "08": one or two digits.
std::optional<int> twoDigits(const std::string& text, bool exactlyTwo)
{
    if (text.empty() || text.size() > 2 || (exactlyTwo && text.size() != 2))
        return std::nullopt;
    return readNumber(text);
}
}  // namespace

std::vector<std::string> tableRow(int program, const TimingEntry& entry)
{
    std::vector<std::string> cells(kTableColumnCount);
    const auto set = [&cells](TableColumn column, std::string text) { cells[int(column)] = std::move(text); };
    set(TableColumn::Program, std::to_string(program + 1));
    set(TableColumn::Slot, std::to_string(entry.EntryNo));
    set(TableColumn::Start, clock(entry.Hour, entry.Minute));
    switch (kindOf(entry)) {
    case TimingKind::Music:
        set(TableColumn::Kind, isRecording(entry) ? "录音" : "音乐");
        set(TableColumn::Track1, std::to_string(entry.MainTrack));
        set(TableColumn::Track2, std::to_string(entry.SecondTrack));
        set(TableColumn::Track3, std::to_string(entry.ThirdTrack));
        set(TableColumn::RandomFrom, std::to_string(entry.RangeFromOrEndHour));
        set(TableColumn::RandomTo, std::to_string(entry.RangeToOrEndMinute));
        break;
    case TimingKind::Radio:
        set(TableColumn::Kind, "收音");
        set(TableColumn::Station, std::to_string(entry.MainTrack));
        set(TableColumn::End, clock(entry.RangeFromOrEndHour, entry.RangeToOrEndMinute));
        break;
    case TimingKind::Peripheral:
        set(TableColumn::Kind, "外设");
        set(TableColumn::End, clock(entry.RangeFromOrEndHour, entry.RangeToOrEndMinute));
        break;
    }
    std::string days;
    for (int day = 0; day < 7; ++day) {
        if (entry.DayBits & (1 << bitOfDay(day)))
            days += kDayCharacters[day];
    }
    set(TableColumn::Days, days);
    std::string zones;
    for (int zone = 0; zone < 4; ++zone) {
        if (entry.ZoneBits & (1 << zone))
            zones += char('1' + zone);
    }
    set(TableColumn::Zones, zones);
    return cells;
}

std::string exportTable(const std::array<std::vector<TimingEntry>, kProgramCount>& programs,
                        std::optional<int> program)
{
    std::vector<std::string> header;
    for (const ColumnNames& names : kTableColumns)
        header.push_back(names.chinese);
    std::string bytes = kUtf8Mark + writeCsvRow(header);
    for (int p = 0; p < kProgramCount; ++p) {
        if (program && *program != p)
            continue;
        for (const TimingEntry& entry : programs[std::size_t(p)])
            bytes += writeCsvRow(tableRow(p, entry));
    }
    return bytes;
}

std::optional<int> readNumber(const std::string& cell)
{
    const std::string text = trimCell(cell);
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

std::optional<int> readTime(const std::string& cell)
{
    std::string text = trimCell(cell);
    for (std::size_t at = text.find("："); at != std::string::npos; at = text.find("："))
        text.replace(at, std::string("：").size(), ":");
    for (char& c : text)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    std::optional<bool> afternoon;
    if (strip(text, "上午") || strip(text, "AM") || strip(text, "A.M."))
        afternoon = false;
    else if (strip(text, "下午") || strip(text, "PM") || strip(text, "P.M."))
        afternoon = true;
    text = trimCell(text);

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

std::optional<std::uint8_t> readDays(const std::string& cell)
{
    std::string text = trimCell(cell);
    std::uint8_t bits = 0;
    while (!text.empty()) {
        int day = 0;
        while (day < 7 && text.compare(0, std::string(kDayCharacters[day]).size(), kDayCharacters[day]) != 0)
            ++day;
        if (day == 7)
            return std::nullopt;
        bits |= std::uint8_t(1 << bitOfDay(day));
        text.erase(0, std::string(kDayCharacters[day]).size());
    }
    return bits;
}

std::optional<std::uint8_t> readZones(const std::string& cell)
{
    std::uint8_t bits = 0;
    for (const char c : trimCell(cell)) {
        if (c < '1' || c > '4')
            return std::nullopt;
        bits |= std::uint8_t(1 << (c - '1'));
    }
    return bits;
}

}  // namespace quennet
