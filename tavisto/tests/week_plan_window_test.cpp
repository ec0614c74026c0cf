// The week plan beside the editor: what it shows for the program the player runs, its findings,
// the way back to a timing in the editor, how it follows the edits, the hours it opens on, its
// colours, and its printout.

#include "DarkPalette.h"
#include "MainWindowFixture.h"
#include "PrintChecks.h"
#include "PrintPages.h"
#include "TForm2.h"
#include "TemporarySettings.h"
#include "TextConversions.h"
#include "WeekPicture.h"
#include "WeekPlanPrint.h"
#include "WeekPlanWindow.h"

#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolTip>
#include <QTreeWidget>
#include <QtTest>

using namespace tavisto;

namespace {

// Program 2 runs: its music timings 03 (zones 1 and 2) and 07 (zone 1) clash at 07:30 on Monday
// in zone 1; program 1 holds a timing it does not play.
TimingSet clashSet()
{
    TimingSet set = TimingSet::fresh();
    set.RunProgram = 2;
    set.RandomEnabled = 0;
    const std::uint8_t music[][8] = {{3, 0x07, 0x30, 1, 2, 3, 0x01, 0x03},
                                     {7, 0x07, 0x30, 4, 5, 6, 0x01, 0x01}};
    for (const auto& slot : music)
        std::copy(slot, slot + 8, set.Buffer.programSlot(2, TimingType::Music, slot[0]));
    const std::uint8_t notRun[8] = {5, 0x08, 0x00, 1, 0, 0, 0x01, 0x01};
    std::copy(notRun, notRun + 8, set.Buffer.programSlot(1, TimingType::Music, 5));
    return set;
}

// The clash set, with a random timing while the random program is off.
struct WeekPlanFixture : TemporarySettings, MainWindowFixture {
    WeekPlanFixture()
    {
        click(kNewFileButton);
        changeTimings([](TimingSet& set) {
            set = clashSet();
            const std::uint8_t random[10] = {1, 0x12, 0x00, 0x13, 0x00, 1, 0x01, 0x01, 1, 9};
            std::copy(random, random + 10, set.Buffer.randomSlot(1));
        });
    }

    // 定时核对, then 周计划 in the overview.
    WeekPlanWindow* openPlan()
    {
        click(kOverviewButton);
        QTest::mouseClick(overview()->findChild<QPushButton*>(kWeekPlanButton), Qt::LeftButton);
        return shownPlan();
    }
    static WeekPlanWindow* shownPlan()
    {
        const QList<QWidget*> shown = shownWindows(kWeekPlanWindow);
        return shown.size() == 1 ? qobject_cast<WeekPlanWindow*>(shown.first()) : nullptr;
    }
    // The middle of timing 07's mark on Monday: in zone 1 alone.
    static QPoint markAlone(const WeekPicture& picture)
    {
        for (const WeekMark& mark : picture.marks())
            if (picture.drawing().events[std::size_t(mark.event)].timing.slot == 7 && mark.day == 0)
                return mark.rect.center().toPoint();
        return {};
    }
    static QStringList rows(const QWidget& plan, int column)
    {
        QStringList texts;
        const auto* list = plan.findChild<QTreeWidget*>(kFindingList);
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            texts << list->topLevelItem(row)->text(column);
        return texts;
    }
};

// Program 1 alone, Monday to Friday in every zone: a music timing for each "HH:MM", a peripheral
// span for each "HH:MM-HH:MM".
TimingSet weekOf(const QStringList& times)
{
    TimingSet set = TimingSet::fresh();
    set.RunProgram = 1;
    set.RandomEnabled = 0;
    int music = 0, peripheral = 0;
    for (const QString& time : times) {
        const auto bcd = [&](int at) { return toBcd(time.mid(at, 2).toInt()); };
        const bool span = time.size() > 5;
        const int slot = span ? ++peripheral : ++music;
        const std::uint8_t bytes[8] = {std::uint8_t(slot),
                                       bcd(0),
                                       bcd(3),
                                       span ? bcd(6) : std::uint8_t(1),
                                       span ? bcd(9) : std::uint8_t(2),
                                       3,
                                       0x1F,
                                       0x3F};
        std::copy(bytes, bytes + 8,
                  set.Buffer.programSlot(1, span ? TimingType::Peripheral : TimingType::Music, slot));
    }
    return set;
}

// A plan window of its own, shown; the settings start empty.
struct PlanFixture : TemporarySettings {
    ScriptedDialogs dialogs;
    QPointer<WeekPlanWindow> plan;
    WeekPicture* picture = nullptr;

    void open(const TimingSet& set, const QString& file = "/schedules/SCHOOL.mtf", bool unsaved = false,
              const QPalette& palette = QPalette())
    {
        delete plan;
        plan = new WeekPlanWindow(dialogs, nullptr);
        plan->setPalette(palette);
        plan->setSchedule(set, file, unsaved);
        plan->show();
        if (!QTest::qWaitForWindowExposed(plan))
            qWarning("the plan is not shown");
        picture = plan->findChild<WeekPicture*>(kWeekPicture);
    }
    ~PlanFixture() { delete plan; }

    std::optional<WeekMark> markOf(int slot, int day, int zone) const
    {
        for (const WeekMark& mark : picture->marks())
            if (picture->drawing().events[std::size_t(mark.event)].timing.slot == slot && mark.day == day
                && mark.zone == zone)
                return mark;
        return std::nullopt;
    }
    // The times printed beside the marks on the paper's first page, each once.
    QStringList printedTimes() const
    {
        RecordingPrinter paper;
        paper.setPageOrientation(QPageLayout::Landscape);
        printWeekPlan(plan->printout(), paper);
        const QRegularExpression time("^\\d\\d:\\d\\d(-\\d\\d:\\d\\d)?$");
        QStringList times;
        const double axis = paper.pageLayout().paintRectPixels(paper.logicalDpiX()).width() / 15;
        for (const RecordingPrinter::Text& text : paper.pages[0])
            if (text.box.left() > axis && time.match(text.text).hasMatch() && !times.contains(text.text))
                times << text.text;
        times.sort();
        return times;
    }
};

// How many pixels of the picture are of that colour.
int pixelsOf(const WeekPicture& picture, const QColor& colour)
{
    const QImage image = picture.viewport()->grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y).rgb() == colour.rgb();
    return count;
}

}  // namespace

class WeekPlanWindowTest : public QObject {
    Q_OBJECT
private slots:
    // The plan shows the run program and lists its clash first; another program can be previewed;
    // a double-click on a finding, or on a mark in the picture, closes the overview and shows that
    // timing in the editor, the plan staying open beside it.
    void showsTheRunProgramAndLeadsToATiming()
    {
        WeekPlanFixture f;
        f.click(kOverviewButton);
        QVERIFY(f.overview()->findChild<QPushButton*>(kWeekPlanButton)->toolTip().contains("Ctrl+L"));
        f.overview()->close();

        QPointer<WeekPlanWindow> plan = f.openPlan();
        QVERIFY(plan);
        QVERIFY(!plan->isModal());
        QCOMPARE(plan->windowTitle(), QString("周计划－程序2（播放机运行程序2）"));
        QCOMPARE(plan->findChild<QComboBox*>(kWeekProgramList)->currentText(), QString("程序2"));
        QCOMPARE(f.rows(*plan, 0), QStringList({"冲突", "提示", "提示"}));
        QCOMPARE(f.rows(*plan, 4),
                 QStringList({"程序2 音乐定时 03 / 程序2 音乐定时 07", "随机程序 01", "程序1"}));

        plan->showProgram(3);
        QCOMPARE(plan->windowTitle(), QString("周计划－程序3（播放机运行程序2）"));
        QCOMPARE(f.rows(*plan, 0), QStringList({"提示", "提示"}));
        plan->showProgram(2);

        auto* list = plan->findChild<QTreeWidget*>(kFindingList);
        const QRect row = list->visualItemRect(list->topLevelItem(0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
        QTRY_VERIFY(!f.overview());
        QVERIFY(plan && plan->isVisible());
        QVERIFY(f.window.isEnabled());
        QCOMPARE(f.state().EditObject, 2);
        QCOMPARE(f.state().Type, TimingType::Music);
        QCOMPARE(f.text(kSlotNumberPanel), QString("03"));
        QCOMPARE(f.text(kStartMinuteEdit), QString("30"));

        // Timing 07 is the one in zone 1 alone: its mark is found in the picture, and leads to it.
        auto* picture = plan->findChild<WeekPicture*>(kWeekPicture);
        const QPoint mark = f.markAlone(*picture);
        QVERIFY(!mark.isNull());
        QTest::mouseDClick(picture->viewport(), Qt::LeftButton, {}, mark);
        QCOMPARE(f.text(kSlotNumberPanel), QString("07"));

        QCOMPARE(f.openPlan(), plan.data());  // the one plan, brought forward
        QTest::keyClick(plan, Qt::Key_Escape);
        QTRY_VERIFY(!plan);
        QVERIFY(f.overview());
    }

    // Without the mouse: Ctrl++ and the slider zoom, the arrow keys scroll, and Enter on a finding
    // shows its timing. Ctrl+wheel zooms too; the tooltip of a mark in a clash tells the timing, the
    // clash and the other timing. A week with nothing to report says so in one row.
    void keysWheelAndTooltips()
    {
        WeekPlanFixture f;
        WeekPlanWindow* plan = f.openPlan();
        plan->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), plan);
        auto* picture = plan->findChild<WeekPicture*>(kWeekPicture);
        auto* zoom = plan->findChild<QSlider*>(kWeekZoomSlider);
        const QPoint mark = f.markAlone(*picture);
        QHelpEvent help(QEvent::ToolTip, mark, picture->viewport()->mapToGlobal(mark));
        QApplication::sendEvent(picture->viewport(), &help);
        QTRY_VERIFY(QToolTip::isVisible());
        QVERIFY2(QToolTip::text().startsWith("程序2 音乐定时 07\n指定曲目 04 - 05 - 06"),
                 qPrintable(QToolTip::text()));
        QVERIFY2(QToolTip::text().endsWith("\n冲突：音乐定时在同一分钟开始，与 程序2 音乐定时 03"),
                 qPrintable(QToolTip::text()));

        QCOMPARE(picture->hoursShown(), 3);  // 06:00 to 09:00
        QTest::keyClick(plan, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(picture->hoursShown(), 2);
        QCOMPARE(zoom->value(), 2);
        QCOMPARE(plan->findChild<QLabel*>(kWeekZoomText)->text(), QString("2 小时"));
        QWheelEvent wheel(QPointF(200, 200), picture->mapToGlobal(QPointF(200, 200)), {}, QPoint(0, -240),
                          Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(picture->viewport(), &wheel);
        QCOMPARE(zoom->value(), 4);
        const int first = picture->firstMinute();
        picture->setFocus();
        QTest::keyClick(picture, Qt::Key_PageDown);
        QCOMPARE(picture->firstMinute(), first + 4 * 60);

        auto* list = plan->findChild<QTreeWidget*>(kFindingList);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Home);
        QTest::keyClick(list, Qt::Key_Return);
        QTRY_VERIFY(!f.overview());
        QCOMPARE(f.text(kSlotNumberPanel), QString("03"));
        QCOMPARE(f.shownPlan(), plan);

        f.changeTimings([](TimingSet& set) {  // the shown timing 03 of program 2 alone, and fit to play
            set = TimingSet::fresh();
            set.RunProgram = 2;
            const std::uint8_t slot[8] = {3, 0x07, 0x30, 1, 2, 3, 0x01, 0x01};
            std::copy(slot, slot + 8, set.Buffer.programSlot(2, TimingType::Music, 3));
        });
        QCOMPARE(f.rows(*plan, 5), QStringList("没有冲突，也没有无效的定时"));
        plan->close();
    }

    // Ctrl+L in the main window opens the plan beside it, the focus in the picture; an arrow key on
    // the program list opens it rather than switching. The store step of an edit redraws the plan
    // in place, its zoom, scrolling and selected finding kept; it closes with the main window.
    void followsTheEditor()
    {
        WeekPlanFixture f;
        QTest::keyClick(&f.window, Qt::Key_L, Qt::ControlModifier);
        QPointer<WeekPlanWindow> plan = f.shownPlan();
        QVERIFY(plan && !plan->isModal());
        QVERIFY(QTest::qWaitForWindowExposed(plan));
        auto* picture = plan->findChild<WeekPicture*>(kWeekPicture);
        QCOMPARE(plan->focusWidget(), picture);
        auto* chooser = plan->findChild<QComboBox*>(kWeekProgramList);
        chooser->setFocus();
        QTest::keyClick(chooser, Qt::Key_Down);
        QCOMPARE(chooser->currentIndex(), 1);
        chooser->hidePopup();

        auto* list = plan->findChild<QTreeWidget*>(kFindingList);
        list->setCurrentItem(list->topLevelItem(1));  // the random program's note
        auto* zoom = plan->findChild<QSlider*>(kWeekZoomSlider);
        zoom->setValue(zoom->value() + 2);
        picture->verticalScrollBar()->setValue(picture->verticalScrollBar()->maximum() / 3);
        const int zoomed = zoom->value();
        const int scrolled = picture->verticalScrollBar()->value();

        // Timing 07 of program 2 moves to 08:00, stored as 下一定时 leaves it: the clash goes.
        f.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        f.click(kProgram2Button);
        f.jumpTo(7);
        f.type(kStartHourEdit, "08");
        f.type(kStartMinuteEdit, "00");
        f.click(kNextButton);
        QVERIFY(!f.rows(*plan, 0).contains("冲突"));
        QCOMPARE(list->currentItem()->text(4), QString("随机程序 01"));
        QCOMPARE(zoom->value(), zoomed);
        QCOMPARE(picture->verticalScrollBar()->value(), scrolled);

        f.dialogs.answers.enqueue(Dialogs::Answer::No);  // not saved
        f.window.close();
        QTRY_VERIFY(!plan);
    }

    // Ctrl+P prints the week on a landscape page, then the findings, into the PDF chosen.
    void printsThePlanToAPdf()
    {
        WeekPlanFixture f;
        WeekPlanWindow* plan = f.openPlan();
        plan->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), plan);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("week.pdf");
        f.dialogs.printAnswers.enqueue(pdf);
        QTest::keyClick(plan, Qt::Key_P, Qt::ControlModifier);
        QVERIFY(f.dialogs.messages.isEmpty());
        const QByteArray printed = fileBytes(pdf);
        QVERIFY(printed.startsWith("%PDF"));
        QVERIFY(printed.contains("/Title " + pdfString("周计划－程序2（播放机运行程序2） - 新文件")));
        const QRegularExpressionMatch box =
            QRegularExpression("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]").match(QString::fromLatin1(printed));
        QVERIFY(box.hasMatch() && box.captured(1).toDouble() > box.captured(2).toDouble());
        QCOMPARE(printed.count("/Type /Page\n"), 2);
    }

    // The plan opens on the hours the week uses, from the start of the hour before the first event
    // to the end of the hour after the last, on all days; the whole day when nothing plays or a span
    // plays past midnight. Where an hour has room, each mark carries its time (on paper as on the
    // screen, from the one painter).
    void opensOnTheHoursInUse_data()
    {
        QTest::addColumn<QStringList>("times");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("hours");
        QTest::addColumn<QStringList>("printed");
        QTest::newRow("nothing plays") << QStringList() << 0 << 24 << QStringList();
        QTest::newRow("a bell at 07:30") << QStringList{"07:30"} << 6 * 60 << 3 << QStringList{"07:30"};
        QTest::newRow("bells, the device until 15:10")
            << QStringList{"07:30", "12:00", "14:00-15:10"} << 6 * 60 << 11
            << QStringList{"07:30", "12:00", "14:00-15:10"};
        QTest::newRow("a span ending on the hour")
            << QStringList{"08:00-09:00"} << 7 * 60 << 3 << QStringList{"08:00-09:00"};
        QTest::newRow("the first and the last hour")
            << QStringList{"00:20", "23:40"} << 0 << 24 << QStringList();
        QTest::newRow("past midnight") << QStringList{"22:00-06:00"} << 0 << 24 << QStringList();
    }
    void opensOnTheHoursInUse()
    {
        QFETCH(QStringList, times);
        PlanFixture f;
        f.open(weekOf(times));
        QTEST(f.picture->firstMinute(), "first");
        QTEST(f.picture->hoursShown(), "hours");
        QCOMPARE(f.plan->findChild<QLabel*>(kWeekZoomText)->text(),
                 QString("%1 小时").arg(f.picture->hoursShown()));
        QTEST(f.printedTimes(), "printed");
    }

    // A zoom or a scroll is kept for the next opening, whatever the week; a plan left as it opened
    // keeps nothing, and the next one opens on its own hours. The settings stay in the test's folder.
    void remembersTheView_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("left as it opened") << "none";
        QTest::newRow("zoomed with Ctrl++") << "zoom";
        QTest::newRow("zoomed with the slider") << "slider";
        QTest::newRow("scrolled") << "scroll";
    }
    void remembersTheView()
    {
        QFETCH(QString, change);
        PlanFixture f;
        f.open(weekOf({"07:30"}));
        if (change == "zoom")
            QTest::keyClick(f.plan, Qt::Key_Plus, Qt::ControlModifier);
        else if (change == "slider")
            f.plan->findChild<QSlider*>(kWeekZoomSlider)->setValue(6);
        else if (change == "scroll")
            QTest::keyClick(f.picture, Qt::Key_PageDown);
        const std::pair<int, int> left(f.picture->firstMinute(), f.picture->hoursShown());
        f.plan->close();

        f.open(weekOf({"12:00"}));
        const std::pair<int, int> opened(f.picture->firstMinute(), f.picture->hoursShown());
        QCOMPARE(opened, change == "none" ? std::pair(11 * 60, 3) : left);
        QCOMPARE(QFileInfo::exists(f.folder.filePath("mp3timing/Tavisto.ini")), change != "none");
    }

    // The tooltip of a mark in a clash (07's lies over 03's) names the clash and the other timing; a
    // mark of the same timing in a zone without the clash names none.
    void clashTooltipNamesTheOtherTiming_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("zone");
        QTest::addColumn<QString>("clash");
        QTest::newRow("07 in zone 1") << 7 << 0 << "\n冲突：音乐定时在同一分钟开始，与 程序2 音乐定时 03";
        QTest::newRow("03 in zone 2") << 3 << 1 << "";
    }
    void clashTooltipNamesTheOtherTiming()
    {
        QFETCH(int, slot);
        QFETCH(int, zone);
        QFETCH(QString, clash);
        PlanFixture f;
        f.open(clashSet());
        const std::optional<WeekMark> mark = f.markOf(slot, 0, zone);
        QVERIFY(mark);
        const QPoint at = mark->rect.center().toPoint();
        QHelpEvent help(QEvent::ToolTip, at, f.picture->viewport()->mapToGlobal(at));
        QApplication::sendEvent(f.picture->viewport(), &help);
        QTRY_VERIFY(QToolTip::isVisible());
        const QString text = QToolTip::text();
        QVERIFY2(text.startsWith(QString("程序2 音乐定时 %1\n").arg(slot, 2, 10, QChar('0'))),
                 qPrintable(text));
        QCOMPARE(text.count("冲突"), clash.isEmpty() ? 0 : 1);
        QVERIFY2(text.endsWith(clash), qPrintable(text));
        QToolTip::hideText();
    }

    // Every clash is outlined in red; selecting a finding keeps those outlines and draws its own
    // timings in a colour no kind uses, thicker; a finding without marks picks out none. In the
    // light and the dark palette alike, the kinds told apart in grey too.
    void selectionKeepsTheClashOutlines_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("picked");
        for (const bool dark : {false, true}) {
            const char* palette = dark ? "dark, " : "light, ";
            QTest::newRow(QByteArray(palette).append("nothing selected")) << dark << -1 << false;
            QTest::newRow(QByteArray(palette).append("the clash")) << dark << 0 << true;
            QTest::newRow(QByteArray(palette).append("a note")) << dark << 1 << false;
        }
    }
    void selectionKeepsTheClashOutlines()
    {
        QFETCH(bool, dark);
        QFETCH(int, row);
        PlanFixture f;
        f.open(clashSet(), "/schedules/SCHOOL.mtf", false, dark ? darkPalette() : QPalette());
        const QPalette palette = f.picture->palette();
        // No kind has the picked or the clash colour, and the kinds stay apart in grey print.
        const std::vector<TimingKind> kinds{TimingKind::Music, TimingKind::Peripheral, TimingKind::Random};
        for (TimingKind kind : kinds) {
            QVERIFY(kindColour(kind, palette) != pickedColour(palette)
                    && kindColour(kind, palette) != clashColour(palette));
            for (TimingKind other : kinds)
                QVERIFY(kind == other
                        || std::abs(qGray(kindColour(kind, palette).rgb())
                                    - qGray(kindColour(other, palette).rgb()))
                            >= 30);
        }
        const int clashBefore = pixelsOf(*f.picture, clashColour(palette));
        QVERIFY(clashBefore > 0);
        QCOMPARE(pixelsOf(*f.picture, pickedColour(palette)), 0);
        auto* list = f.plan->findChild<QTreeWidget*>(kFindingList);
        list->setCurrentItem(row >= 0 ? list->topLevelItem(row) : nullptr);
        QCOMPARE(pixelsOf(*f.picture, clashColour(palette)) > 0, true);
        QTEST(pixelsOf(*f.picture, pickedColour(palette)) > 0, "picked");
    }

    // Printing to a file proposes "<file>-程序N-周计划.pdf" in the folder printed to last, else in the
    // documents folder, never beside the schedule; a set with unsaved edits says so beside its name.
    void proposesThePdfAndTellsUnsavedEdits_data()
    {
        QTest::addColumn<bool>("printedBefore");
        QTest::addColumn<bool>("unsaved");
        QTest::newRow("first print, saved") << false << false;
        QTest::newRow("first print, unsaved") << false << true;
        QTest::newRow("printed before, saved") << true << false;
        QTest::newRow("printed before, unsaved") << true << true;
    }
    void proposesThePdfAndTellsUnsavedEdits()
    {
        QFETCH(bool, printedBefore);
        QFETCH(bool, unsaved);
        PlanFixture f;
        QTemporaryDir schedules, printed;
        f.open(clashSet(), schedules.filePath("SCHOOL.mtf"), unsaved);
        if (printedBefore) {
            f.dialogs.printAnswers.enqueue(printed.filePath("earlier.pdf"));
            QTest::keyClick(f.plan, Qt::Key_P, Qt::ControlModifier);
            QVERIFY(QFileInfo::exists(printed.filePath("earlier.pdf")));
        }
        QTest::keyClick(f.plan, Qt::Key_P, Qt::ControlModifier);
        const QString folder = printedBefore
            ? printed.path()
            : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(f.dialogs.proposedPrintFiles.last(), QDir(folder).filePath("SCHOOL-程序2-周计划.pdf"));
        const QString source = f.plan->printout().notes.value(0);
        QVERIFY2(source.startsWith(schedules.filePath("SCHOOL.mtf")
                                   + (unsaved ? "（含未保存的修改）    " : "    ")),
                 qPrintable(source));
    }
};

QTEST_MAIN(WeekPlanWindowTest)
#include "week_plan_window_test.moc"
