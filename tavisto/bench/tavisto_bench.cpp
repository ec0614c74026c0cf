// Measures what a user waits for: Tavisto's start-up and peak memory against the bare window,
// opening the overview of a full music table, saving a full timing set, and its table and diff.
// Run under an X display: xvfb-run -a tavisto_bench (./project.sh bench does this).

#include "StartupComparison.h"

#include "ControlNames.h"
#include "ScheduleDiff.h"
#include "ScheduleTable.h"
#include "ScriptedDialogs.h"
#include "TForm1Probe.h"
#include "TForm2.h"
#include "TemporarySettings.h"
#include "TextConversions.h"
#include "TimingDocument.h"
#include "WeekPlanWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

using namespace tavisto;

namespace {

constexpr int kRuns = 21;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Every slot of every table in use, with times, tracks, days and zones.
TimingSet fullTimingSet()
{
    TimingSet set;
    for (int program = 1; program <= kProgramCount; ++program)
        for (TimingType type : {TimingType::Music, TimingType::Peripheral})
            for (int slot = 1; slot <= kProgramSlots; ++slot) {
                std::uint8_t* s = set.Buffer.programSlot(program, type, slot);
                const std::uint8_t bytes[kProgramSlotSize] = {std::uint8_t(slot),
                                                              toBcd(slot % 24),
                                                              toBcd(slot % 60),
                                                              toBcd((slot + 1) % 24),
                                                              std::uint8_t(slot % 100),
                                                              std::uint8_t((slot + 7) % 100),
                                                              0x7F,
                                                              0x3F};
                std::copy(std::begin(bytes), std::end(bytes), s);
            }
    for (int slot = 1; slot <= kRandomSlots; ++slot) {
        std::uint8_t* s = set.Buffer.randomSlot(slot);
        const std::uint8_t bytes[kRandomSlotSize] = {
            std::uint8_t(slot), toBcd(slot), 0x00, toBcd(slot + 1), 0x30, 1, 0x7F, 0x3F, 1, 99};
        std::copy(std::begin(bytes), std::end(bytes), s);
    }
    return set;
}

bool waitExposed(QWidget* window)
{
    QElapsedTimer waited;
    waited.start();
    while (!(window->windowHandle() && window->windowHandle()->isExposed())) {
        if (waited.elapsed() > 5000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return true;
}

// The main window shown, with `set` in front of it as a new set.
bool editSet(TForm1& window, const TimingSet& set)
{
    window.show();
    if (!waitExposed(&window))
        return false;
    window.findChild<QAbstractButton*>(kNewFileButton)->click();
    TForm1Probe(window).showTimings(set);
    return true;
}

struct OverviewTimes {
    double opened;   // 定时核对: store the shown timing, create the window, list 99 rows
    double exposed;  // until the window is on the screen
};

// "定时核对" on program 1's music table with all 99 listed timings in use.
std::optional<OverviewTimes> timeOverview()
{
    ScriptedDialogs dialogs;  // Yes to every question
    TForm1 window(dialogs);
    TForm1Probe probe(window);
    if (!editSet(window, fullTimingSet()))
        return std::nullopt;
    auto* overviewButton = window.findChild<QAbstractButton*>(kOverviewButton);

    std::vector<double> opened, exposed;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer clock;
        clock.start();
        overviewButton->click();
        opened.push_back(clock.nsecsElapsed() / 1e6);
        if (!probe.overview() || !waitExposed(probe.overview()))
            return std::nullopt;
        exposed.push_back(clock.nsecsElapsed() / 1e6);
        probe.overview()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    return OverviewTimes{median(opened), median(exposed)};
}

struct BulkTimes {
    double series, shift, undoShift, undoSeries;
};

// In the overview of an empty music table with a model in slot 1: 批量添加 of 98 times (99
// timings in all), 平移时间 of all 99, then the undo of each, every one until the list is painted.
std::optional<BulkTimes> timeBulkSteps()
{
    ScriptedDialogs dialogs;
    TForm1 window(dialogs);
    TForm1Probe probe(window);
    TimingSet model = TimingSet::fresh();
    const std::uint8_t slot1[kProgramSlotSize] = {1, 0x06, 0x00, 1, 0, 0, 0x1F, 0x03};
    std::copy(std::begin(slot1), std::end(slot1), model.Buffer.programSlot(1, TimingType::Music, 1));
    if (!editSet(window, model))
        return std::nullopt;
    window.findChild<QAbstractButton*>(kOverviewButton)->click();
    TForm2* overview = probe.overview();
    if (!overview || !waitExposed(overview))
        return std::nullopt;
    QStringList times;
    for (int i = 1; i < kProgramSlots - 1; ++i)
        times << QStringLiteral("%1:%2").arg(6 + i / 6).arg(i % 6 * 10, 2, 10, QLatin1Char('0'));
    QList<int> allRows;
    for (int row = 0; row < kProgramSlots - 1; ++row)
        allRows << row;

    const auto timed = [](const std::function<void()>& step) {
        QElapsedTimer clock;
        clock.start();
        step();
        QCoreApplication::processEvents();  // the list painted
        return clock.nsecsElapsed() / 1e6;
    };
    std::vector<double> series, shift, undoShift, undoSeries;
    for (int run = 0; run < kRuns; ++run) {
        overview->selectRows({0});
        series.push_back(timed([&] { emit overview->seriesRequested(times.join(QLatin1Char(' '))); }));
        if (probe.state().Timings.Buffer.programSlot(1, TimingType::Music, kProgramSlots - 1)[0]
            != kProgramSlots - 1)
            return std::nullopt;  // the table is not full
        overview->selectRows(allRows);
        shift.push_back(timed([&] { emit overview->shiftRequested(5); }));
        undoShift.push_back(timed([&] { emit overview->undoRequested(); }));
        undoSeries.push_back(timed([&] { emit overview->undoRequested(); }));
    }
    overview->close();
    return BulkTimes{median(series), median(shift), median(undoShift), median(undoSeries)};
}

// The check of the run program's week, every timing used on every day in every zone.
double timeWeekCheck(const TimingSet& set)
{
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer clock;
        clock.start();
        const WeekPlan plan = expandWeek(set, playedProgram(set));
        const std::vector<Finding> findings = checkWeek(set, plan);
        times.push_back(clock.nsecsElapsed() / 1e6);
        if (findings.empty())
            return -1;
    }
    return median(times);
}

struct WeekPlanTimes {
    double opened;   // from its creation until it is painted on the screen
    double redrawn;  // from a changed set until it is painted again
};

// The week plan of that week: opened, then given the set again after one timing changed.
std::optional<WeekPlanTimes> timeWeekPlan(const TimingSet& set)
{
    ScriptedDialogs dialogs;
    std::vector<double> opened, redrawn;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer clock;
        clock.start();
        auto* plan = new WeekPlanWindow(dialogs, nullptr);
        plan->setSchedule(set, QStringLiteral("full.mtf"), false);
        plan->show();
        if (!waitExposed(plan))
            return std::nullopt;
        plan->repaint();
        opened.push_back(clock.nsecsElapsed() / 1e6);

        TimingSet edited = set;
        edited.Buffer.programSlot(playedProgram(set), TimingType::Music, 1 + run % 99)[2] = 0x45;
        clock.restart();
        plan->setSchedule(edited, QStringLiteral("full.mtf"), true);
        plan->repaint();
        redrawn.push_back(clock.nsecsElapsed() / 1e6);
        plan->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    return WeekPlanTimes{median(opened), median(redrawn)};
}

// A save of a full set into an open file, flushed to the device each time.
std::optional<double> timeSave(const QString& directory)
{
    QTemporaryDir dir(directory + "/tavisto-bench-XXXXXX");
    TimingDocument file;
    if (!dir.isValid() || file.takePath(dir.filePath("full.mtf").toStdString()))
        return std::nullopt;
    const TimingSet set = fullTimingSet();
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer clock;
        clock.start();
        if (file.save(set))
            return std::nullopt;
        times.push_back(clock.nsecsElapsed() / 1e6);
    }
    return median(times);
}

struct TableTimes {
    double exported;  // the table of every program
    double imported;  // that table read back and checked, row by row
    double diffed;    // against the set with every music timing of program 1 a minute later
};

// The full set as a table and back, and its difference from a set that plays otherwise.
std::optional<TableTimes> timeTable()
{
    TimingSet set = fullTimingSet();
    // Every end a valid time, so that the table reads back.
    for (int program = 1; program <= kProgramCount; ++program)
        for (int slot = 1; slot <= kProgramSlots; ++slot)
            set.Buffer.programSlot(program, TimingType::Peripheral, slot)[4] = toBcd(slot % 60);
    TimingSet later = set;
    for (int slot = 1; slot <= kProgramSlots; ++slot)
        later.Buffer.programSlot(1, TimingType::Music, slot)[2] = toBcd((slot + 1) % 60);
    std::vector<double> exported, imported, diffed;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer clock;
        clock.start();
        const std::string table = exportTable(set);
        exported.push_back(clock.nsecsElapsed() / 1e6);
        clock.restart();
        const TableImport back = importTable(set, table);
        imported.push_back(clock.nsecsElapsed() / 1e6);
        if (!back.set || *back.set != set)
            return std::nullopt;
        clock.restart();
        if (!diffSchedules(set, later).differs())
            return std::nullopt;
        diffed.push_back(clock.nsecsElapsed() / 1e6);
    }
    return TableTimes{median(exported), median(imported), median(diffed)};
}

int fail(const std::string& what)
{
    std::fprintf(stderr, "tavisto_bench: %s\n", what.c_str());
    return 1;
}

}  // namespace

int main(int argc, char* argv[])
{
    // Both programs and this one draw on the X display that xvfb-run provides.
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    QApplication app(argc, argv);
    const tavisto::TemporarySettings settings;  // the week plan opens as it does the first time
    const QString here = QCoreApplication::applicationDirPath();
    std::string error;
    const auto startup = compareStartup(TAVISTO_BINARY, error);
    if (!startup)
        return fail(error);

    const auto overview = timeOverview();
    if (!overview)
        return fail("the overview window did not open");
    const double weekCheck = timeWeekCheck(fullTimingSet());
    const auto weekPlan = timeWeekPlan(fullTimingSet());
    if (weekCheck < 0 || !weekPlan)
        return fail("the week plan did not open");
    const auto bulk = timeBulkSteps();
    if (!bulk)
        return fail("the overview's bulk tools did not run");
    const auto save = timeSave(here);
    if (!save)
        return fail("cannot write a timing file in " + here.toStdString());
    const auto table = timeTable();
    if (!table)
        return fail("the full set's table did not read back to the same set");

    std::printf("Tavisto benchmark (medians of several runs; each measurement after the start-up of %d)\n",
                kRuns);
    printStartup("tavisto", *startup);
    std::printf("  overview of a full music table  opened %.2f ms, on screen %.2f ms (aim < 10 ms)\n",
                overview->opened, overview->exposed);
    std::printf("  批量添加 of 98 times            %.2f ms, undone %.2f ms (list redrawn; aim < 16 ms)\n",
                bulk->series, bulk->undoSeries);
    std::printf("  平移时间 of 99 timings          %.2f ms, undone %.2f ms (list redrawn; aim < 16 ms)\n",
                bulk->shift, bulk->undoShift);
    std::printf(
        "  check of a full week            %.2f ms (99 + 99 + 10 timings, every day and zone; aim < 5 ms)\n",
        weekCheck);
    std::printf(
        "  week plan of a full week        opened %.2f ms (aim < 25 ms), redrawn after an edit %.2f ms "
        "(aim < 16 ms)\n",
        weekPlan->opened, weekPlan->redrawn);
    std::printf(
        "  save of a full timing set       %.2f ms (18560-byte file, written and flushed to the device)\n",
        *save);
    std::printf("  table of a full set             exported %.2f ms, imported %.2f ms, --diff %.2f ms (aim < "
                "10 ms)\n",
                table->exported, table->imported, table->diffed);
    return 0;
}
