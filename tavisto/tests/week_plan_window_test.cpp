// The week plan beside the editor: what it shows for the program the player runs, its findings,
// the way back to a timing in the editor, how it follows the edits, the hours it opens on, its
// colours, and its printout.

#include "DarkPalette.h"
#include "MainWindowFixture.h"
#include "PrintChecks.h"
#include "PrintPages.h"
#include "TForm2.h"
#include "TemporarySettings.h"
#include "WeekPicture.h"
#include "WeekPlanWindow.h"

#include <QComboBox>
#include <QDialog>
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

// Program 2 runs; two of its music timings clash at 07:30 on Monday in zone 1; program 1 holds a
// timing it does not play; the random program is off.
struct WeekPlanFixture : TemporarySettings, MainWindowFixture {
    WeekPlanFixture()
    {
        click(kNewFileButton);
        changeTimings([](TimingSet& set) {
            set.RunProgram = 2;
            set.RandomEnabled = 0;
            const std::uint8_t music[][8] = {{3, 0x07, 0x30, 1, 2, 3, 0x01, 0x03},
                                             {7, 0x07, 0x30, 4, 5, 6, 0x01, 0x01}};
            for (const auto& slot : music)
                std::copy(slot, slot + 8, set.Buffer.programSlot(2, TimingType::Music, slot[0]));
            const std::uint8_t notRun[8] = {5, 0x08, 0x00, 1, 0, 0, 0x01, 0x01};
            std::copy(notRun, notRun + 8, set.Buffer.programSlot(1, TimingType::Music, 5));
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
};

QTEST_MAIN(WeekPlanWindowTest)
#include "week_plan_window_test.moc"
