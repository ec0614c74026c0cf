// Measures what a user waits for: Quennet's start-up and peak memory against the bare window,
// with a data file whose first program holds 99 timings, as on a player in use; and the check of
// a program of 99 timings on every day and in every zone, and its week plan until it is on the screen;
// and the check list's tools on a full program, from 确定 until the list is drawn again; and the
// export, import and difference of a full set as a table.
// Run under an X display: xvfb-run -a quennet_bench (./project.sh bench does this).

#include "StartupComparison.h"

#include "ControlNames.h"
#include "DataFile.h"
#include "FileFixtures.h"
#include "ScheduleDiff.h"
#include "ScheduleTable.h"
#include "ScriptedDialogs.h"
#include "TemporarySettings.h"
#include "TimingCheckList.h"
#include "TimingEditor.h"
#include "WeekCheck.h"
#include "WeekPlanWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

using namespace quennet;
using namespace quennet::testing;

namespace {

constexpr int kCheckRuns = 201;
constexpr int kWindowRuns = 21;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// 99 timings of every kind, on every day and in every zone, many of them clashing.
DataFile::Listing fullProgram()
{
    DataFile::Listing listing;
    for (int position = 1; position <= kMaxTimings; ++position) {
        TimingEntry entry;
        entry.EntryNo = std::uint8_t(position);
        entry.Hour = std::uint8_t(position % 24);
        entry.Minute = std::uint8_t(position * 7 % 60);
        entry.DayBits = 0x7F;
        entry.ZoneBits = kAllZoneBits;
        entry.MainTrack = position % 3 == 2 ? kPeripheralTrack : std::uint8_t(position % 99);
        entry.RadioFlag = position % 3 == 1 ? 1 : 0;
        entry.RangeFromOrEndHour = std::uint8_t((position + 1) % 24);
        entry.RangeToOrEndMinute = std::uint8_t(position * 11 % 60);
        listing.programs[0].push_back(entry);
    }
    return listing;
}

double millisecondsSince(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// The window thread's own time: on a machine shared with other work the wall clock also counts the
// time the others ran.
double threadMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

struct ToolTime {
    std::vector<double> wall, thread;
};

struct ToolTimes {
    ToolTime series, shift, undoShift, undoSeries;
};

// In the editor's check list of a program that holds one timing: a series of 98 copies of it, which
// fills the program to 99 timings, then a shift of all 99 by a minute, then the undo of each; every
// figure from the click until the list is drawn again.
ToolTimes measureTools()
{
    QTemporaryDir drive;
    writeDataFile(drive.path(), timingsFile(0, 1));
    DataFile file(drive.path().toStdString());
    testing::ScriptedDialogs dialogs;
    TimingEditor editor(file, dialogs);
    editor.show();
    const auto button = [&](const char* id) {
        return editor.findChild<QPushButton*>(QString::fromLatin1(id));
    };
    button(kOpenCloseButton)->click();
    TimingCheckList list(file, dialogs, 0, &editor);
    list.show();
    QElapsedTimer waited;
    waited.start();
    while (!(list.windowHandle() && list.windowHandle()->isExposed()) && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    auto* rows = list.findChild<QTreeWidget*>(QString::fromLatin1(kTimingList));
    const auto timed = [&](const char* id, ToolTime& times) {
        QElapsedTimer timer;
        timer.start();
        const double started = threadMilliseconds();
        button(id)->click();
        list.repaint();
        times.thread.push_back(threadMilliseconds() - started);
        times.wall.push_back(millisecondsSince(timer));
    };

    ToolTimes times;
    for (int run = 0; run < kWindowRuns; ++run) {
        rows->topLevelItem(0)->setSelected(true);
        button(kSeriesButton)->click();
        list.findChild<QPlainTextEdit*>(QString::fromLatin1(kSeriesTimes))->setPlainText("08:00-16:05/5");
        timed(kSeriesOk, times.series);
        rows->selectAll();
        button(kShiftButton)->click();
        list.findChild<QLineEdit*>(QString::fromLatin1(kShiftMinutes))->setText("+1");
        timed(kShiftOk, times.shift);
        timed(kUndoButton, times.undoShift);
        timed(kUndoButton, times.undoSeries);
        QCoreApplication::processEvents();  // the tools' windows go
    }
    if (rows->topLevelItemCount() != 1)
        std::fprintf(stderr, "quennet_bench: the undo left %d timings\n", rows->topLevelItemCount());
    return times;
}

struct TableTimes {
    std::vector<double> exported, imported, diffed;
};

// The full set (four programs of every kind) exported as the table and imported back into the
// file, and set against itself with one timing a minute later and another run program.
TableTimes measureTable()
{
    const QByteArray full = fullSchedule();
    const std::vector<std::uint8_t> image(full.begin(), full.end());
    const DataFile::Listing listing = DataFile::listImage(image);
    DataFile::Listing other = listing;
    other.programs[3].front().Minute = std::uint8_t((other.programs[3].front().Minute + 1) % 60);
    other.runProgram = 0;
    TableTimes times;
    std::size_t checked = 0;
    for (int run = 0; run < kCheckRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        const std::string table = exportTable(listing.programs);
        times.exported.push_back(millisecondsSince(timer));
        timer.restart();
        // An export imported back gives the same bytes.
        checked += importTable(image, table).image == image;
        times.imported.push_back(millisecondsSince(timer));
        timer.restart();
        checked += diffSchedules(listing, other).differs();
        times.diffed.push_back(millisecondsSince(timer));
    }
    if (checked != std::size_t(2 * kCheckRuns))
        std::fprintf(stderr, "quennet_bench: the table did not come back as it went out\n");
    return times;
}

}  // namespace

int main(int argc, char* argv[])
{
    // The programs draw on the X display that xvfb-run provides; Quennet finds its data file in
    // a scratch data folder, never in the user's own.
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    QTemporaryDir data;
    if (!data.isValid()) {
        std::fprintf(stderr, "quennet_bench: cannot make a scratch folder\n");
        return 1;
    }
    writeDataFile(data.filePath(QStringLiteral("quennet/drive_c")), timingsFile(0, 99));
    setenv("XDG_DATA_HOME", qPrintable(data.path()), 1);

    std::string error;
    const auto startup = compareStartup(QUENNET_BINARY, error);
    if (!startup) {
        std::fprintf(stderr, "quennet_bench: %s\n", error.c_str());
        return 1;
    }
    std::printf("Quennet benchmark (medians of several runs)\n");
    printStartup("quennet", *startup);

    QApplication app(argc, argv);
    const quennet::testing::TemporarySettings settings;  // the week plan opens as it does the first time
    const DataFile::Listing listing = fullProgram();

    std::vector<double> checks;
    std::size_t findings = 0;
    for (int run = 0; run < kCheckRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        findings = reviewWeek(listing.programs, 0, 0).findings.size();
        checks.push_back(millisecondsSince(timer));
    }

    testing::ScriptedDialogs dialogs;
    std::vector<double> opened, redrawn;
    for (int run = 0; run < kWindowRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        WeekPlanWindow plan(dialogs, nullptr);
        plan.setSchedule(listing, QStringLiteral("userds.kqd"), false);
        plan.show();
        while (!(plan.windowHandle() && plan.windowHandle()->isExposed()) && timer.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        plan.repaint();
        opened.push_back(millisecondsSince(timer));

        // One timing moved by a quarter of an hour, as a store step does.
        DataFile::Listing edited = listing;
        TimingEntry& moved = edited.programs[0][std::size_t(run) % edited.programs[0].size()];
        moved.Minute = std::uint8_t((moved.Minute + 15) % 60);
        timer.restart();
        plan.setSchedule(edited, QStringLiteral("userds.kqd"), false);
        plan.repaint();
        redrawn.push_back(millisecondsSince(timer));
    }

    const ToolTimes tools = measureTools();
    const TableTimes table = measureTable();

    std::printf("  check of 99 timings             %.2f ms, %zu findings (aim < 5 ms)\n", median(checks),
                findings);
    std::printf(
        "  week plan of 99 timings         opened %.2f ms (aim < 25 ms), redrawn after an edit %.2f ms "
        "(aim < 16 ms)\n",
        median(opened), median(redrawn));
    const auto printTool = [](const char* what, const ToolTime& time) {
        std::printf("  check list, %-26s %5.2f ms, window thread %5.2f ms (aim < 16 ms)\n", what,
                    median(time.wall), median(time.thread));
    };
    printTool("series to 99 timings", tools.series);
    printTool("undo of the series", tools.undoSeries);
    printTool("shift of 99 timings", tools.shift);
    printTool("undo of the shift", tools.undoShift);
    std::printf("  table of a full set             exported %.2f ms, imported %.2f ms, --diff %.2f ms (aim < "
                "10 ms)\n",
                median(table.exported), median(table.imported), median(table.diffed));
    return 0;
}
