// The week plan driven through its real widgets: what it shows, the way back to the editor
// from a finding or a mark, and its printout.
#include "ControlNames.h"
#include "DataFile.h"
#include "FileFixtures.h"
#include "PrintChecks.h"
#include "ScriptedDialogs.h"
#include "TemporarySettings.h"
#include "TimingEditor.h"
#include "TimingEditorProbe.h"
#include "WeekPicture.h"
#include "WeekPlanPrint.h"
#include "WeekPlanWindow.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QTreeWidget>
#include <optional>
#include <set>
#include <tuple>

using namespace quennet;
using namespace quennet::testing;

namespace {
// Program 2, which the player runs: 07:30 on Monday in zone 1 twice, and a radio span that another
// timing starts in; program 1 holds one timing.
QByteArray planFile()
{
    QByteArray bytes = emptyFile(1);
    putEntry(bytes, 0, 1, timingEntry(1, 9, 0, 1, 2, 3, 0, 0, 0x02, 0x01));
    putEntry(bytes, 1, 1, timingEntry(1, 6, 0, 5, 0, 0, 7, 0, 0x04, 0x03, 1));
    putEntry(bytes, 1, 2, timingEntry(2, 7, 30, 1, 2, 3, 10, 20, 0x02, 0x01));
    putEntry(bytes, 1, 3, timingEntry(3, 7, 30, 4, 5, 6, 10, 20, 0x02, 0x03));
    putEntry(bytes, 1, 4, timingEntry(4, 6, 15, 9, 0, 0, 0, 0, 0x04, 0x02));
    return bytes;
}

DataFile::Listing listingOf(const QByteArray& bytes)
{
    QTemporaryDir drive;
    writeDataFile(drive.path(), bytes);
    return DataFile(drive.path().toStdString()).listAllTimings();
}

// A plan window of its own showing `bytes`, discarded at the end of the test.
struct PlanFixture {
    TemporarySettings settings;
    ScriptedDialogs dialogs;
    QPointer<WeekPlanWindow> plan = new WeekPlanWindow(dialogs, nullptr);

    explicit PlanFixture(const QByteArray& bytes)
    {
        plan->setSchedule(listingOf(bytes), "userds.kqd", false);
    }
    ~PlanFixture() { delete plan; }
};

QStringList rowsOf(const QTreeWidget* list)
{
    QStringList rows;
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < list->columnCount(); ++column)
            cells << list->topLevelItem(row)->text(column);
        rows << cells.join('|');
    }
    return rows;
}

template<class T>
T* findIn(const QWidget* window, const char* name)
{
    T* widget = window->findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

// The mark of a timing on a day, in its first zone or in `zone`.
std::optional<WeekMark> markOf(const WeekPicture* picture, int position, int day, int zone = -1)
{
    for (const WeekMark& mark : picture->marks()) {
        if (picture->drawing().events[std::size_t(mark.event)].timing.position == position && mark.day == day
            && (zone < 0 || mark.zone == zone))
            return mark;
    }
    return std::nullopt;
}

// The timings (positions), days and zones outlined as in a clash, and the positions picked out.
std::set<std::tuple<int, int, int>> clashesOf(const WeekPicture* picture)
{
    std::set<std::tuple<int, int, int>> clashes;
    for (const WeekMark& mark : picture->marks())
        if (picture->drawing().clashing[std::size_t(mark.event)] & (1 << mark.zone))
            clashes.insert(
                {picture->drawing().events[std::size_t(mark.event)].timing.position, mark.day, mark.zone});
    return clashes;
}
std::set<int> pickedOf(const WeekPicture* picture)
{
    std::set<int> picked;
    for (const WeekMark& mark : picture->marks())
        if (picture->drawing().picked[std::size_t(mark.event)])
            picked.insert(picture->drawing().events[std::size_t(mark.event)].timing.position);
    return picked;
}

// Program 1, which the player runs, alone, Monday to Friday in every zone: a music timing for each
// "HH:MM", a peripheral span for each "HH:MM-HH:MM".
QByteArray weekOf(const QStringList& times)
{
    QByteArray bytes = emptyFile(0);
    int position = 0;
    for (const QString& time : times) {
        const auto number = [&](int at) { return time.mid(at, 2).toInt(); };
        ++position;
        putEntry(bytes, 0, position,
                 time.size() > 5 ? timingEntry(position, number(0), number(3), 100, 0, 0, number(6),
                                               number(9), 0x3E, 0x0F)
                                 : timingEntry(position, number(0), number(3), 1, 2, 3, 0, 0, 0x3E, 0x0F));
    }
    return bytes;
}

QPalette darkPalette()
{
    QPalette dark(QColor(53, 53, 53));
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    dark.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    return dark;
}

// A plan window of its own, shown; the settings start empty.
struct PlanWindow : TemporarySettings {
    ScriptedDialogs dialogs;
    QPointer<WeekPlanWindow> plan;
    WeekPicture* picture = nullptr;

    void open(const QByteArray& bytes, const QString& file = "/media/card/dsdata/userds.kqd",
              bool unsaved = false, const QPalette& palette = QPalette())
    {
        delete plan;
        plan = new WeekPlanWindow(dialogs, nullptr);
        plan->setPalette(palette);
        plan->setSchedule(listingOf(bytes), file, unsaved);
        plan->show();
        if (!QTest::qWaitForWindowExposed(plan))
            qWarning("the plan is not shown");
        picture = plan->findChild<WeekPicture*>(kWeekPicture);
    }
    ~PlanWindow() { delete plan; }

    // The times printed beside the marks on the paper's first page, each once.
    QStringList printedTimes() const
    {
        RecordingPrinter paper;
        paper.setPageOrientation(QPageLayout::Landscape);
        printWeekPlan(paper, plan->document());
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
    // The run program in the title and the chooser, its findings clashes first, its marks with the
    // clashes outlined, tooltips, selection, another program, zoom, and a week with nothing to report.
    void planShowsTheRunProgram()
    {
        PlanFixture f(planFile());
        WeekPlanWindow& plan = *f.plan;
        plan.show();
        QVERIFY(QTest::qWaitForWindowExposed(&plan));
        QCOMPARE(plan.windowTitle(), QString("周计划－程序2（播放机运行程序2）"));
        auto* chooser = findIn<QComboBox>(&plan, kWeekProgramList);
        QCOMPARE(chooser->currentText(), QString("程序2"));
        auto* findings = findIn<QTreeWidget>(&plan, kFindingList);
        QCOMPARE(rowsOf(findings),
                 QStringList({"冲突|星期一|07:30|1|程序2 第 02 条 / 程序2 第 03 条|音乐定时在同一分钟开始",
                              "冲突|星期二|06:15|2|程序2 第 01 条 / 程序2 第 04 条|音乐定时在收音时段内开始",
                              "提示||||程序1|有 1 条定时，播放机运行程序2，这些定时保留但不播放"}));

        auto* picture = plan.findChild<WeekPicture*>();
        QCOMPARE(picture->marks().size(), std::size_t(6));  // zones 1 and 2 of two timings, one of two
        QCOMPARE(clashesOf(picture),
                 (std::set<std::tuple<int, int, int>>{{1, 1, 1}, {2, 0, 0}, {3, 0, 0}, {4, 1, 1}}));
        const std::optional<WeekMark> radio = markOf(picture, 1, 1);
        QVERIFY(radio && radio->rect.height() > markOf(picture, 4, 1)->rect.height());
        QHelpEvent help(QEvent::ToolTip, radio->rect.center().toPoint(),
                        picture->viewport()->mapToGlobal(radio->rect.center().toPoint()));
        QApplication::sendEvent(picture->viewport(), &help);
        QCOMPARE(QToolTip::text(), QString("程序2 第 01 条\n06:00-07:00  FM收音  电台05\n星期 2  分区 12"));

        findings->setCurrentItem(findings->topLevelItem(1));
        QCOMPARE(pickedOf(picture), (std::set<int>{1, 4}));

        plan.showProgram(0);
        QCOMPARE(plan.windowTitle(), QString("周计划－程序1（播放机运行程序2）"));
        QCOMPARE(rowsOf(findings),
                 QStringList({"提示||||程序1|有 1 条定时，播放机运行程序2，这些定时保留但不播放"}));
        QCOMPARE(picture->marks().size(), std::size_t(1));

        QCOMPARE(picture->hoursShown(), 4);  // 05:00 to 09:00
        QWheelEvent wheel(QPointF(10, 200), picture->viewport()->mapToGlobal(QPointF(10, 200)), QPoint(),
                          QPoint(0, 120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(picture->viewport(), &wheel);
        QCOMPARE(findIn<QSlider>(&plan, kWeekZoomSlider)->value(), 3);
        QCOMPARE(findIn<QLabel>(&plan, kWeekZoomText)->text(), QString("3 小时"));

        QByteArray clean = emptyFile(0);
        putEntry(clean, 0, 1, timingEntry(1, 9, 0, 1, 2, 3, 0, 0, 0x02, 0x01));
        plan.setSchedule(listingOf(clean), "userds.kqd", false);
        QCOMPARE(rowsOf(findings), QStringList({"|||||没有冲突，也没有无效的定时"}));

        QTest::keyClick(&plan, Qt::Key_Escape);
        QTRY_VERIFY(!f.plan);
    }

    // From the editor through the check list's 周计划 into the plan beside it; a double-click on a
    // finding, Enter on it, or a double-click on a mark closes the check list and shows that timing
    // in the editor, its program switched as the radio buttons do; the plan stays open.
    void doubleClickShowsTheTimingInTheEditor_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("indicator");
        QTest::addColumn<QString>("hour");
        QTest::newRow("double-click on a finding") << "row" << 2 << " 02 / 04"
                                                   << "7";
        QTest::newRow("Enter on a finding") << "enter" << 2 << " 02 / 04"
                                            << "7";
        QTest::newRow("double-click on a mark") << "mark" << 4 << " 04 / 04"
                                                << "6";
    }
    void doubleClickShowsTheTimingInTheEditor()
    {
        QFETCH(QString, how);
        QFETCH(int, position);
        QTemporaryDir drive;
        writeDataFile(drive.path(), planFile());
        DataFile file(drive.path().toStdString());
        TemporarySettings settings;
        ScriptedDialogs dialogs;
        dialogs.openWindows = true;
        TimingEditor editor(file, dialogs);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QTest::mouseClick(findIn<QPushButton>(&editor, kOpenCloseButton), Qt::LeftButton);
        QTest::mouseClick(findIn<QWidget>(&editor, kProgram1Radio), Qt::LeftButton);

        QTimer::singleShot(0, [&] {
            QWidget* list = QApplication::activeModalWidget();
            QCOMPARE(list->objectName(), QString(kCheckListWindow));
            auto* weekPlan = findIn<QPushButton>(list, kWeekPlanButton);
            QCOMPARE(weekPlan->shortcut(), QKeySequence("Ctrl+L"));
            QVERIFY(weekPlan->toolTip().contains("Ctrl+L"));
            QTimer::singleShot(0, [&, list = QPointer<QWidget>(list)] {
                auto* plan = editor.findChild<WeekPlanWindow*>();
                QVERIFY(plan && QTest::qWaitForWindowExposed(plan));
                QVERIFY(!QApplication::modalWindow()->isAncestorOf(plan->windowHandle()));
                auto* findings = findIn<QTreeWidget>(plan, kFindingList);
                const QRect row = findings->visualItemRect(findings->topLevelItem(0));
                if (how == "row") {
                    // A double-click begins with a first click, which QTest leaves out.
                    QTest::mouseClick(findings->viewport(), Qt::LeftButton, {}, row.center());
                    QTest::mouseDClick(findings->viewport(), Qt::LeftButton, {}, row.center());
                } else if (how == "enter") {
                    findings->setFocus();
                    findings->setCurrentItem(findings->topLevelItem(0));
                    QTest::keyClick(findings, Qt::Key_Return);
                } else {
                    auto* picture = plan->findChild<WeekPicture*>();
                    QTest::mouseDClick(picture->viewport(), Qt::LeftButton, {},
                                       markOf(picture, position, 1)->rect.center().toPoint());
                }
                QTRY_VERIFY(!list || !list->isVisible());
            });
            QTest::mouseClick(weekPlan, Qt::LeftButton);
        });
        QTest::mouseClick(findIn<QPushButton>(&editor, kCheckListButton), Qt::LeftButton);

        QCOMPARE(dialogs.checkLists, QList<int>({0}));
        QVERIFY(editor.findChild<WeekPlanWindow*>()->isVisible());
        QVERIFY(QApplication::activeModalWidget() == nullptr || QApplication::activeModalWidget() == &editor);
        QCOMPARE(TimingEditorProbe(editor).state().ProgramIndex, 1);
        QCOMPARE(TimingEditorProbe(editor).state().ShownNo, position);
        QTEST(findIn<QLineEdit>(&editor, kIndicator)->text(), "indicator");
        QTEST(findIn<QLineEdit>(&editor, kHourEdit)->text(), "hour");
    }

    // Ctrl+L opens the plan beside the editor, which still takes input, with the focus in the
    // picture; an arrow key on the program list opens it rather than switching. Each store redraws
    // the plan with its zoom, scrolling and selected finding kept; it closes with the file.
    void followsTheEditor()
    {
        QTemporaryDir drive;
        writeDataFile(drive.path(), planFile());
        DataFile file(drive.path().toStdString());
        TemporarySettings settings;
        ScriptedDialogs dialogs;
        TimingEditor editor(file, dialogs);
        editor.show();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        QTest::mouseClick(findIn<QPushButton>(&editor, kOpenCloseButton), Qt::LeftButton);
        QTest::keyClick(&editor, Qt::Key_L, Qt::ControlModifier);
        QPointer<WeekPlanWindow> plan = editor.findChild<WeekPlanWindow*>();
        QVERIFY(plan && QTest::qWaitForWindowExposed(plan));
        QVERIFY(!plan->isModal());
        auto* picture = plan->findChild<WeekPicture*>();
        QCOMPARE(plan->focusWidget(), picture);
        auto* chooser = findIn<QComboBox>(plan, kWeekProgramList);
        chooser->setFocus();
        QTest::keyClick(chooser, Qt::Key_Down);
        QCOMPARE(chooser->currentIndex(), 1);
        chooser->hidePopup();

        auto* findings = findIn<QTreeWidget>(plan, kFindingList);
        findings->setCurrentItem(findings->topLevelItem(1));  // the radio's clash
        auto* zoom = findIn<QSlider>(plan, kWeekZoomSlider);
        zoom->setValue(zoom->value() + 2);
        QScrollBar* scroll = picture->verticalScrollBar();
        scroll->setValue(scroll->maximum() / 3);
        const int zoomed = zoom->value();
        const int scrolled = scroll->value();

        // Timing 02 of program 2 moves from 07:30 to 08:00: the clash at 07:30 goes.
        QTest::mouseClick(findIn<QPushButton>(&editor, kPreviousButton), Qt::LeftButton);
        QTest::mouseClick(findIn<QPushButton>(&editor, kPreviousButton), Qt::LeftButton);
        QCOMPARE(TimingEditorProbe(editor).state().ShownNo, 2);
        findIn<QLineEdit>(&editor, kHourEdit)->setText("8");
        findIn<QLineEdit>(&editor, kMinuteEdit)->setText("0");
        QTest::mouseClick(findIn<QPushButton>(&editor, kModifyButton), Qt::LeftButton);
        QCOMPARE(rowsOf(findings),
                 QStringList({"冲突|星期二|06:15|2|程序2 第 01 条 / 程序2 第 04 条|音乐定时在收音时段内开始",
                              "提示||||程序1|有 1 条定时，播放机运行程序2，这些定时保留但不播放"}));
        QCOMPARE(findings->currentItem(), findings->topLevelItem(0));
        QCOMPARE(pickedOf(picture), (std::set<int>{1, 4}));
        QCOMPARE(zoom->value(), zoomed);
        QCOMPARE(scroll->value(), scrolled);

        QTest::mouseClick(findIn<QPushButton>(&editor, kOpenCloseButton), Qt::LeftButton);
        QTRY_VERIFY(!plan);
    }

    // Ctrl+P: the week alone on a landscape page, the findings after it.
    void printsTheWeekOnALandscapePage()
    {
        QTemporaryDir folder;
        PlanFixture f(planFile());
        f.dialogs.printTo = folder.filePath("week.pdf");
        f.plan->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.plan));
        QTest::keyClick(f.plan, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(f.dialogs.printRequests, 1);
        QCOMPARE(f.dialogs.messages.size(), 0);
        const QByteArray pdf = readAll(f.dialogs.printTo);
        QVERIFY(pdf.startsWith("%PDF"));
        QVERIFY(pdf.contains(pdfString("周计划－程序2（播放机运行程序2） - userds.kqd")));
        QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 2);
        const QRegularExpressionMatch box =
            QRegularExpression("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]").match(QString::fromLatin1(pdf));
        QVERIFY(box.hasMatch() && box.captured(1).toDouble() > box.captured(2).toDouble());
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
        PlanWindow f;
        f.open(weekOf(times));
        QTEST(f.picture->firstMinute(), "first");
        QTEST(f.picture->hoursShown(), "hours");
        QCOMPARE(findIn<QLabel>(f.plan, kWeekZoomText)->text(),
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
        PlanWindow f;
        f.open(weekOf({"07:30"}));
        if (change == "zoom")
            QTest::keyClick(f.plan, Qt::Key_Plus, Qt::ControlModifier);
        else if (change == "slider")
            findIn<QSlider>(f.plan, kWeekZoomSlider)->setValue(6);
        else if (change == "scroll")
            QTest::keyClick(f.picture, Qt::Key_PageDown);
        const std::pair<int, int> left(f.picture->firstMinute(), f.picture->hoursShown());
        f.plan->close();

        f.open(weekOf({"12:00"}));
        const std::pair<int, int> opened(f.picture->firstMinute(), f.picture->hoursShown());
        QCOMPARE(opened, change == "none" ? std::pair(11 * 60, 3) : left);
        QCOMPARE(QFileInfo::exists(f.folder.filePath("mp3timing/Quennet.ini")), change != "none");
    }

    // The tooltip of a mark in a clash names the clash and the other timing; a mark of the same
    // timing in a zone without the clash names none.
    void clashTooltipNamesTheOtherTiming_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("zone");
        QTest::addColumn<QString>("clash");
        QTest::newRow("03 in zone 1") << 3 << 0 << 0 << "\n冲突：音乐定时在同一分钟开始，与 程序2 第 02 条";
        QTest::newRow("03 in zone 2") << 3 << 0 << 1 << "";
        QTest::newRow("the radio in zone 2")
            << 1 << 1 << 1 << "\n冲突：音乐定时在收音时段内开始，与 程序2 第 04 条";
        QTest::newRow("the radio in zone 1") << 1 << 1 << 0 << "";
    }
    void clashTooltipNamesTheOtherTiming()
    {
        QFETCH(int, position);
        QFETCH(int, day);
        QFETCH(int, zone);
        QFETCH(QString, clash);
        PlanWindow f;
        f.open(planFile());
        const std::optional<WeekMark> mark = markOf(f.picture, position, day, zone);
        QVERIFY(mark);
        const QPoint at = mark->rect.center().toPoint();
        QHelpEvent help(QEvent::ToolTip, at, f.picture->viewport()->mapToGlobal(at));
        QApplication::sendEvent(f.picture->viewport(), &help);
        QTRY_VERIFY(QToolTip::isVisible());
        const QString text = QToolTip::text();
        QVERIFY2(text.startsWith(QString("程序2 第 %1 条\n").arg(position, 2, 10, QChar('0'))),
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
            QTest::newRow(QByteArray(palette).append("a clash")) << dark << 1 << true;
            QTest::newRow(QByteArray(palette).append("a note")) << dark << 2 << false;
        }
    }
    void selectionKeepsTheClashOutlines()
    {
        QFETCH(bool, dark);
        QFETCH(int, row);
        PlanWindow f;
        f.open(planFile(), "/media/card/dsdata/userds.kqd", false, dark ? darkPalette() : QPalette());
        const QPalette palette = f.picture->palette();
        // No kind has the picked or the clash colour, and the kinds stay apart in grey print.
        const std::vector<EventKind> kinds{EventKind::Music, EventKind::Recording, EventKind::Radio,
                                           EventKind::Peripheral};
        for (EventKind kind : kinds) {
            QVERIFY(kindColour(kind, palette) != pickedColour(palette)
                    && kindColour(kind, palette) != clashColour(palette));
            for (EventKind other : kinds)
                QVERIFY(kind == other
                        || std::abs(qGray(kindColour(kind, palette).rgb())
                                    - qGray(kindColour(other, palette).rgb()))
                            >= 30);
        }
        QVERIFY(pixelsOf(*f.picture, clashColour(palette)) > 0);
        QCOMPARE(pixelsOf(*f.picture, pickedColour(palette)), 0);
        auto* list = findIn<QTreeWidget>(f.plan, kFindingList);
        list->setCurrentItem(row >= 0 ? list->topLevelItem(row) : nullptr);
        QVERIFY(pixelsOf(*f.picture, clashColour(palette)) > 0);
        QTEST(pixelsOf(*f.picture, pickedColour(palette)) > 0, "picked");
    }

    // Printing to a file proposes "userds-程序N-周计划.pdf" in the folder printed to last, else in the
    // documents folder, never in the player's data folder; a set with unsaved edits says so beside
    // its name.
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
        PlanWindow f;
        QTemporaryDir drive, printed;
        f.open(planFile(), drive.filePath("dsdata/userds.kqd"), unsaved);
        if (printedBefore) {
            f.dialogs.printTo = printed.filePath("earlier.pdf");
            QTest::keyClick(f.plan, Qt::Key_P, Qt::ControlModifier);
            QVERIFY(QFileInfo::exists(printed.filePath("earlier.pdf")));
        }
        f.dialogs.printTo.clear();
        QTest::keyClick(f.plan, Qt::Key_P, Qt::ControlModifier);
        const QString folder = printedBefore
            ? printed.path()
            : QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(f.dialogs.proposedPrintFile, QDir(folder).filePath("userds-程序2-周计划.pdf"));
        const QString source = f.plan->document().source;
        QVERIFY2(source.startsWith(drive.filePath("dsdata/userds.kqd")
                                   + (unsaved ? "（含未保存的修改）    " : "    ")),
                 qPrintable(source));
    }
};

QTEST_MAIN(WeekPlanWindowTest)
#include "week_plan_window_test.moc"
