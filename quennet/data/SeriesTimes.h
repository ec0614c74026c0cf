#pragma once
// The times of a series as a user types them: "7:50 8:40, 9:30" or "08:00-12:00/45" (every 45
// minutes from 08:00 up to 12:00), separated by blanks, commas or new lines.
#include <string>
#include <vector>

namespace quennet {

struct SeriesTimes {
    std::vector<int> starts;  // minutes of the day, ascending, each once
    std::string badPart;      // the first part that is no time or range; empty when all were read
};

// Text in UTF-8; full-width commas and colons count as their ASCII forms.
SeriesTimes parseSeriesTimes(const std::string& text);

}  // namespace quennet
