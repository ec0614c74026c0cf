#include "SeriesTimes.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <sstream>

namespace tavisto {

namespace {

constexpr int kMinutesPerDay = 24 * 60;

void replaceAll(std::string& text, const std::string& from, const std::string& to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

bool allDigits(const std::string& text)
{
    return !text.empty()
        && std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}

std::optional<int> timeOf(const std::string& text)
{
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos)
        return std::nullopt;
    const std::string hours = text.substr(0, colon), minutes = text.substr(colon + 1);
    if (!allDigits(hours) || hours.size() > 2 || !allDigits(minutes) || minutes.size() != 2)
        return std::nullopt;
    const int h = std::stoi(hours), m = std::stoi(minutes);
    if (h > 23 || m > 59)
        return std::nullopt;
    return h * 60 + m;
}

// A time, or a range FIRST-LAST/STEP, into `minutes`; false when the piece reads as neither.
bool readPiece(const std::string& piece, std::vector<int>& minutes)
{
    const std::size_t dash = piece.find('-');
    if (dash == std::string::npos) {
        const std::optional<int> time = timeOf(piece);
        if (time)
            minutes.push_back(*time);
        return time.has_value();
    }
    const std::size_t slash = piece.find('/', dash);
    if (slash == std::string::npos)
        return false;
    const std::optional<int> first = timeOf(piece.substr(0, dash));
    const std::optional<int> last = timeOf(piece.substr(dash + 1, slash - dash - 1));
    const std::string step = piece.substr(slash + 1);
    if (!first || !last || *last < *first || !allDigits(step) || step.size() > 4)
        return false;
    const int every = std::stoi(step);
    if (every < 1 || every >= kMinutesPerDay)
        return false;
    for (int time = *first; time <= *last; time += every)
        minutes.push_back(time);
    return true;
}

}  // namespace

SeriesTimes parseSeriesTimes(const std::string& text)
{
    std::string plain = text;
    replaceAll(plain, "\xEF\xBC\x8C", ",");  // ，
    replaceAll(plain, "\xE3\x80\x81", ",");  // 、
    replaceAll(plain, "\xEF\xBC\x9A", ":");  // ：
    replaceAll(plain, "\xE3\x80\x80", " ");  // the full-width blank
    std::replace(plain.begin(), plain.end(), ',', ' ');

    SeriesTimes series;
    std::istringstream pieces(plain);
    for (std::string piece; pieces >> piece;) {
        if (!readPiece(piece, series.minutes)) {
            series.unreadable = piece;
            series.minutes.clear();
            return series;
        }
    }
    std::sort(series.minutes.begin(), series.minutes.end());
    series.minutes.erase(std::unique(series.minutes.begin(), series.minutes.end()), series.minutes.end());
    return series;
}

}  // namespace tavisto
