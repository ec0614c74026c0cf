// Pictures of Tavisto's windows for the documentation, under a real display (e.g. xvfb-run); the
// options are those of ScreenshotOptions.h. The main window is driven through its states (no file,
// a new set in the music layout, an opened file at program 2 peripheral timing 15, the random
// program, a school day entered with the overview's bulk tools); the overview, About,
// relation-diagram and week plan windows are shown with example contents. The overview's printout is written as printout.pdf beside the pictures.

#include "AppSetup.h"
#include "AppTexts.h"
#include "ControlNames.h"
#include "DarkPalette.h"
#include "ListPrint.h"
#include "OverviewText.h"
#include "ScheduleTable.h"
#include "ScreenshotOptions.h"
#include "ScriptedDialogs.h"
#include "TForm1.h"
#include "TForm2.h"
#include "TForm3.h"
#include "TForm4.h"
#include "TemporarySettings.h"
#include "TextConversions.h"
#include "TimingDocument.h"
#include "WeekPlanWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

using namespace tavisto;

namespace {

// A music table with a morning, a noon and an evening timing on most days.
void fillMusicTable(TForm2& overview)
{
    const SlotSelection music{1, TimingType::Music, 1};
    overview.setRowCount(lastSlot(music));
    for (int row = 0; row < lastSlot(music); ++row) {
        CP cp;
        ClearCP(cp);
        if (row < 12) {
            cp.Serial = std::uint8_t(row + 1);
            cp.StartHour = toBcd(7 + row);
            cp.StartMinute = toBcd(row % 2 ? 30 : 0);
            cp.Track1 = std::uint8_t(row + 1);
            cp.Track2 = std::uint8_t(row + 12);
            cp.Track3 = std::uint8_t(3 * row + 3);
            cp.Weekdays = row % 3 ? 0x1F : 0x7F;
            cp.Zones = row % 2 ? 0x03 : 0x3F;
        }
        overview.setRow(row, overviewRow(music, row + 1, cp), !isEmptySerial(cp.Serial));
    }
}

void click(TForm1& window, const char* name)
{
    QTest::mouseClick(window.findChild<QAbstractButton*>(QLatin1String(name)), Qt::LeftButton);
}

void set(TForm1& window, const char* name, const char* text)
{
    window.findChild<QLineEdit*>(QLatin1String(name))->setText(QString::fromLatin1(text));
}

// A timing file with a peripheral timing 15 in program 2 that works 06:30 to 07:15 on weekdays.
bool writeExample(const QString& path)
{
    TimingSet set = TimingSet::fresh();
    const std::uint8_t slot[8] = {15, 0x06, 0x30, 0x07, 0x15, 0x00, 0x1F, 0x05};
    std::copy(slot, slot + 8, set.Buffer.programSlot(2, TimingType::Peripheral, 15));
    set.RunProgram = 2;
    TimingDocument file;
    return !file.takePath(path.toStdString()) && !file.save(set);
}

// A new set with a music timing filled in, as in the user guide's first picture of the editor.
void showMusicTiming(TForm1& window)
{
    click(window, kNewFileButton);
    set(window, kTrack1Edit, "01");
    set(window, kTrack2Edit, "12");
    set(window, kTrack3Edit, "03");
    set(window, kStartHourEdit, "07");
    set(window, kStartMinuteEdit, "30");
    for (const char* box : {kWeekdayBoxes[0], kWeekdayBoxes[1], kWeekdayBoxes[2], kWeekdayBoxes[3],
                            kWeekdayBoxes[4], kZoneBoxes[0], kZoneBoxes[1]})
        click(window, box);
}

// The walkthrough's school week, read from its table in examples/ as the import reads it.
TimingSet weekExample()
{
    QFile table(QStringLiteral(TAVISTO_EXAMPLES "/tavisto-school-week.csv"));
    if (!table.open(QIODevice::ReadOnly))
        qFatal("no example table");
    const TableImport imported = importTable(TimingSet::fresh(), table.readAll().toStdString());
    if (!imported.set)
        qFatal("the example table does not import");
    return *imported.set;
}

QWidget* shownWindow(const char* name)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String(name) && window->isVisible())
            return window;
    return nullptr;
}

// A school day entered as the guide tells: the music timing of the editor's picture as the model,
// 批量添加 with the day's bells (the dialog is the picture "series"), then 复制到… Saturday for the
// morning's first three (the list is the picture "school-day").
bool shootSchoolDay(TForm1& window, const ScreenshotOptions& options)
{
    showMusicTiming(window);
    click(window, kOverviewButton);
    auto* overview = qobject_cast<TForm2*>(shownWindow(kOverviewWindow));
    if (!overview)
        return false;
    overview->selectRows({0});
    QTest::mouseClick(overview->findChild<QWidget*>(QLatin1String(kSeriesButton)), Qt::LeftButton);
    auto* series = overview->findChild<QDialog*>(QLatin1String(kSeriesDialog));
    series->findChild<QPlainTextEdit*>(QLatin1String(kSeriesTimes))
        ->setPlainText(QStringLiteral("8:15 9:00 9:10 9:55 10:15 11:00\n13:30 14:15 14:25 15:10"));
    if (!options.shoot(*series, "series"))
        return false;
    QTest::mouseClick(series->findChild<QWidget*>(QLatin1String(kSeriesOk)), Qt::LeftButton);
    overview->selectRows({0, 1, 2});
    QTest::mouseClick(overview->findChild<QWidget*>(QLatin1String(kCopyToButton)), Qt::LeftButton);
    auto* copy = overview->findChild<QDialog*>(QLatin1String(kCopyDialog));
    for (int day = 0; day < 7; ++day)
        copy->findChild<QCheckBox*>(QLatin1String(kCopyDays[day]))->setChecked(day == 5);
    QTest::mouseClick(copy->findChild<QWidget*>(QLatin1String(kCopyOk)), Qt::LeftButton);
    overview->selectRows({11, 12, 13});
    const bool shot = options.shoot(*overview, "school-day");
    overview->close();
    return shot;
}

// The overview's list printed to a PDF file, as Ctrl+P prints it to a file.
bool printOverview(const TForm2& overview, const QString& path)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    return printList(overview.printout(), printer);
}

}  // namespace

int main(int argc, char* argv[])
{
    const ScreenshotOptions options = ScreenshotOptions::parse(argc, argv);
    QApplication app(argc, argv);
    const TemporarySettings settings;  // the week plan opens as it does the first time
    setUpApplication();
    options.applyStyle(darkPalette());

    QTemporaryDir files;
    const QString example = files.filePath(QStringLiteral("SCHOOL.mtf"));
    if (!writeExample(example))
        return 1;
    ScriptedDialogs dialogs;
    TForm1 window(dialogs);
    bool saved = options.shoot(window, "no-file");
    saved = saved && shootSchoolDay(window, options);

    dialogs.answers.enqueue(Dialogs::Answer::No);  // the school day is dropped unsaved
    showMusicTiming(window);
    saved = saved && options.shoot(window, "music");

    dialogs.answers.enqueue(Dialogs::Answer::No);  // the set is dropped unsaved, the example file opened
    dialogs.fileAnswers.enqueue(example);
    click(window, kOpenFileButton);
    click(window, kProgram2Button);
    click(window, kPeripheralOrOffButton);
    dialogs.inputAnswers.enqueue(QStringLiteral("15"));
    click(window, kJumpButton);
    saved = saved && options.shoot(window, "peripheral");

    click(window, kRandomProgramButton);
    set(window, kTrack1Edit, "05");
    set(window, kTrack3Edit, "20");
    set(window, kEndHourEdit, "22");
    click(window, kWeekdayBoxes[5]);
    click(window, kWeekdayBoxes[6]);
    saved = saved && options.shoot(window, "random");

    // On a screen smaller than the overview (at a large scale) it fits itself to the screen.
    TForm2 overview(dialogs, &window);
    overview.setWindowTitle(overviewTitle({}, 1));
    fillMusicTable(overview);
    TForm3 about;
    TForm4 diagram;
    WeekPlanWindow weekPlan(dialogs, nullptr);
    weekPlan.setAttribute(Qt::WA_DeleteOnClose, false);
    weekPlan.setSchedule(weekExample(), example, false);
    return saved && options.shoot(overview, "overview")
            && printOverview(overview, options.folder + QStringLiteral("/printout.pdf"))
            && options.shoot(about, "about") && options.shoot(diagram, "diagram")
            && options.shoot(weekPlan, "week-plan")
        ? 0
        : 1;
}
