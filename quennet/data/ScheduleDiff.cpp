#include "ScheduleDiff.h"

#include "WeekCheck.h"
#include "WeekText.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace quennet {

namespace {
// One line of a schedule and where it sorts among the others.
struct Line {
    std::tuple<int, int> order;  // day and start; 0, 0 for lines without a time
    std::string text;
};

std::string programName(int program)
{
    return "程序" + std::to_string(program + 1);
}

std::string joined(const std::vector<std::string>& cells)
{
    std::string text;
    for (const std::string& cell : cells)
        text += (text.empty() ? "" : "\t") + cell;
    return text;
}

// The week of one program without the slots: what plays.
std::vector<Line> weekLines(const DataFile::Listing& listing, int program)
{
    std::vector<Line> lines;
    for (const WeekEvent& event : expandWeek(listing.programs[std::size_t(program)], program).events) {
        std::string text = weekLine(event);
        text.erase(text.rfind('\t'));
        lines.push_back({{event.day, event.start}, programName(program) + "\t" + text});
    }
    return lines;
}

// The timings of one program that never play, each with what it would play instead of its slot.
std::vector<Line> silentLines(const DataFile::Listing& listing, int program)
{
    const std::vector<TimingEntry>& entries = listing.programs[std::size_t(program)];
    std::vector<Line> lines;
    for (const Finding& finding : reviewWeek(listing.programs, program, listing.runProgram).findings) {
        if ((finding.level != Finding::Level::Invalid && finding.level != Finding::Level::NotPlaying)
            || finding.timings.size() != 1 || finding.timings.front().position == 0)
            continue;
        const int position = finding.timings.front().position;
        const auto entry = std::find_if(entries.begin(), entries.end(),
                                        [position](const TimingEntry& e) { return e.EntryNo == position; });
        WeekEvent event;
        event.entry = *entry;
        event.kind = eventKind(*entry);
        std::vector<std::string> cells = findingCells(finding);
        cells[4] = playsText(event);  // the timing's slot gives way to what it holds
        lines.push_back({{0, 0}, programName(program) + "\t" + joined(cells)});
    }
    return lines;
}

// The lines only one side has, each side's in its own order, merged by day and time: what A
// loses before what B gains.
void addDifference(const std::vector<Line>& a, const std::vector<Line>& b, std::vector<std::string>& out)
{
    const auto onlyIn = [](const std::vector<Line>& lines, const std::vector<Line>& other) {
        std::map<std::string, int> left;
        for (const Line& line : other)
            ++left[line.text];
        std::vector<Line> only;
        for (const Line& line : lines) {
            int& count = left[line.text];
            if (count > 0)
                --count;
            else
                only.push_back(line);
        }
        return only;
    };
    const std::vector<Line> removed = onlyIn(a, b);
    const std::vector<Line> added = onlyIn(b, a);
    auto r = removed.begin();
    auto s = added.begin();
    while (r != removed.end() || s != added.end()) {
        if (s == added.end() || (r != removed.end() && r->order <= s->order))
            out.push_back("- " + (r++)->text);
        else
            out.push_back("+ " + (s++)->text);
    }
}
}  // namespace

ScheduleDiff diffSchedules(const DataFile::Listing& a, const DataFile::Listing& b)
{
    ScheduleDiff diff;
    for (int program = 0; program < kProgramCount; ++program)
        addDifference(weekLines(a, program), weekLines(b, program), diff.lines);
    if (a.runProgram != b.runProgram) {
        diff.lines.push_back("- 运行程序\t" + programName(a.runProgram));
        diff.lines.push_back("+ 运行程序\t" + programName(b.runProgram));
    }
    for (int program = 0; program < kProgramCount; ++program)
        addDifference(silentLines(a, program), silentLines(b, program), diff.lines);
    return diff;
}

}  // namespace quennet
