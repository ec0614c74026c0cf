// The main window's start state, edit modes, control transfer and field checks, driven through its controls.
#include "MainWindowFixture.h"

#include <QRadioButton>
#include <QStatusBar>

using namespace tavisto;

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithoutFile();
    void modeLayouts();
    void switchToRandomProgramClampsSlot();
    void switchBetweenMusicAndPeripheralKeepsSlot();
    void randomProgramOnOffChangesOnlyTheSetting();
    void transferOfFieldsAndBits();
    void randomLoadLeavesTrackTwoAlone();
    void leavingAFieldMarksModified();
    void effectiveness_data();
    void effectiveness();
    void fieldValidation_data();
    void fieldValidation();
    void reenteringStopsTheCommand();
    void clickOnTheCheckedRadioStoresAndReloads();
    void keyboardWorksLikeTheMouse();
};

void MainWindowTest::startsWithoutFile()
{
    MainWindowFixture f;
    QCOMPARE(f.window.windowTitle(), QStringLiteral("RA3vorerizid"));
    QCOMPARE(f.panel(0), QStringLiteral("此定时无效"));
    QCOMPARE(f.panel(1), QStringLiteral("提示：新建一个定时文件，或打开现有的定时文件，进行编辑"));
    for (const char* hidden : {kEditGroup, kCopyGroup, kRunGroup})
        QVERIFY(!f.shown(hidden));
    for (const char* disabled : {kProgram1Button, kProgram4Button, kRandomProgramButton, kMusicOrOnButton,
                                 kPeripheralOrOffButton, kOverviewButton, kClearProgramButton})
        QVERIFY(!f.get(disabled)->isEnabled());
    for (const char* enabled : {kNewFileButton, kOpenFileButton, kSaveFileButton, kHelpButton, kAboutButton})
        QVERIFY(f.get(enabled)->isEnabled());
    QCOMPARE(f.state().Document.Modified, 0);
    QCOMPARE(f.state().CP.Serial, 0xFF);
    QCOMPARE(f.window.size(), QSize(709, 441));
}

void MainWindowTest::modeLayouts()
{
    MainWindowFixture f;
    // The track and end-time controls that are shown, in this order.
    auto layout = [&] {
        QList<const char*> shown;
        for (const char* name :
             {kTrack1Edit, kTrack2Edit, kTrack3Edit, kTrack1Label, kTrack2Label, kTrack3Label, kFromLabel,
              kToLabel, kEndHourEdit, kEndHourLabel, kEndMinuteEdit, kEndMinuteLabel})
            if (f.shown(name))
                shown << name;
        return shown;
    };
    using Names = QList<const char*>;
    f.click(kNewFileButton);
    QCOMPARE(f.get<QGroupBox>(kTypeGroup)->title(), QStringLiteral("程序类型"));
    QCOMPARE(f.get<QGroupBox>(kEditGroup)->title(), QStringLiteral("音乐定时编辑"));
    QCOMPARE(f.text(kContentLabel), QStringLiteral("指定曲目"));
    QCOMPARE(layout(),
             (Names{kTrack1Edit, kTrack2Edit, kTrack3Edit, kTrack1Label, kTrack2Label, kTrack3Label}));
    QVERIFY(!f.get(kSequentialButton)->isEnabled());

    f.click(kPeripheralOrOffButton);
    QCOMPARE(f.get<QGroupBox>(kEditGroup)->title(), QStringLiteral("外设定时编辑"));
    QCOMPARE(f.text(kContentLabel), QStringLiteral("外设工作"));
    QCOMPARE(layout(),
             (Names{kFromLabel, kToLabel, kEndHourEdit, kEndHourLabel, kEndMinuteEdit, kEndMinuteLabel}));

    f.click(kRandomProgramButton);
    QCOMPARE(f.get<QGroupBox>(kTypeGroup)->title(), QStringLiteral("随机播放"));
    QCOMPARE(f.get<QRadioButton>(kMusicOrOnButton)->text(), QStringLiteral("开启"));
    QCOMPARE(f.get<QRadioButton>(kPeripheralOrOffButton)->text(), QStringLiteral("关闭"));
    QCOMPARE(f.get<QGroupBox>(kEditGroup)->title(), QStringLiteral("随机播放编辑"));
    QCOMPARE(f.text(kContentLabel), QStringLiteral("指定曲目范围"));
    QCOMPARE(f.text(kTrack1Label), QStringLiteral("起始曲目"));
    QCOMPARE(f.text(kTrack3Label), QStringLiteral("终止曲目"));
    QCOMPARE(layout(),
             (Names{kTrack1Edit, kTrack3Edit, kTrack1Label, kTrack3Label, kFromLabel, kToLabel, kEndHourEdit,
                    kEndHourLabel, kEndMinuteEdit, kEndMinuteLabel}));
    QVERIFY(f.get(kSequentialButton)->isEnabled() && f.checked(kMusicOrOnButton));

    // A new set always starts in program 1's music layout, at slot 1.
    f.jumpTo(7);
    f.click(kNewFileButton);
    QCOMPARE(f.window.windowTitle(), QStringLiteral("RA3vorerizid---新文件 "));
    QCOMPARE(f.panel(1), QStringLiteral("正在编辑：程序（1）  <音乐定时>  定时序号：01"));
    QCOMPARE(f.text(kSlotNumberPanel), QStringLiteral("01"));
    QVERIFY(f.shown(kEditGroup) && f.shown(kCopyGroup) && f.shown(kRunGroup));
    QVERIFY(f.checked(kProgram1Button) && f.checked(kMusicOrOnButton));
    QCOMPARE(f.get<QGroupBox>(kEditGroup)->title(), QStringLiteral("音乐定时编辑"));
    QVERIFY(!f.shown(kEndHourEdit));
    QCOMPARE(f.get<QComboBox>(kRunProgramList)->currentIndex(), 0);
    QVERIFY(f.state().Timings.Buffer.bytes()[0] == 0xFF);
}

void MainWindowTest::switchToRandomProgramClampsSlot()
{
    MainWindowFixture f;
    f.click(kNewFileButton);
    f.click(kProgram2Button);
    f.jumpTo(57);
    f.edit(kStartHourEdit)->setText("07");
    f.click(kRandomProgramButton);
    QCOMPARE(f.state().EditObject, 5);
    QCOMPARE(f.state().SlotNo, 10);
    QCOMPARE(f.text(kSlotNumberPanel), QStringLiteral("10"));
    QCOMPARE(f.panel(1), QStringLiteral("正在编辑：程序（随机定时）  状态：开启  定时序号：10"));
    const std::uint8_t* stored = f.programSlot(2, TimingType::Music, 57);
    QCOMPARE(stored[0], 57);
    QCOMPARE(stored[1], 0x07);
    f.click(kProgram2Button);
    QCOMPARE(f.state().SlotNo, 10);
    QCOMPARE(f.text(kSlotNumberPanel), QStringLiteral("10"));
    QCOMPARE(f.state().Document.Modified, 0);
}

void MainWindowTest::switchBetweenMusicAndPeripheralKeepsSlot()
{
    MainWindowFixture f;
    f.click(kNewFileButton);
    f.click(kProgram3Button);
    f.jumpTo(5);
    const std::uint8_t peripheral[8] = {5, 0x08, 0x00, 0x09, 0x30, 0x77, 0x01, 0x03};
    f.changeTimings([&](TimingSet& t) {
        std::copy(peripheral, peripheral + 8, t.Buffer.programSlot(3, TimingType::Peripheral, 5));
    });
    f.edit(kTrack1Edit)->setText("12");
    f.click(kPeripheralOrOffButton);
    QCOMPARE(f.programSlot(3, TimingType::Music, 5)[0], 5);
    QCOMPARE(f.programSlot(3, TimingType::Music, 5)[3], 12);
    QCOMPARE(f.text(kStartHourEdit) + f.text(kStartMinuteEdit) + f.text(kEndHourEdit)
                 + f.text(kEndMinuteEdit),
             QStringLiteral("08000930"));
    QCOMPARE(f.panel(1), QStringLiteral("正在编辑：程序（3）  <外设定时>  定时序号：05"));
    // Storing it again clears the reserved byte.
    f.click(kMusicOrOnButton);
    QCOMPARE(f.programSlot(3, TimingType::Peripheral, 5)[5], 0x00);
}

void MainWindowTest::randomProgramOnOffChangesOnlyTheSetting()
{
    MainWindowFixture f;
    f.click(kNewFileButton);
    f.click(kRandomProgramButton);
    const QByteArray before(reinterpret_cast<const char*>(f.state().Timings.Buffer.bytes().data()), 6500);
    f.edit(kStartHourEdit)->setText("09");
    f.click(kPeripheralOrOffButton);
    QCOMPARE(f.state().Timings.RandomEnabled, 0);
    QCOMPARE(f.state().Document.Modified, 1);
    QCOMPARE(f.text(kStartHourEdit), QStringLiteral("09"));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(f.state().Timings.Buffer.bytes().data()), 6500),
             before);
    QCOMPARE(f.panel(1), QStringLiteral("正在编辑：程序（随机定时）  状态：关闭  定时序号：01"));
}

void MainWindowTest::transferOfFieldsAndBits()
{
    MainWindowFixture f;
    f.click(kNewFileButton);
    const std::uint8_t music[8] = {2, 0x07, 0x45, 1, 12, 3, 0x41, 0xFF};
    f.changeTimings(
        [&](TimingSet& t) { std::copy(music, music + 8, t.Buffer.programSlot(1, TimingType::Music, 2)); });
    f.click(kNextButton);
    QCOMPARE(f.text(kStartHourEdit) + ":" + f.text(kStartMinuteEdit), QStringLiteral("07:45"));
    QCOMPARE(f.text(kTrack1Edit) + f.text(kTrack2Edit) + f.text(kTrack3Edit), QStringLiteral("011203"));
    QString days;
    for (const char* box : kWeekdayBoxes)
        days += f.checked(box) ? '1' : '0';
    QCOMPARE(days, QStringLiteral("1000001"));

    f.edit(kTrack1Edit)->setText("07");
    for (const char* box : {kWeekdayBoxes[0], kWeekdayBoxes[6], kWeekdayBoxes[2], kWeekdayBoxes[4]})
        f.click(box);
    for (const char* zone : kZoneBoxes)
        f.get<QAbstractButton>(zone)->setChecked(false);
    f.click(kPreviousButton);
    const std::uint8_t* stored = f.programSlot(1, TimingType::Music, 2);
    QCOMPARE(stored[3], 7);
    QCOMPARE(stored[6], 0x14);
    QCOMPARE(stored[7], 0x00);
}

void MainWindowTest::randomLoadLeavesTrackTwoAlone()
{
    MainWindowFixture f;
    f.click(kNewFileButton);
    f.edit(kTrack2Edit)->setText("42");
    f.edit(kTrack1Edit)->setText("05");
    f.edit(kTrack3Edit)->setText("20");
    f.click(kRandomProgramButton);
    QCOMPARE(f.text(kTrack2Edit), QStringLiteral("42"));
    f.edit(kTrack1Edit)->setText("05");
    f.edit(kTrack3Edit)->setText("20");
    f.click(kSequentialButton);
    f.click(kNextButton);
    const std::uint8_t* random = f.state().Timings.Buffer.randomSlot(1);
    const QByteArray expected("\x01\x00\x00\x00\x00\x01\x00\x00\x05\x14", 10);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(random), 10), expected);
}

void MainWindowTest::leavingAFieldMarksModified()
{
    // Closing with the cursor merely sitting in a field asks nothing; typed text is an edit.
    for (bool typed : {false, true}) {
        MainWindowFixture f;
        f.click(kNewFileButton);
        QTest::mouseClick(f.edit(kStartMinuteEdit), Qt::LeftButton);
        QVERIFY(f.edit(kStartMinuteEdit)->hasFocus());
        if (typed)
            QTest::keyClicks(f.edit(kStartMinuteEdit), "0");
        f.dialogs.answers.enqueue(Dialogs::Answer::No);
        QVERIFY(f.window.close());
        QCOMPARE(f.dialogs.texts(), typed ? QStringList{"是否保存对当前定时数据的修改？"} : QStringList());
    }
    // A real move of the focus out of a field is an edit.
    MainWindowFixture f;
    f.click(kNewFileButton);
    QCOMPARE(f.state().Document.Modified, 0);
    f.edit(kStartHourEdit)->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(f.edit(kStartHourEdit), Qt::Key_Tab);
    QCOMPARE(f.state().Document.Modified, 1);
    QVERIFY(f.dialogs.messages.isEmpty());

    // Zones mark the set modified without touching the effectiveness; weekdays re-evaluate it.
    MainWindowFixture g;
    g.click(kNewFileButton);
    g.edit(kTrack1Edit)->setText("01");
    g.click(kZoneBoxes[0]);
    QCOMPARE(g.state().Document.Modified, 1);
    QCOMPARE(g.panel(0), QStringLiteral("此定时无效"));
    g.click(kWeekdayBoxes[1]);
    QCOMPARE(g.panel(0), QStringLiteral("此定时有效"));
    g.click(kZoneBoxes[5]);
    QCOMPARE(g.panel(0), QStringLiteral("此定时有效"));
}

void MainWindowTest::effectiveness_data()
{
    QTest::addColumn<QString>("mode");        // radio button that selects it
    QTest::addColumn<QStringList>("fields");  // Edit2 Edit5 Edit6 Edit7 Edit4 Edit8 Edit9
    QTest::addColumn<bool>("weekday");
    QTest::addColumn<bool>("effective");
    auto row = [](const char* name, const char* mode, const char* fields, bool weekday, bool effective) {
        QTest::newRow(name) << QString(mode) << QString(fields).split(' ') << weekday << effective;
    };
    row("music, one track", kMusicOrOnButton, "08 00 00 00 00 00 05", true, true);
    row("music, no track", kMusicOrOnButton, "08 00 00 00 00 00 00", true, false);
    row("music, no weekday", kMusicOrOnButton, "08 00 00 00 01 02 03", false, false);
    row("peripheral, empty span", kPeripheralOrOffButton, "08 00 08 00 00 00 00", true, false);
    row("peripheral, one minute", kPeripheralOrOffButton, "08 00 08 01 00 00 00", true, true);
    row("peripheral, over midnight", kPeripheralOrOffButton, "23 00 01 00 00 00 00", true, true);
    row("random, one track range", kRandomProgramButton, "08 00 09 00 03 00 03", true, false);
    row("random, range", kRandomProgramButton, "08 00 09 00 03 00 04", true, true);
}

void MainWindowTest::effectiveness()
{
    QFETCH(QString, mode);
    QFETCH(QStringList, fields);
    QFETCH(bool, weekday);
    QFETCH(bool, effective);
    MainWindowFixture f;
    f.click(kNewFileButton);
    f.click(qPrintable(mode));
    const char* names[] = {kStartHourEdit, kStartMinuteEdit, kEndHourEdit, kEndMinuteEdit,
                           kTrack1Edit,    kTrack2Edit,      kTrack3Edit};
    for (int i = 0; i < 7; ++i)
        f.edit(names[i])->setText(fields[i]);
    f.click(kWeekdayBoxes[2]);  // a weekday box checks the whole timing
    if (!weekday)
        f.click(kWeekdayBoxes[2]);
    QCOMPARE(f.panel(0), effective ? QStringLiteral("此定时有效") : QStringLiteral("此定时无效"));
}

void MainWindowTest::fieldValidation_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    for (const char* ok : {"0", "00", "23", "7"})
        QTest::addRow("hour %s", ok) << kStartHourEdit << ok << true;
    for (const char* bad : {"24", "-1", "5a", " 5", "", "1.5"})
        QTest::addRow("hour '%s'", bad) << kEndHourEdit << bad << false;
    QTest::newRow("minute 59") << kStartMinuteEdit << "59" << true;
    QTest::newRow("minute 60") << kEndMinuteEdit << "60" << false;
    QTest::newRow("track 99") << kTrack1Edit << "99" << true;
    QTest::newRow("track 007") << kTrack2Edit << "007" << true;
    QTest::newRow("track 100") << kTrack3Edit << "100" << false;
}

void MainWindowTest::fieldValidation()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    const QByteArray name = field.toLatin1();
    for (Dialogs::Answer answer : {Dialogs::Answer::Yes, Dialogs::Answer::No}) {
        MainWindowFixture f;
        f.click(kNewFileButton);
        f.click(kRandomProgramButton);  // every field is shown in the random layout
        f.edit(kTrack2Edit)->setVisible(true);
        f.dialogs.answers.enqueue(answer);
        f.type(name, text);
        QCOMPARE(f.state().Document.Modified, 1);
        if (accepted) {
            QVERIFY(f.dialogs.messages.isEmpty());
            QCOMPARE(f.text(name), text);  // not padded
            continue;
        }
        QCOMPARE(f.dialogs.messages.size(), 1);
        const ScriptedDialogs::Message& box = f.dialogs.messages.first();
        QCOMPARE(box.kind, Dialogs::Kind::Error);
        QCOMPARE(box.buttons, Dialogs::Buttons::YesNo);
        QCOMPARE(box.text, QStringLiteral("输入的字符错误或数值范围超出限制，重新输入点“Yes”，清空点“No”"));
        if (answer == Dialogs::Answer::Yes) {
            QCOMPARE(f.text(name), text);
            QCOMPARE(QApplication::focusWidget(), f.edit(name));
        } else {
            QCOMPARE(f.text(name), QStringLiteral("00"));
        }
    }
}

void MainWindowTest::reenteringStopsTheCommand()
{
    // "99" in a minute field and the window closed: the question comes instead of storing 0x99.
    MainWindowFixture f;
    f.click(kNewFileButton);
    f.typeAndStay(kStartMinuteEdit, "99");
    f.dialogs.answers.enqueue(Dialogs::Answer::Yes);
    QVERIFY(!f.window.close());
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.dialogs.messages[0].kind, Dialogs::Kind::Error);
    QCOMPARE(f.programSlot(1, TimingType::Music, 1)[0], 0xFF);  // nothing stored

    // Answering No puts "00" in; the click that moved the focus is spent on the box, the next one acts.
    f.dialogs.answers.enqueue(Dialogs::Answer::No);
    f.click(kNextButton);
    QCOMPARE(f.text(kStartMinuteEdit), QStringLiteral("00"));
    QCOMPARE(f.state().SlotNo, 1);
    f.click(kNextButton);
    QCOMPARE(f.programSlot(1, TimingType::Music, 1)[2], 0x00);
    QCOMPARE(f.programSlot(1, TimingType::Music, 1)[0], 1);
    QCOMPARE(f.state().SlotNo, 2);

    // A field the user went back to stores nothing, however the command is given.
    f.typeAndStay(kStartHourEdit, "5a");
    f.dialogs.answers.enqueue(Dialogs::Answer::Yes);
    f.window.close();
    QCOMPARE(f.state().SlotNo, 2);
    QCOMPARE(f.programSlot(1, TimingType::Music, 2)[0], 0xFF);
    QCOMPARE(QApplication::focusWidget(), f.edit(kStartHourEdit));
}

void MainWindowTest::clickOnTheCheckedRadioStoresAndReloads()
{
    MainWindowFixture f;
    f.click(kNewFileButton);
    f.edit(kTrack1Edit)->setText("09");
    f.click(kProgram1Button);
    QCOMPARE(f.programSlot(1, TimingType::Music, 1)[3], 9);
    f.click(kRandomProgramButton);
    f.click(kMusicOrOnButton);  // "开启" again
    QCOMPARE(f.state().Timings.RandomEnabled, 1);
    QCOMPARE(f.state().Document.Modified, 1);
}

void MainWindowTest::keyboardWorksLikeTheMouse()
{
    MainWindowFixture f;
    f.click(kNewFileButton);
    f.get(kProgram1Button)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f.get(kProgram1Button), Qt::Key_Right);
    QCOMPARE(f.state().EditObject, 2);
    QCOMPARE(f.panel(1), QStringLiteral("正在编辑：程序（2）  <音乐定时>  定时序号：01"));
    f.get(kWeekdayBoxes[3])->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f.get(kWeekdayBoxes[3]), Qt::Key_Space);
    QCOMPARE(f.state().Document.Modified, 1);
    f.edit(kTrack1Edit)->setText("01");
    QTest::keyClick(f.get(kWeekdayBoxes[3]), Qt::Key_Space);
    QTest::keyClick(f.get(kWeekdayBoxes[3]), Qt::Key_Space);
    QCOMPARE(f.panel(0), QStringLiteral("此定时有效"));
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
