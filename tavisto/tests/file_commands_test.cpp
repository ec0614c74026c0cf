// New, open, save and close of timing files, navigation and the jump box, checked on the bytes on disk.
#include "MainWindowFixture.h"

#include <QMimeData>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/stat.h>

using namespace tavisto;

class FileCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(dir.isValid()); }
    void newThenSaveWritesAFreshFile();
    void openAndSaveTouchesOnlyTheShownSlot();
    void shortFileOpensAsANewSet();
    void openFailures();
    void shortcuts();
    void heldFilesAreNotShared();
    void failedSaveKeepsTheChanges();
    void failedSaveOffersAnotherFile();
    void openFileDeletedOrReplaced();
    void notATimingFile();
    void saveQuestion_data();
    void saveQuestion();
    void navigationEnds();
    void jump_data();
    void jump();
    void droppedSchedule_data();
    void droppedSchedule();

private:
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
    void open(MainWindowFixture& f, const QString& file)
    {
        f.dialogs.fileAnswers.enqueue(file);
        f.click(kOpenFileButton);
    }
    QTemporaryDir dir;
};

void FileCommandsTest::newThenSaveWritesAFreshFile()
{
    MainWindowFixture f;
    const QString file = path("new.mtf");
    f.click(kNewFileButton);
    f.dialogs.fileAnswers.enqueue(file);
    f.click(kSaveFileButton);
    QCOMPARE(fileBytes(file), freshFile());
    QCOMPARE(f.window.windowTitle(), QStringLiteral("RA3vorerizid---") + file);
    QCOMPARE(f.state().Document.Modified, 0);
    QVERIFY(f.state().Document.FileAttached() && !f.state().Document.NewFile);
    const Dialogs::FileRequest& request = f.dialogs.files.first();
    QCOMPARE(request.title, QStringLiteral("创建新定时文件"));
    QCOMPARE(request.nameFilters, QStringList{QStringLiteral("MP3播放机定时文件(mtf) (*.mtf)")});
    QCOMPARE(request.defaultSuffix, QStringLiteral("mtf"));
    QCOMPARE(request.initialPath, QDir::home().filePath(QStringLiteral("TWTIMING")));  // first time: home
    QVERIFY(request.save);

    // Saving again writes into the open file without asking; a new set under an existing name replaces it.
    f.type(kStartHourEdit, "12");
    f.click(kSaveFileButton);
    QCOMPARE(fileBytes(file)[2049], '\x12');
    QCOMPARE(f.dialogs.files.size(), 1);
    writeFileBytes(path("big.mtf"), patternFile(20000));
    f.click(kNewFileButton);
    f.dialogs.fileAnswers.enqueue(path("big.mtf"));
    f.click(kSaveFileButton);
    QCOMPARE(fileBytes(path("big.mtf")), freshFile());
    QCOMPARE(f.dialogs.files.last().initialPath, file);
    QVERIFY(f.dialogs.messages.isEmpty());
}

void FileCommandsTest::openAndSaveTouchesOnlyTheShownSlot()
{
    const QString file = path("foreign.mtf");
    const QByteArray original = patternFile(20000);
    writeFileBytes(file, original);
    MainWindowFixture f;
    open(f, file);
    QCOMPARE(f.window.windowTitle(), QStringLiteral("RA3vorerizid---") + file);
    QCOMPARE(f.state().Timings.RunProgram, static_cast<std::uint8_t>(original[0]));
    // A run program outside 1..4 selects nothing.
    QCOMPARE(f.get<QComboBox>(kRunProgramList)->currentIndex(), -1);
    QCOMPARE(f.state().Document.Modified, 0);
    f.click(kSaveFileButton);
    const QByteArray saved = fileBytes(file);
    QCOMPARE(saved.size(), 20000);
    QCOMPARE(saved.left(2048), original.left(2048));
    QCOMPARE(saved.mid(2056), original.mid(2056));
    // The shown slot is stored with its own number; foreign time bytes and large tracks come back unchanged.
    QCOMPARE(saved[2048], '\x01');
    QCOMPARE(saved.mid(2049, 5), original.mid(2049, 5));
    QCOMPARE(static_cast<std::uint8_t>(saved[2054]), static_cast<std::uint8_t>(original[2054]) & 0x7F);
    QCOMPARE(static_cast<std::uint8_t>(saved[2055]), static_cast<std::uint8_t>(original[2055]) & 0x3F);
}

void FileCommandsTest::shortFileOpensAsANewSet()
{
    writeFileBytes(path("full.mtf"), QByteArray(18560, '\x11'));
    writeFileBytes(path("short.mtf"), QByteArray(100, '\x03'));
    MainWindowFixture f;
    open(f, path("full.mtf"));
    f.click(kNextButton);
    open(f, path("short.mtf"));
    QVERIFY(f.state().Document.FileAttached());
    QCOMPARE(f.state().Timings.RunProgram, 3);
    QCOMPARE(f.state().Timings.RandomEnabled, 1);
    QCOMPARE(f.state().Timings.Buffer.bytes(), [] {
        TimingBuffer empty;
        empty.fill(0xFF);
        return empty.bytes();
    }());
    QCOMPARE(f.text(kStartHourEdit), QStringLiteral("00"));
}

void FileCommandsTest::openFailures()
{
    MainWindowFixture f;
    f.click(kNewFileButton);
    f.click(kOpenFileButton);  // dialog cancelled
    QCOMPARE(f.window.windowTitle(), QStringLiteral("RA3vorerizid"));
    QVERIFY(!f.shown(kEditGroup) && !f.get(kOverviewButton)->isEnabled());
    QCOMPARE(f.panel(1), QStringLiteral("提示：新建一个定时文件，或打开现有的定时文件，进行编辑"));

    open(f, path("missing.mtf"));
    QCOMPARE(f.dialogs.texts(), QStringList{QStringLiteral("打开文件失败！")});
    QCOMPARE(f.dialogs.messages[0].kind, Dialogs::Kind::Error);
    QCOMPARE(f.dialogs.messages[0].details, path("missing.mtf") + "\nNo such file or directory");
    QCOMPARE(f.window.windowTitle(), QStringLiteral("RA3vorerizid"));
    QVERIFY(!QFile::exists(path("missing.mtf")));

    const Dialogs::FileRequest& request = f.dialogs.files.last();
    QCOMPARE(request.title, QStringLiteral("打开现有定时文件"));
    QCOMPARE(request.nameFilters,
             (QStringList{QStringLiteral("MP3播放机定时文件(mtf) (*.mtf)"), QStringLiteral("所有文件 (*)")}));
    QCOMPARE(request.initialPath, QDir::home().filePath(QStringLiteral("TWTIMING")));  // first time: home
    QVERIFY(!request.save);
    f.click(kOpenFileButton);
    QCOMPARE(f.dialogs.files.last().initialPath, path("missing.mtf"));

    // A file named on the command line fails in the same way, and is then proposed by the dialog.
    f.dialogs.messages.clear();
    f.click(kNewFileButton);
    f.window.openFile(path("gone.mtf"));
    QCOMPARE(f.dialogs.texts(), QStringList{QStringLiteral("打开文件失败！")});
    QCOMPARE(f.window.windowTitle(), QStringLiteral("RA3vorerizid"));
    f.click(kOpenFileButton);
    QCOMPARE(f.dialogs.files.last().initialPath, path("gone.mtf"));

    // Where and why: a device or a pipe is not a file at all.
    QVERIFY(::mkfifo(qPrintable(path("fifo.mtf")), 0644) == 0);
    for (const QString& file : {QStringLiteral("/dev/null"), path("fifo.mtf")}) {
        open(f, file);
        QCOMPARE(f.dialogs.messages.last().text, QStringLiteral("打开文件失败！"));
        QCOMPARE(f.dialogs.messages.last().details, file + QStringLiteral("\n这不是普通文件"));
    }
}

// Ctrl+N, Ctrl+O, Ctrl+S and F1 act as their buttons, and not while the buttons cannot be used.
void FileCommandsTest::shortcuts()
{
    MainWindowFixture f;
    QTest::keyClick(&f.window, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(f.window.windowTitle(), QStringLiteral("RA3vorerizid---新文件 "));
    f.dialogs.fileAnswers.enqueue(path("keys.mtf"));
    QTest::keyClick(&f.window, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(fileBytes(path("keys.mtf")), freshFile());
    QTest::keyClick(&f.window, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(f.dialogs.files.last().title, QStringLiteral("打开现有定时文件"));
    QTest::keyClick(&f.window, Qt::Key_F1);
    QTRY_COMPARE(f.shownWindows(kDiagramWindow).size(), 1);
    f.shownWindows(kDiagramWindow).first()->close();

    for (const char* name : {kNewFileButton, kOpenFileButton, kSaveFileButton})
        f.get(name)->setEnabled(false);
    f.get(kHelpButton)->hide();
    for (auto key : {Qt::Key_N, Qt::Key_O, Qt::Key_S})
        QTest::keyClick(&f.window, key, Qt::ControlModifier);
    QTest::keyClick(&f.window, Qt::Key_F1);
    QCOMPARE(f.dialogs.files.size(), 2);
    QVERIFY(f.shownWindows(kDiagramWindow).isEmpty());
    QCOMPARE(f.window.windowTitle(), QStringLiteral("RA3vorerizid"));  // the open was cancelled
}

void FileCommandsTest::heldFilesAreNotShared()
{
    const QString file = path("held.mtf");
    writeFileBytes(file, freshFile());
    MainWindowFixture f;
    open(f, file);
    QVERIFY(!HeldElsewhere(file).holds());
    f.click(kNewFileButton);  // nothing changed: the file is let go without a question
    QVERIFY(HeldElsewhere(file).holds());

    // A file another program holds can neither be opened nor replaced.
    const HeldElsewhere other(file);
    open(f, file);
    QCOMPARE(f.dialogs.texts().last(), QStringLiteral("打开文件失败！"));
    QCOMPARE(f.dialogs.messages.last().details, file + QStringLiteral("\n另一个程序正在使用这个文件"));
    f.click(kNewFileButton);
    f.dialogs.fileAnswers.enqueue(file);
    f.click(kSaveFileButton);
    QCOMPARE(f.dialogs.texts().last(), QStringLiteral("创建定时文件失败！"));
    QCOMPARE(f.dialogs.messages.last().details, file + QStringLiteral("\n另一个程序正在使用这个文件"));
    QVERIFY(f.state().Document.NewFile);
    QCOMPARE(fileBytes(file), freshFile());
}

void FileCommandsTest::failedSaveKeepsTheChanges()
{
    const QString file = path("card.mtf");
    writeFileBytes(file, freshFile());
    MainWindowFixture f;
    open(f, file);
    f.type(kStartHourEdit, "08");

    // A device that takes no more than 1000 bytes: the file stays as it was, and no scrap is left.
    const bool closed = withFileSizeLimit(1000, [&] {
        f.dialogs.answers.enqueue(Dialogs::Answer::No);  // no other file
        f.click(kSaveFileButton);
        f.dialogs.answers << Dialogs::Answer::Yes << Dialogs::Answer::Ok << Dialogs::Answer::No;
        return f.window.close();
    });
    QCOMPARE(
        f.dialogs.texts(),
        (QStringList{"保存定时文件失败！", "是否将定时数据另存为其他文件？", "是否保存对当前定时数据的修改？",
                     "保存定时文件失败！", "是否将定时数据另存为其他文件？"}));
    QCOMPARE(f.dialogs.messages[0].details, file + "\nFile too large");
    QVERIFY(!closed);
    QCOMPARE(f.state().Document.Modified, 1);
    QCOMPARE(fileBytes(file), freshFile());
    QCOMPARE(QDir(dir.path()).entryList({".*"}, QDir::Files | QDir::Hidden), QStringList());
    f.click(kSaveFileButton);
    QCOMPARE(fileBytes(file)[2049], '\x08');
    QCOMPARE(f.state().Document.Modified, 0);
}

// A save that cannot be done where the file was (its card or folder is gone) offers another file;
// the edits go there, and that file is held from then on.
void FileCommandsTest::failedSaveOffersAnotherFile()
{
    QVERIFY(QDir(dir.path()).mkpath("card"));
    const QString file = path("card/a.mtf");
    writeFileBytes(file, freshFile());
    MainWindowFixture f;
    open(f, file);
    f.type(kStartHourEdit, "07");
    QVERIFY(QFile::remove(file) && QDir(dir.path()).rmdir("card"));
    f.dialogs.answers << Dialogs::Answer::Ok << Dialogs::Answer::Yes;
    f.dialogs.fileAnswers.enqueue(path("rescued.mtf"));
    f.click(kSaveFileButton);
    QCOMPARE(f.dialogs.texts(), (QStringList{"保存定时文件失败！", "是否将定时数据另存为其他文件？"}));
    QCOMPARE(f.dialogs.messages[0].details, file + "\nNo such file or directory");
    QCOMPARE(f.dialogs.messages[1].buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(f.dialogs.files.last().title, QStringLiteral("创建新定时文件"));
    QCOMPARE(fileBytes(path("rescued.mtf"))[2049], '\x07');
    QCOMPARE(f.window.windowTitle(), QStringLiteral("RA3vorerizid---") + path("rescued.mtf"));
    QCOMPARE(f.state().Document.Modified, 0);
    QVERIFY(!HeldElsewhere(path("rescued.mtf")).holds());
}

// Edits saved after another program deleted or renamed the open file reach the file's path, with
// the unused bytes of the file that was open. A different file put at the path is replaced only
// when the user says so.
void FileCommandsTest::openFileDeletedOrReplaced()
{
    const QString file = path("gone.mtf");
    for (const char* how : {"deleted", "renamed", "replaced"}) {
        writeFileBytes(file, patternFile(20000));
        MainWindowFixture f;
        open(f, file);
        f.dialogs.messages.clear();  // the file's own oddities were asked about
        f.type(kStartHourEdit, "09");
        QVERIFY(how[0] == 'd' ? QFile::remove(file) : QFile::rename(file, path("elsewhere.mtf")));
        if (how[2] == 'p') {
            writeFileBytes(path("other.mtf"), freshFile());
            QVERIFY(::rename(qPrintable(path("other.mtf")), qPrintable(file)) == 0);
            f.dialogs.answers.enqueue(Dialogs::Answer::No);
            f.click(kSaveFileButton);
            QCOMPARE(f.dialogs.texts(), QStringList{"文件已被其他程序替换，仍然保存吗？"});
            QCOMPARE(f.dialogs.messages[0].buttons, Dialogs::Buttons::YesNoDefaultNo);
            // The details tell what saving would change in the file there now.
            QVERIFY(f.dialogs.messages[0].more.startsWith(
                QStringLiteral("“- ”只在现在的文件中，“+ ”只在要保存的定时中：\n")));
            QVERIFY(f.dialogs.messages[0].more.contains(QStringLiteral("\n+ 程序1 音乐定时")));
            QCOMPARE(fileBytes(file), freshFile());
            QCOMPARE(f.state().Document.Modified, 1);
            f.dialogs.messages.clear();
            f.dialogs.answers.enqueue(Dialogs::Answer::Yes);
        }
        f.click(kSaveFileButton);
        QCOMPARE(f.dialogs.messages.size(), how[2] == 'p' ? 1 : 0);
        QCOMPARE(fileBytes(file)[2049], '\x09');
        QCOMPARE(fileBytes(file).mid(2056), patternFile(20000).mid(2056));
        QCOMPARE(fileBytes(path("elsewhere.mtf")), how[0] == 'd' ? QByteArray() : patternFile(20000));
        QFile::remove(path("elsewhere.mtf"));
    }
}

// A file that does not look like a timing file is asked about before it is taken, from the open
// dialog and from the command line alike; No leaves the set, its file and its changes as they were.
// A file this program wrote is never asked about.
void FileCommandsTest::notATimingFile()
{
    writeFileBytes(path("text.mtf"), "hello");
    QByteArray many = freshFile();
    for (int slot = 0; slot < 7; ++slot)
        many.replace(2048 + slot * 8, 1, QByteArray(1, char(slot + 50)));
    writeFileBytes(path("many.mtf"), many);
    MainWindowFixture f;
    f.click(kNewFileButton);
    f.dialogs.fileAnswers.enqueue(path("mine.mtf"));
    f.click(kSaveFileButton);
    f.type(kStartHourEdit, "06");
    const QString title = f.window.windowTitle();
    f.dialogs.answers << Dialogs::Answer::No << Dialogs::Answer::No;  // drop the changes, then not this file
    open(f, path("text.mtf"));
    f.dialogs.answers << Dialogs::Answer::No << Dialogs::Answer::No;
    f.window.openFile(path("many.mtf"));
    QCOMPARE(f.dialogs.texts().size(), 4);
    const QStringList asked = f.dialogs.texts()[1].split('\n');
    QCOMPARE(asked,
             (QStringList{"这个文件不像定时文件：", "文件只有 5 字节，定时文件有 18560 字节",
                          "运行设定是 104，不是程序1到程序4", "仍然打开吗？"}));
    QCOMPARE(f.dialogs.messages[1].buttons, Dialogs::Buttons::YesNoDefaultNo);
    const QStringList five = f.dialogs.texts()[3].split('\n');
    QCOMPARE(five.size(), 8);
    QCOMPARE(five[1], QStringLiteral("程序1 音乐定时 01 的序列号是 50"));
    QCOMPARE(five[6], QStringLiteral("……"));
    QCOMPARE(f.window.windowTitle(), title);
    QCOMPARE(f.text(kStartHourEdit), QStringLiteral("06"));
    QCOMPARE(f.state().Document.Modified, 1);
    QVERIFY(!HeldElsewhere(path("mine.mtf")).holds());

    f.dialogs.messages.clear();
    f.dialogs.answers << Dialogs::Answer::Yes << Dialogs::Answer::Yes;  // save, and take the text
    open(f, path("text.mtf"));
    QCOMPARE(f.window.windowTitle(), QStringLiteral("RA3vorerizid---") + path("text.mtf"));
    open(f, path("mine.mtf"));
    QCOMPARE(f.dialogs.texts().size(), 2);
    QCOMPARE(f.text(kStartHourEdit), QStringLiteral("06"));
}

void FileCommandsTest::saveQuestion_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("answer");
    for (const char* command : {"new", "open", "close"}) {
        QTest::addRow("%s, Yes", command) << command << int(Dialogs::Answer::Yes);
        QTest::addRow("%s, No", command) << command << int(Dialogs::Answer::No);
        QTest::addRow("%s, Cancel", command) << command << int(Dialogs::Answer::Cancel);
    }
}

void FileCommandsTest::saveQuestion()
{
    QFETCH(QString, command);
    QFETCH(int, answer);
    const QString file = path("asked.mtf");
    writeFileBytes(file, freshFile());
    MainWindowFixture f;
    open(f, file);
    f.type(kStartHourEdit, "05");
    f.dialogs.answers.enqueue(Dialogs::Answer(answer));
    if (command == QLatin1String("new"))
        f.click(kNewFileButton);
    else if (command == QLatin1String("open"))
        f.click(kOpenFileButton);  // and then cancels the open dialog
    else
        f.window.close();

    QCOMPARE(f.dialogs.messages.first().text, QStringLiteral("是否保存对当前定时数据的修改？"));
    QCOMPARE(f.dialogs.messages.first().buttons, Dialogs::Buttons::YesNoCancel);
    QCOMPARE(f.dialogs.messages.first().kind, Dialogs::Kind::Confirmation);
    const bool saved = fileBytes(file)[2049] == '\x05';
    switch (Dialogs::Answer(answer)) {
    case Dialogs::Answer::Cancel:
        QVERIFY(!saved);
        QVERIFY(f.state().Document.FileAttached() && f.window.isVisible());
        QCOMPARE(f.state().Document.Modified, 1);
        QVERIFY(!HeldElsewhere(file).holds());
        return;
    case Dialogs::Answer::Yes: QVERIFY(saved); break;
    default: QVERIFY(!saved);
    }
    QVERIFY(HeldElsewhere(file).holds());
    QCOMPARE(f.state().Document.Modified, 0);
    QCOMPARE(f.window.isVisible(), command != QLatin1String("close"));
    QCOMPARE(bool(f.state().Document.NewFile), command == QLatin1String("new"));
}

void FileCommandsTest::navigationEnds()
{
    MainWindowFixture f;
    f.click(kNewFileButton);
    f.edit(kTrack1Edit)->setText("03");
    f.click(kPreviousButton);
    QCOMPARE(f.text(kSlotNumberPanel), QStringLiteral("01"));
    QCOMPARE(f.programSlot(1, TimingType::Music, 1)[3], 3);
    QCOMPARE(f.text(kTrack1Edit), QStringLiteral("03"));
    f.jumpTo(99);
    f.click(kNextButton);
    QCOMPARE(f.text(kSlotNumberPanel), QStringLiteral("99"));
    QCOMPARE(f.programSlot(1, TimingType::Music, 100)[0], 0xFF);  // slot 100 is kept but never shown
    f.click(kPeripheralOrOffButton);
    f.jumpTo(15);
    f.click(kProgram2Button);
    QCOMPARE(f.panel(1), QStringLiteral("正在编辑：程序（2）  <外设定时>  定时序号：15"));
    f.click(kRandomProgramButton);
    f.click(kNextButton);
    QCOMPARE(f.text(kSlotNumberPanel), QStringLiteral("10"));
    QCOMPARE(f.state().Document.Modified, 0);
}

void FileCommandsTest::jump_data()
{
    QTest::addColumn<bool>("random");
    QTest::addColumn<QVariant>("answer");  // invalid = Cancel
    QTest::addColumn<int>("shown");        // 0 = refused
    QTest::newRow("7") << false << QVariant("7") << 7;
    QTest::newRow("99") << false << QVariant("99") << 99;
    for (const char* refused : {"0", "100", "1.5", "-3", "", " 5"})
        QTest::addRow("'%s'", refused) << false << QVariant(refused) << 0;
    QTest::newRow("eight zeros and 5") << false << QVariant("000000005") << 5;
    QTest::newRow("nine zeros and 5") << false << QVariant("0000000005") << 0;
    QTest::newRow("cancel") << false << QVariant() << 1;
    QTest::newRow("random 10") << true << QVariant("10") << 10;
    QTest::newRow("random 11") << true << QVariant("11") << 0;
}

void FileCommandsTest::jump()
{
    QFETCH(bool, random);
    QFETCH(QVariant, answer);
    QFETCH(int, shown);
    MainWindowFixture f;
    f.click(kNewFileButton);
    if (random)
        f.click(kRandomProgramButton);
    f.click(kNextButton);
    f.edit(kStartHourEdit)->setText("04");
    f.dialogs.inputAnswers.enqueue(answer.isValid() ? std::optional<QString>(answer.toString())
                                                    : std::nullopt);
    f.click(kJumpButton);
    const ScriptedDialogs::Input& box = f.dialogs.inputs.first();
    QCOMPARE(box.caption, QStringLiteral("指定定时序号"));
    QCOMPARE(box.prompt, QStringLiteral("请输入01到99之间的序号："));
    QCOMPARE(box.preset, QStringLiteral("01"));
    QCOMPARE(f.state().Timings.Buffer.bytes()[random ? 6410 : 8], 2);  // timing 02 was stored first
    if (shown == 0) {
        QCOMPARE(f.dialogs.texts(), QStringList{QStringLiteral("所输入的数值无效！")});
        QCOMPARE(f.dialogs.messages[0].kind, Dialogs::Kind::Warning);
        QCOMPARE(f.text(kSlotNumberPanel), QStringLiteral("02"));
        QCOMPARE(f.text(kStartHourEdit), QStringLiteral("04"));
        return;
    }
    QVERIFY(f.dialogs.messages.isEmpty());
    QCOMPARE(int(f.state().SlotNo), shown);
    QCOMPARE(f.text(kSlotNumberPanel), QString::fromStdString(MyIntToStr(shown)));
    QVERIFY(f.panel(1).endsWith(QStringLiteral("定时序号：") + f.text(kSlotNumberPanel)));
}

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"

void FileCommandsTest::droppedSchedule_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("opens");
    QTest::newRow("schedule") << QStringList{"drop.mtf"} << QString() << QString() << true;
    QTest::newRow("upper case, over a field")
        << QStringList{"DROP.MTF"} << QString() << QString(kStartHourEdit) << true;
    QTest::newRow("other file") << QStringList{"drop.txt"} << QString() << QString() << false;
    QTest::newRow("two schedules") << QStringList{"drop.mtf", "more.mtf"} << QString() << QString() << false;
    QTest::newRow("text") << QStringList() << QString("drop.mtf") << QString() << false;
}

// A schedule dropped on the window, over a field too, is opened as 打开文件 opens one: after the save
// question, which can keep the set. Any other drag is refused and changes nothing.
void FileCommandsTest::droppedSchedule()
{
    QFETCH(QStringList, files);
    QFETCH(QString, text);
    QFETCH(QString, target);
    QFETCH(bool, opens);
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& name : files) {
        writeFileBytes(dir.filePath(name), freshFile());
        urls << QUrl::fromLocalFile(dir.filePath(name));
    }
    data.setUrls(urls);
    if (!text.isEmpty())
        data.setText(text);
    MainWindowFixture f;
    f.click(kNewFileButton);
    f.type(kStartHourEdit, "12");
    QWidget* over = target.isEmpty() ? f.window.centralWidget() : f.get(qPrintable(target));
    const auto drop = [&] {
        const QPoint at = over->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(over, &enter);
        QDropEvent dropped(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(over, &dropped);
        QCOMPARE(enter.isAccepted() && dropped.isAccepted(), opens);
        QCOMPARE(dropped.dropAction(), opens ? Qt::CopyAction : dropped.proposedAction());
        QTest::qWait(10);
    };
    f.dialogs.answers << Dialogs::Answer::Cancel << Dialogs::Answer::No;
    drop();
    QCOMPARE(f.dialogs.messages.size(), opens ? 1 : 0);
    QVERIFY(f.state().Document.NewFile && f.state().Document.Modified);  // Cancel keeps the set
    drop();
    QCOMPARE(f.dialogs.texts(), opens ? QStringList(2, "是否保存对当前定时数据的修改？") : QStringList());
    QCOMPARE(f.state().Document.FileAttached(), opens);
    QCOMPARE(f.state().fileName(), opens ? dir.filePath(files[0]) : QString());
    QCOMPARE(f.text(kStartHourEdit), opens ? QString("00") : QString("12"));
}
