#pragma once
// The list of times a series of timings is added at, as the user types it: "7:55, 8:40 9:35",
// one a line, or ranges "08:00-12:00/45" (every 45 minutes from 08:00 up to 12:00 at most).

#include <string>
#include <vector>

namespace tavisto {

struct SeriesTimes {
    std::vector<int> minutes;  // minutes of the day, ascending, each once
    std::string unreadable;    // the first piece that is neither a time nor a range; empty when none
};

// Pieces are separated by blanks, new lines or commas (also the full-width "，" and "、"); a time
// is H:MM or HH:MM (the full-width colon "：" reads as ":").
SeriesTimes parseSeriesTimes(const std::string& text);

}  // namespace tavisto
