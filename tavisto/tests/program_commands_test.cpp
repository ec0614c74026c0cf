// The overview list, program copy and clear, the run selection and the About window, from the main window.
#include "MainWindowFixture.h"

#include "TForm2.h"

#include <QStatusBar>
#include <QTableWidget>

using namespace tavisto;

namespace {

void putSlot(MainWindowFixture& f, int program, TimingType type, int slot, const QByteArray& bytes)
{
    std::copy(bytes.begin(), bytes.end(), f.state().Timings.Buffer.programSlot(program, type, slot));
}

QByteArray slotBytes(MainWindowFixture& f, int program, TimingType type, int slot)
{
    return QByteArray(reinterpret_cast<const char*>(f.programSlot(program, type, slot)), 8);
}

QByteArray programBytes(MainWindowFixture& f, int program)
{
    return slotBytes(f, program, TimingType::Music, 1).left(0) +
           QByteArray(reinterpret_cast<const char*>(f.programSlot(program, TimingType::Music, 1)), 800) +
           QByteArray(reinterpret_cast<const char*>(f.programSlot(program, TimingType::Peripheral, 1)), 800);
}

QTableWidget* grid(MainWindowFixture& f) { return f.window.overview()->findChild<QTableWidget*>("StringGrid1"); }

QString row(MainWindowFixture& f, int r)
{
    QStringList cells;
    for (int c = 0; c < 5; ++c)
        cells << grid(f)->item(r, c)->text();
    return cells.join('|');
}

void clickInOverview(MainWindowFixture& f, const char* button)
{
    QTest::mouseClick(f.window.overview()->findChild<QWidget*>(QLatin1String(button)), Qt::LeftButton);
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
    f.click("Button8");
    putSlot(f, 1, TimingType::Music, 3, QByteArray("\x03\x07\x30\x01\x0C\x03\x15\x03", 8));
    putSlot(f, 1, TimingType::Music, 4, QByteArray("\x04\x23\x59\x64\x05\xFF\x7F\xFF", 8));
    putSlot(f, 1, TimingType::Music, 100, QByteArray("\x64\x01\x01\x01\x01\x01\x01\x01", 8));
    f.click("Button11");
    QVERIFY(f.window.overview());
    QCOMPARE(f.window.overview()->windowTitle(), QStringLiteral("定时查看－程序（1）－音乐定时"));
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
    clickInOverview(f, "Button3");
    QVERIFY(f.window.isEnabled());
    QVERIFY(!f.window.overview());
}

void ProgramCommandsTest::overviewOfTheRandomProgram()
{
    MainWindowFixture f;
    f.click("Button8");
    f.click("RadioButton7");
    f.click("RadioButton5");
    f.edit("Edit2")->setText("08");
    f.edit("Edit7")->setText("45");
    f.edit("Edit4")->setText("05");
    f.edit("Edit9")->setText("20");
    f.click("RadioButton9");
    f.click("CheckBox7");
    f.click("Button11");
    QCOMPARE(f.window.overview()->windowTitle(), QStringLiteral("定时查看－程序（随机定时）－关闭"));
    QCOMPARE(grid(f)->rowCount(), 10);
    QCOMPARE(row(f, 0), QStringLiteral("01|曲目范围从 05 到 20 顺序播放|从 08:00 到 00:45| - - - - - -日| - - - - - - "));
    QCOMPARE(row(f, 1), QStringLiteral("02|曲目范围从 00 到 00 随机播放|从 00:00 到 00:00| - - - - - - | - - - - - - "));
    f.window.overview()->close();
    // Nothing of the shown timing was lost through the list.
    f.click("Button6");
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(f.state().Timings.Buffer.randomSlot(1)), 10),
             QByteArray("\x01\x08\x00\x00\x45\x01\x40\x00\x05\x14", 10));
}

void ProgramCommandsTest::overviewCommandsOnRowZero()
{
    MainWindowFixture f;
    f.click("Button8");
    f.click("RadioButton5");
    f.edit("Edit2")->setText("06");
    f.edit("Edit6")->setText("07");
    f.click("CheckBox1");
    QCOMPARE(f.panel(0), QStringLiteral("此定时有效"));
    const std::uint8_t modifiedBefore = f.state().Modified;
    f.click("Button11");
    f.dialogs.answers.enqueue(Dialogs::Answer::No);
    clickInOverview(f, "Button1");
    QCOMPARE(f.programSlot(1, TimingType::Peripheral, 1)[0], 1);
    QCOMPARE(f.state().Modified, modifiedBefore);
    clickInOverview(f, "Button1");  // Yes
    QCOMPARE(f.dialogs.messages.last().text, QStringLiteral("确认清除本条定时的设置？"));
    QCOMPARE(slotBytes(f, 1, TimingType::Peripheral, 1), QByteArray(8, '\0'));
    QCOMPARE(row(f, 0), QStringLiteral("01|外设工作|从 00:00 到 00:00| - - - - - - | - - - - - - "));
    QCOMPARE(f.text("Edit2"), QStringLiteral("00"));
    QVERIFY(!f.checked("CheckBox1"));
    QCOMPARE(f.panel(0), QStringLiteral("此定时无效"));
    QCOMPARE(f.state().Modified, 1);
    QVERIFY(f.window.overview());

    f.state().SlotNo = 40;
    clickInOverview(f, "Button2");
    QVERIFY(!f.window.overview());
    QVERIFY(f.window.isEnabled());
    QCOMPARE(f.text("Panel1"), QStringLiteral("01"));
    QCOMPARE(f.panel(1), QStringLiteral("正在编辑：程序（1）  <外设定时>  定时序号：01"));
}

void ProgramCommandsTest::copyRefusals()
{
    MainWindowFixture f;
    f.click("Button8");
    f.get<QComboBox>("ComboBox2")->setCurrentIndex(0);
    f.click("Button2");
    QCOMPARE(f.dialogs.texts(), QStringList{QStringLiteral("复制源和目标相等，无法复制。")});
    QCOMPARE(f.dialogs.messages[0].kind, Dialogs::Kind::Warning);
    QCOMPARE(f.state().Modified, 0);

    f.get<QComboBox>("ComboBox2")->setCurrentIndex(2);
    putSlot(f, 1, TimingType::Music, 5, QByteArray("\x05\x01\x02\x03\x04\x05\x06\x07", 8));
    const QByteArray third = programBytes(f, 3);
    f.dialogs.answers.enqueue(Dialogs::Answer::No);
    f.click("Button2");
    QCOMPARE(f.dialogs.texts().last(), QStringLiteral("确认覆盖程序（3）的定时信息？"));
    QCOMPARE(programBytes(f, 3), third);
    QCOMPARE(f.state().Modified, 1);  // even though nothing was copied

    f.get<QComboBox>("ComboBox1")->setCurrentIndex(-1);
    f.click("Button2");
    QCOMPARE(f.dialogs.texts().last(), QStringLiteral("复制源或目标设置错误！"));
    QCOMPARE(f.dialogs.messages.last().kind, Dialogs::Kind::Error);
}

void ProgramCommandsTest::copyOntoTheShownProgram()
{
    MainWindowFixture f;
    f.click("Button8");
    f.edit("Edit4")->setText("09");  // the edit in progress goes along with the copy
    putSlot(f, 1, TimingType::Peripheral, 12, QByteArray("\x0C\x08\x00\x09\x00\x00\x01\x01", 8));
    putSlot(f, 1, TimingType::Peripheral, 100, QByteArray("\x00\x11\x11\x11\x11\x11\x11\x11", 8));
    f.get<QComboBox>("ComboBox2")->setCurrentIndex(2);
    f.click("RadioButton3");
    f.click("RadioButton5");
    f.state().SlotNo = 12;
    f.click("Button2");
    QCOMPARE(programBytes(f, 3), programBytes(f, 1));
    QCOMPARE(f.programSlot(3, TimingType::Music, 1)[3], 9);
    QCOMPARE(f.text("Edit2") + f.text("Edit6"), QStringLiteral("0809"));
    QCOMPARE(f.state().SlotNo, 12);

    // An empty source empties the destination, marks and all.
    f.get<QComboBox>("ComboBox1")->setCurrentIndex(3);
    f.get<QComboBox>("ComboBox2")->setCurrentIndex(0);
    f.click("Button2");
    QCOMPARE(programBytes(f, 1), programBytes(f, 4));
}

void ProgramCommandsTest::copyWhileTheRandomProgramIsShown()
{
    MainWindowFixture f;
    f.click("Button8");
    f.click("RadioButton7");
    f.edit("Edit4")->setText("02");
    f.edit("Edit9")->setText("08");
    f.get<QComboBox>("ComboBox2")->setCurrentIndex(1);
    f.click("Button2");
    QCOMPARE(f.state().Timings.Buffer.randomSlot(1)[9], 8);
    QCOMPARE(f.text("Edit4") + f.text("Edit9"), QStringLiteral("0208"));
    QCOMPARE(programBytes(f, 2), programBytes(f, 1));
}

void ProgramCommandsTest::clearProgram()
{
    MainWindowFixture f;
    f.click("Button8");
    for (int program = 1; program <= 4; ++program) {
        putSlot(f, program, TimingType::Music, 100, QByteArray(8, '\x01'));
        putSlot(f, program, TimingType::Peripheral, 2, QByteArray(8, '\x02'));
    }
    std::fill_n(f.state().Timings.Buffer.randomSlot(1), 10, 0x01);
    f.click("RadioButton2");
    f.click("RadioButton5");
    f.dialogs.answers.enqueue(Dialogs::Answer::No);
    f.click("Button7");
    QCOMPARE(f.dialogs.texts().last(), QStringLiteral("确认清除程序（2）的所有定时信息？"));
    QCOMPARE(f.programSlot(2, TimingType::Music, 100)[0], 1);
    f.click("Button7");
    QCOMPARE(programBytes(f, 2), QByteArray(1600, '\xFF'));
    for (int other : {1, 3, 4}) {
        QCOMPARE(f.programSlot(other, TimingType::Music, 100)[0], 1);
        QCOMPARE(f.programSlot(other, TimingType::Peripheral, 2)[0], 2);
    }
    QCOMPARE(f.state().Timings.Buffer.randomSlot(1)[0], 1);
    QCOMPARE(f.panel(0), QStringLiteral("此定时无效"));
    QCOMPARE(f.state().Modified, 1);

    f.click("RadioButton7");
    f.click("RadioButton5");  // random program off
    f.click("Button7");
    QCOMPARE(f.dialogs.texts().last(), QStringLiteral("确认清除程序（随机定时）的所有定时信息？"));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(f.state().Timings.Buffer.randomTable()), 100),
             QByteArray(100, '\xFF'));
    QCOMPARE(f.state().Timings.RandomEnabled, 0);
    QCOMPARE(f.programSlot(1, TimingType::Peripheral, 2)[0], 2);
}

void ProgramCommandsTest::clearThisTimingThenNext()
{
    MainWindowFixture f;
    f.click("Button8");
    putSlot(f, 1, TimingType::Music, 2, QByteArray("\x02\x07\x30\x01\x02\x03\x7F\x3F", 8));
    f.click("Button6");
    QCOMPARE(f.text("Edit2") + f.text("Edit4"), QStringLiteral("0701"));
    f.click("Button1");
    QCOMPARE(f.dialogs.texts().last(), QStringLiteral("确认清除本条定时的设置？"));
    QCOMPARE(f.programSlot(1, TimingType::Music, 2)[1], 0x07);  // not written yet
    QCOMPARE(f.text("Edit2") + f.text("Edit4"), QStringLiteral("0000"));
    QCOMPARE(f.panel(0), QStringLiteral("此定时无效"));
    QCOMPARE(f.state().Modified, 1);
    f.click("Button6");
    QCOMPARE(slotBytes(f, 1, TimingType::Music, 2), QByteArray("\x02\0\0\0\0\0\0\0", 8));
}

void ProgramCommandsTest::runSelection()
{
    MainWindowFixture f;
    f.click("Button8");
    auto* list = f.get<QComboBox>("ComboBox3");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_End);
    QCOMPARE(f.dialogs.texts(), QStringList{QStringLiteral("机器实际运行程序4")});
    QCOMPARE(f.dialogs.messages[0].title, QStringLiteral("MP3自动播放机"));
    QCOMPARE(f.dialogs.messages[0].kind, Dialogs::Kind::Information);
    QCOMPARE(f.state().Timings.RunProgram, 4);
    QCOMPARE(f.state().Modified, 1);
    QCOMPARE(f.state().EditObject, 1);
    // The window's own selection on redrawing asks nothing.
    f.dialogs.answers.enqueue(Dialogs::Answer::No);
    f.click("Button8");
    QCOMPARE(list->currentIndex(), 0);
    QCOMPARE(f.dialogs.messages.size(), 2);
}

void ProgramCommandsTest::aboutWindowsSwitchTheStatusBar()
{
    MainWindowFixture f;
    QStatusBar* bar = f.get<QStatusBar>("StatusBar1");
    f.click("Button9");
    f.click("Button9");
    QCOMPARE(bar->currentMessage(), QStringLiteral("TALWEN STUDIO"));
    f.click("Button8");  // the panels go on being updated meanwhile
    QList<QWidget*> abouts;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("TForm3") && window->isVisible())
            abouts << window;
    QCOMPARE(abouts.size(), 2);
    QTest::mouseClick(abouts.last()->findChild<QWidget*>("Button1"), Qt::LeftButton);
    QVERIFY(bar->currentMessage().isEmpty());
    QCOMPARE(f.panel(1), QStringLiteral("正在编辑：程序（1）  <音乐定时>  定时序号：01"));
    QVERIFY(abouts.first()->isVisible());

    f.click("Button12");
    QWidget* diagram = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("TForm4"))
            diagram = window;
    QVERIFY(diagram && diagram->isVisible());
    diagram->close();
    QVERIFY(bar->currentMessage().isEmpty());
}

QTEST_MAIN(ProgramCommandsTest)
#include "program_commands_test.moc"
