// Pictures of Tavisto's windows for the documentation. The main window is driven through its states
// (no file, a new set in the music layout, an opened file at program 2 peripheral timing 15, the random
// program); the overview, About and relation-diagram windows are shown with example contents.
// --dark takes the main and About windows in the Fusion style with a dark palette, --scaled the main
// window and the overview at scale factor 2 (on a 1920 x 1080 screen the overview must fit).
// Run under an X server (xvfb-run -a -s "-screen 0 1920x1080x24"), QT_QPA_PLATFORM=xcb.
// Usage: tavisto_screenshots [--dark | --scaled] OUTPUT_DIRECTORY

#include "AppSetup.h"
#include "AppTexts.h"
#include "ControlNames.h"
#include "OverviewText.h"
#include "ScriptedDialogs.h"
#include "TForm1.h"
#include "TForm2.h"
#include "TForm3.h"
#include "TForm4.h"
#include "TextConversions.h"
#include "TimingFile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace tavisto;

namespace {

bool save(QWidget& window, const QString& path)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    QTest::qWait(200);  // let fonts and the paint settle
    return window.grab().save(path);
}

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
        overview.setRow(row, overviewRow(music, row + 1, cp));
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
    TimingFile file;
    return file.create(path.toStdString()) && file.write(set);
}

// A new set with a music timing filled in, as in the README's first picture of the editor.
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

QPalette darkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    dark.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Button, QColor(53, 53, 53));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    dark.setColor(QPalette::ToolTipBase, QColor(53, 53, 53));
    dark.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
    dark.setColor(QPalette::Mid, QColor(110, 110, 110));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(130, 130, 130));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(130, 130, 130));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(130, 130, 130));
    return dark;
}

// The windows in their states, in the default style.
bool takeStandardPictures(const QDir& out, const QString& example)
{
    ScriptedDialogs dialogs;
    TForm1 window(dialogs);
    bool saved = save(window, out.filePath("no-file.png"));

    showMusicTiming(window);
    saved = saved && save(window, out.filePath("music.png"));

    dialogs.answers.enqueue(Dialogs::Answer::No);  // the set is dropped unsaved, the example file opened
    dialogs.fileAnswers.enqueue(example);
    click(window, kOpenFileButton);
    click(window, kProgram2Button);
    click(window, kPeripheralOrOffButton);
    dialogs.inputAnswers.enqueue(QStringLiteral("15"));
    click(window, kJumpButton);
    saved = saved && save(window, out.filePath("peripheral.png"));

    click(window, kRandomProgramButton);
    set(window, kTrack1Edit, "05");
    set(window, kTrack3Edit, "20");
    set(window, kEndHourEdit, "22");
    click(window, kWeekdayBoxes[5]);
    click(window, kWeekdayBoxes[6]);
    saved = saved && save(window, out.filePath("random.png"));

    TForm2 overview(dialogs);
    overview.setWindowTitle(overviewTitle({}, 1));
    fillMusicTable(overview);
    TForm3 about;
    TForm4 diagram;
    return saved && save(overview, out.filePath("overview.png")) && save(about, out.filePath("about.png"))
        && save(diagram, out.filePath("diagram.png"));
}

// The main window and the About window in the Fusion style with a dark palette.
bool takeDarkPictures(const QDir& out)
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(darkPalette());
    ScriptedDialogs dialogs;
    TForm1 window(dialogs);
    showMusicTiming(window);
    TForm3 about;
    return save(window, out.filePath("music-dark.png")) && save(about, out.filePath("about-dark.png"));
}

// The main window and the overview at twice the size; the overview fits the screen.
bool takeScaledPictures(const QDir& out)
{
    ScriptedDialogs dialogs;
    TForm1 window(dialogs);
    showMusicTiming(window);
    bool saved = save(window, out.filePath("music-2x.png"));
    TForm2 overview(dialogs, &window);
    overview.setWindowTitle(overviewTitle({}, 1));
    fillMusicTable(overview);
    return saved && save(overview, out.filePath("overview-2x.png"));
}

}  // namespace

int main(int argc, char* argv[])
{
    const QStringList modes{QStringLiteral("--dark"), QStringLiteral("--scaled")};
    const QString mode = argc == 3 ? QString::fromLocal8Bit(argv[1]) : QString();
    if ((argc != 2 && argc != 3) || (argc == 3 && !modes.contains(mode))) {
        std::fprintf(stderr, "usage: %s [--dark | --scaled] OUTPUT_DIRECTORY\n", argv[0]);
        return 2;
    }
    if (mode == modes[1])
        qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    setUpApplication();
    const QDir out(QString::fromLocal8Bit(argv[argc - 1]));
    if (mode == modes[0])
        return takeDarkPictures(out) ? 0 : 1;
    if (mode == modes[1])
        return takeScaledPictures(out) ? 0 : 1;
    QTemporaryDir files;
    const QString example = files.filePath(QStringLiteral("SCHOOL.mtf"));
    return writeExample(example) && takeStandardPictures(out, example) ? 0 : 1;
}
