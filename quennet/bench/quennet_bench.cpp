// Measures what a user waits for: Quennet's start-up and peak memory against the bare window,
// with a data file whose first program holds 99 timings, as on a player in use; and the check of
// a program of 99 timings on every day and in every zone, and its week plan until it is on the screen.
// Run under an X display: xvfb-run -a quennet_bench (./project.sh bench does this).

#include "StartupComparison.h"

#include "DataFile.h"
#include "FileFixtures.h"
#include "ScriptedDialogs.h"
#include "WeekCheck.h"
#include "WeekPlanWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
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
    std::vector<double> opened, shown;
    for (int run = 0; run < kWindowRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        WeekPlanWindow plan(listing, QStringLiteral("userds.kqd"), dialogs);
        plan.show();
        opened.push_back(millisecondsSince(timer));
        while (!(plan.windowHandle() && plan.windowHandle()->isExposed()) && timer.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        QCoreApplication::processEvents();  // the first paint
        shown.push_back(millisecondsSince(timer));
    }

    std::printf("  check of 99 timings             %.2f ms, %zu findings (aim < 5 ms)\n", median(checks),
                findings);
    std::printf("  week plan of 99 timings         opened %.2f ms, on screen %.2f ms (aim < 150 ms)\n",
                median(opened), median(shown));
    return 0;
}
