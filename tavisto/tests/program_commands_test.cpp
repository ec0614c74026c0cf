// The overview list, program copy and clear, the run selection and the About window, from the main window.
#include "MainWindowFixture.h"

#include "TForm2.h"

#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTableWidget>
#include <QWheelEvent>

using namespace tavisto;

namespace {

void putSlot(MainWindowFixture& f, int program, TimingType type, int slot, const QByteArray& bytes)
{
    f.changeTimings([&](TimingSet& t) {
        std::copy(bytes.begin(), bytes.end(), t.Buffer.programSlot(program, type, slot));
    });
}

QByteArray slotBytes(MainWindowFixture& f, int program, TimingType type, int slot)
{
    return QByteArray(reinterpret_cast<const char*>(f.programSlot(program, type, slot)), 8);
}

QByteArray programBytes(MainWindowFixture& f, int program)
{
    return QByteArray(reinterpret_cast<const char*>(f.programSlot(program, TimingType::Music, 1)), 800)
        + QByteArray(reinterpret_cast<const char*>(f.programSlot(program, TimingType::Peripheral, 1)), 800);
}

QTableWidget* grid(MainWindowFixture& f)
{
    return f.overview()->findChild<QTableWidget*>(kOverviewGrid);
}

QString row(MainWindowFixture& f, int r)
{
    QStringList cells;
    for (int c = 0; c < 5; ++c)
        cells << grid(f)->item(r, c)->text();
    return cells.join('|');
}

// A notch of the wheel rolled towards the user (down a list), over the middle of `widget`.
void wheel(QWidget* widget)
{
    const QPointF centre = QRectF(widget->rect()).center();
    QWheelEvent event(centre, widget->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

void clickInOverview(MainWindowFixture& f, const char* button)
{
    QTest::mouseClick(f.overview()->findChild<QWidget*>(QLatin1String(button)), Qt::LeftButton);
}

}  // namespace

class ProgramCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void overviewListsTheEditedTable();
    void overviewOfTheRandomProgram();
    void overviewCommandsOnRowZero();
    void copyRefusals();
    void copyOntoTheShownProgram();
    void copyWhileTheRandomProgramIsShown();
    void clearProgram();
    void clearThisTimingThenNext();
    void runSelection();
    void aboutWindowsSwitchTheStatusBar();
};

void ProgramCommandsTest::overviewListsTheEditedTable()
{
    MainWindowFixture f;
    f.click(kNewFileButton);
    putSlot(f, 1, TimingType::Music, 3, QByteArray("\x03\x07\x30\x01\x0C\x03\x15\x03", 8));
    putSlot(f, 1, TimingType::Music, 4, QByteArray("\x04\x23\x59\x64\x05\xFF\x7F\xFF", 8));
    putSlot(f, 1, TimingType::Music, 100, QByteArray("\x64\x01\x01\x01\x01\x01\x01\x01", 8));
    f.click(kOverviewButton);
    QVERIFY(f.overview());
    QCOMPARE(f.overview()->windowTitle(), QStringLiteral("定时查看－程序（1）－音乐定时"));
    QCOMPARE(grid(f)->rowCount(), 99);
    QCOMPARE(row(f, 0), QStringLiteral("01|指定曲目 00 - 00 - 00|00:00| - - - - - - | - - - - - - "));
    QCOMPARE(row(f, 2), QStringLiteral("03|指定曲目 01 - 12 - 03|07:30|1- -3- -5- - |1-2- - - - - "));
    QCOMPARE(row(f, 3), QStringLiteral("04|指定曲目 100 - 05 - 255|23:59|1-2-3-4-5-6-日|1-2-3-4-5-6- "));
    QCOMPARE(row(f, 98).left(3), QStringLiteral("99|"));
    // Opening the list stored the shown timing: slot 1 now counts as used although it looks empty.
    QCOMPARE(f.programSlot(1, TimingType::Music, 1)[0], 1);

    // The main window takes no input, its close box included, until the list is closed.
    QVERIFY(!f.window.isEnabled());
    QVERIFY(!f.window.close());
    QVERIFY(f.dialogs.messages.isEmpty());
    clickInOverview(f, kOverviewBackButton);
    QVERIFY(f.window.isEnabled());
    QVERIFY(!f.overview());
}

void ProgramCommandsTest::overviewOfTheRandomProgram()
{
    MainWindowFixture f;
    f.click(kNewFileButton);
    f.click(kRandomProgramButton);
    f.click(kPeripheralOrOffButton);
    f.edit(kStartHourEdit)->setText("08");
    f.edit(kEndMinuteEdit)->setText("45");
    f.edit(kTrack1Edit)->setText("05");
    f.edit(kTrack3Edit)->setText("20");
    f.click(kSequentialButton);
    f.click(kWeekdayBoxes[6]);
    f.click(kOverviewButton);
    QCOMPARE(f.overview()->windowTitle(), QStringLiteral("定时查看－程序（随机定时）－关闭"));
    QCOMPARE(grid(f)->rowCount(), 10);
    QCOMPARE(
        row(f, 0),
        QStringLiteral("01|曲目范围从 05 到 20 顺序播放|从 08:00 到 00:45| - - - - - -日| - - - - - - "));
    QCOMPARE(row(f, 1),
             QStringLiteral("02|曲目范围从 00 到 00 随机播放|从 00:00 到 00:00| - - - - - - | - - - - - - "));
    // Escape closes the list as 返回 does; nothing of the shown timing was lost through it.
    QTest::keyClick(f.overview()->findChild<QWidget*>(kOverviewGrid), Qt::Key_Escape);
    QTRY_VERIFY(!f.overview());
    QVERIFY(f.window.isEnabled());
    f.click(kNextButton);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(f.state().Timings.Buffer.randomSlot(1)), 10),
             QByteArray("\x01\x08\x00\x00\x45\x01\x40\x00\x05\x14", 10));
}

void ProgramCommandsTest::overviewCommandsOnRowZero()
{
    MainWindowFixture f;
    f.click(kNewFileButton);
    f.click(kPeripheralOrOffButton);
    f.edit(kStartHourEdit)->setText("06");
    f.edit(kEndHourEdit)->setText("07");
    f.click(kWeekdayBoxes[0]);
    QCOMPARE(f.panel(0), QStringLiteral("此定时有效"));
    const std::uint8_t modifiedBefore = f.state().Document.Modified;
    f.click(kOverviewButton);
    f.dialogs.answers.enqueue(Dialogs::Answer::No);
    clickInOverview(f, kOverviewClearButton);
    QCOMPARE(f.programSlot(1, TimingType::Peripheral, 1)[0], 1);
    QCOMPARE(f.state().Document.Modified, modifiedBefore);
    clickInOverview(f, kOverviewClearButton);  // Yes
    QCOMPARE(f.dialogs.messages.last().text, QStringLiteral("确认清除本条定时的设置？"));
    QCOMPARE(slotBytes(f, 1, TimingType::Peripheral, 1), QByteArray(8, '\0'));
    QCOMPARE(row(f, 0), QStringLiteral("01|外设工作|从 00:00 到 00:00| - - - - - - | - - - - - - "));
    QCOMPARE(f.text(kStartHourEdit), QStringLiteral("00"));
    QVERIFY(!f.checked(kWeekdayBoxes[0]));
    QCOMPARE(f.panel(0), QStringLiteral("此定时无效"));
    QCOMPARE(f.state().Document.Modified, 1);
    QVERIFY(f.overview());

    // 编辑定时 shows the timing of the selected row, wherever the editor was.
    clickInOverview(f, kOverviewBackButton);
    f.jumpTo(40);
    f.click(kOverviewButton);
    clickInOverview(f, kOverviewEditButton);
    QVERIFY(!f.overview());
    QVERIFY(f.window.isEnabled());
    QCOMPARE(f.text(kSlotNumberPanel), QStringLiteral("01"));
    QCOMPARE(f.panel(1), QStringLiteral("正在编辑：程序（1）  <外设定时>  定时序号：01"));
}

void ProgramCommandsTest::copyRefusals()
{
    MainWindowFixture f;
    f.click(kNewFileButton);
    f.get<QComboBox>(kCopyToList)->setCurrentIndex(0);
    f.click(kCopyButton);
    QCOMPARE(f.dialogs.texts(), QStringList{QStringLiteral("复制源和目标相等，无法复制。")});
    QCOMPARE(f.dialogs.messages[0].kind, Dialogs::Kind::Warning);
    QCOMPARE(f.state().Document.Modified, 0);

    f.get<QComboBox>(kCopyToList)->setCurrentIndex(2);
    putSlot(f, 1, TimingType::Music, 5, QByteArray("\x05\x01\x02\x03\x04\x05\x06\x07", 8));
    const QByteArray third = programBytes(f, 3);
    f.dialogs.answers.enqueue(Dialogs::Answer::No);
    f.click(kCopyButton);
    QCOMPARE(f.dialogs.texts().last(), QStringLiteral("确认覆盖程序（3）的定时信息？"));
    QCOMPARE(programBytes(f, 3), third);
    QCOMPARE(f.state().Document.Modified, 1);  // even though nothing was copied

    f.get<QComboBox>(kCopyFromList)->setCurrentIndex(-1);
    f.click(kCopyButton);
    QCOMPARE(f.dialogs.texts().last(), QStringLiteral("复制源或目标设置错误！"));
    QCOMPARE(f.dialogs.messages.last().kind, Dialogs::Kind::Error);
}

void ProgramCommandsTest::copyOntoTheShownProgram()
{
    MainWindowFixture f;
    f.click(kNewFileButton);
    putSlot(f, 1, TimingType::Peripheral, 12, QByteArray("\x0C\x08\x00\x09\x00\x00\x01\x01", 8));
    putSlot(f, 1, TimingType::Peripheral, 100, QByteArray("\x00\x11\x11\x11\x11\x11\x11\x11", 8));
    f.edit(kTrack1Edit)->setText("09");  // the edit in progress goes along with the copy
    f.get<QComboBox>(kCopyToList)->setCurrentIndex(2);
    f.click(kProgram3Button);
    f.click(kPeripheralOrOffButton);
    f.jumpTo(12);
    f.click(kCopyButton);
    QCOMPARE(programBytes(f, 3), programBytes(f, 1));
    QCOMPARE(f.programSlot(3, TimingType::Music, 1)[3], 9);
    QCOMPARE(f.text(kStartHourEdit) + f.text(kEndHourEdit), QStringLiteral("0809"));
    QCOMPARE(f.state().SlotNo, 12);

    // An empty source empties the destination, marks and all.
    f.get<QComboBox>(kCopyFromList)->setCurrentIndex(3);
    f.get<QComboBox>(kCopyToList)->setCurrentIndex(0);
    f.click(kCopyButton);
    QCOMPARE(programBytes(f, 1), programBytes(f, 4));
}

void ProgramCommandsTest::copyWhileTheRandomProgramIsShown()
{
    MainWindowFixture f;
    f.click(kNewFileButton);
    f.click(kRandomProgramButton);
    f.edit(kTrack1Edit)->setText("02");
    f.edit(kTrack3Edit)->setText("08");
    f.get<QComboBox>(kCopyToList)->setCurrentIndex(1);
    f.click(kCopyButton);
    QCOMPARE(f.state().Timings.Buffer.randomSlot(1)[9], 8);
    QCOMPARE(f.text(kTrack1Edit) + f.text(kTrack3Edit), QStringLiteral("0208"));
    QCOMPARE(programBytes(f, 2), programBytes(f, 1));
}

void ProgramCommandsTest::clearProgram()
{
    MainWindowFixture f;
    f.click(kNewFileButton);
    for (int program = 1; program <= 4; ++program) {
        putSlot(f, program, TimingType::Music, 100, QByteArray(8, '\x01'));
        putSlot(f, program, TimingType::Peripheral, 2, QByteArray(8, '\x02'));
    }
    f.changeTimings([](TimingSet& t) { std::fill_n(t.Buffer.randomSlot(1), 10, 0x01); });
    f.click(kProgram2Button);
    f.click(kPeripheralOrOffButton);
    f.dialogs.answers.enqueue(Dialogs::Answer::No);
    f.click(kClearProgramButton);
    QCOMPARE(f.dialogs.texts().last(), QStringLiteral("确认清除程序（2）的所有定时信息？"));
    QCOMPARE(f.programSlot(2, TimingType::Music, 100)[0], 1);
    f.click(kClearProgramButton);
    QCOMPARE(programBytes(f, 2), QByteArray(1600, '\xFF'));
    for (int other : {1, 3, 4}) {
        QCOMPARE(f.programSlot(other, TimingType::Music, 100)[0], 1);
        QCOMPARE(f.programSlot(other, TimingType::Peripheral, 2)[0], 2);
    }
    QCOMPARE(f.state().Timings.Buffer.randomSlot(1)[0], 1);
    QCOMPARE(f.panel(0), QStringLiteral("此定时无效"));
    QCOMPARE(f.state().Document.Modified, 1);

    f.click(kRandomProgramButton);
    f.click(kPeripheralOrOffButton);  // random program off
    f.click(kClearProgramButton);
    QCOMPARE(f.dialogs.texts().last(), QStringLiteral("确认清除程序（随机定时）的所有定时信息？"));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(f.state().Timings.Buffer.randomTable()), 100),
             QByteArray(100, '\xFF'));
    QCOMPARE(f.state().Timings.RandomEnabled, 0);
    QCOMPARE(f.programSlot(1, TimingType::Peripheral, 2)[0], 2);
}

void ProgramCommandsTest::clearThisTimingThenNext()
{
    MainWindowFixture f;
    f.click(kNewFileButton);
    putSlot(f, 1, TimingType::Music, 2, QByteArray("\x02\x07\x30\x01\x02\x03\x7F\x3F", 8));
    f.click(kNextButton);
    QCOMPARE(f.text(kStartHourEdit) + f.text(kTrack1Edit), QStringLiteral("0701"));
    f.click(kClearTimingButton);
    QCOMPARE(f.dialogs.texts().last(), QStringLiteral("确认清除本条定时的设置？"));
    // Stored at once, as the next store would: a step of its own.
    QCOMPARE(slotBytes(f, 1, TimingType::Music, 2), QByteArray("\x02\0\0\0\0\0\0\0", 8));
    QCOMPARE(f.text(kStartHourEdit) + f.text(kTrack1Edit), QStringLiteral("0000"));
    QCOMPARE(f.panel(0), QStringLiteral("此定时无效"));
    QCOMPARE(f.state().Document.Modified, 1);
    f.click(kNextButton);
    QCOMPARE(slotBytes(f, 1, TimingType::Music, 2), QByteArray("\x02\0\0\0\0\0\0\0", 8));
}

void ProgramCommandsTest::runSelection()
{
    MainWindowFixture f;
    f.click(kNewFileButton);
    // A wheel over a list changes it only while the list has the keyboard focus.
    for (const char* name : {kCopyFromList, kCopyToList, kRunProgramList}) {
        auto* list = f.get<QComboBox>(name);
        const int before = list->currentIndex();
        wheel(list);
        QCOMPARE(list->currentIndex(), before);
        QCOMPARE(list->focusPolicy(), Qt::StrongFocus);  // the wheel does not take the focus
    }
    QVERIFY(f.dialogs.messages.isEmpty());
    auto* list = f.get<QComboBox>(kRunProgramList);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_End);
    QCOMPARE(f.dialogs.texts(), QStringList{QStringLiteral("机器实际运行程序4")});
    QCOMPARE(f.dialogs.messages[0].title, QStringLiteral("MP3自动播放机"));
    QCOMPARE(f.dialogs.messages[0].kind, Dialogs::Kind::Information);
    QCOMPARE(f.state().Timings.RunProgram, 4);
    QCOMPARE(f.state().Document.Modified, 1);
    QCOMPARE(f.state().EditObject, 1);
    // The window's own selection on redrawing asks nothing.
    f.dialogs.answers.enqueue(Dialogs::Answer::No);
    f.click(kNewFileButton);
    QCOMPARE(list->currentIndex(), 0);
    QCOMPARE(f.dialogs.messages.size(), 2);
    list->setFocus();
    wheel(list);
    QCOMPARE(f.dialogs.texts().last(), QStringLiteral("机器实际运行程序2"));
}

void ProgramCommandsTest::aboutWindowsSwitchTheStatusBar()
{
    MainWindowFixture f;
    QStatusBar* bar = f.get<QStatusBar>(kStatusBar);
    f.click(kAboutButton);
    f.click(kAboutButton);
    // The simple text lasts whatever happens to the main window: status tips (a context menu or a
    // hovered control sends an empty one), minimise and restore, hide and show.
    QStatusTipEvent emptyTip{QString()};
    QApplication::sendEvent(&f.window, &emptyTip);
    f.window.showMinimized();
    f.window.showNormal();
    f.window.hide();
    f.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    QCOMPARE(bar->currentMessage(), QStringLiteral("TALWEN STUDIO"));
    f.click(kNewFileButton);  // the panels go on being updated meanwhile
    const QList<QWidget*> abouts = f.shownWindows(kAboutWindow);
    QCOMPARE(abouts.size(), 2);
    QTest::mouseClick(abouts.last()->findChild<QWidget*>(kAboutOkButton), Qt::LeftButton);
    QApplication::sendEvent(&f.window, &emptyTip);
    QVERIFY(bar->currentMessage().isEmpty());
    QCOMPARE(f.panel(1), QStringLiteral("正在编辑：程序（1）  <音乐定时>  定时序号：01"));
    QVERIFY(abouts.first()->isVisible());

    f.click(kHelpButton);
    QCOMPARE(f.shownWindows(kDiagramWindow).size(), 1);
    f.shownWindows(kDiagramWindow).first()->close();
    QVERIFY(bar->currentMessage().isEmpty());
}

QTEST_MAIN(ProgramCommandsTest)
#include "program_commands_test.moc"
