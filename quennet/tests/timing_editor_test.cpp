// The editor driven through its real widgets, with the data file checked byte by byte.
#include "ControlNames.h"
#include "Controls.h"
#include "DataFile.h"
#include "DataFileLayout.h"
#include "FailingFiles.h"
#include "FileFixtures.h"
#include "ScriptedDialogs.h"
#include "TimingEditor.h"
#include "TimingEditorProbe.h"
#include "UpDown.h"

#include <QComboBox>
#include <QDir>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <cerrno>
#include <sys/stat.h>

using namespace quennet;
using namespace quennet::testing;

class TimingEditorTest : public QObject {
    Q_OBJECT

    QTemporaryDir drive_;
    QString path_;
    FailingFiles files_;
    std::unique_ptr<DataFile> file_;
    ScriptedDialogs dialogs_;
    std::unique_ptr<TimingEditor> editor_;

    void startEditor()
    {
        editor_ = std::make_unique<TimingEditor>(*file_, dialogs_);
        editor_->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor_.get()));
    }
    // Starts the editor on the given file and presses 打开文件.
    void openEditor(const QByteArray& bytes)
    {
        writeDataFile(drive_.path(), bytes);
        startEditor();
        click(kOpenCloseButton);
        dialogs_.messages.clear();
    }
    template<class T = QWidget>
    T* find(const char* id) const
    {
        return control<T>(editor_.get(), id);
    }
    const EditorState& state() const { return TimingEditorProbe(*editor_).state(); }
    QString textOf(const char* id) const { return find<QLineEdit>(id)->text(); }
    QString indicator() const { return textOf(kIndicator); }
    void click(const char* id) { QTest::mouseClick(find(id), Qt::LeftButton); }
    void clickSpin(const char* id, const char* arrow)
    {
        QTest::mouseClick(find<UpDown>(id)->findChild<QToolButton*>(QString::fromLatin1(arrow)),
                          Qt::LeftButton);
    }
    void typeInto(const char* id, const QString& text)
    {
        QLineEdit* edit = find<QLineEdit>(id);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    void fill(std::initializer_list<std::pair<const char*, QString>> texts)
    {
        for (const auto& [id, text] : texts)
            typeInto(id, text);
    }
    void pressEnter(const char* id)
    {
        find(id)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(find(id), Qt::Key_Return);
    }
    // As a user picks from the list with the arrow keys.
    void selectKind(TimingKind kind)
    {
        auto* list = find<QComboBox>(kTypeList);
        list->setFocus();
        while (list->currentIndex() != int(kind))
            QTest::keyClick(list, list->currentIndex() < int(kind) ? Qt::Key_Down : Qt::Key_Up);
    }
    TimingEntry storedAt(int program, int position) const
    {
        return entryAt(readAll(path_), program, position);
    }
    QByteArray hexAt(int program, int position) const
    {
        return bytesOf(storedAt(program, position)).toHex(' ');
    }
    QStringList messageTexts() const
    {
        QStringList texts;
        for (const ScriptedDialogs::Shown& shown : dialogs_.messages)
            texts << shown.text;
        return texts;
    }
    // The caption of the open/close button and the buttons that need an open file.
    void verifyOpen(bool open)
    {
        QCOMPARE(find<QPushButton>(kOpenCloseButton)->text(), QString(open ? "关闭文件" : "打开文件"));
        for (const char* id : kFileButtons)
            QVERIFY2(find(id)->isEnabled() == open, id);
    }

private slots:
    void init()
    {
        editor_.reset();
        files_ = FailingFiles();
        dialogs_ = ScriptedDialogs();
        QVERIFY(QDir(drive_.path()).removeRecursively() && QDir().mkpath(drive_.path()));
        file_ = std::make_unique<DataFile>(drive_.path().toStdString(), files_);
        path_ = QString::fromStdString(file_->filePath());
    }

    // 打开文件 creates a missing file and 关闭文件 saves the program. A file another copy of the program
    // holds reads as none at start and is refused at 打开文件: nothing changes and the file stays
    // closed until the other lets it go.
    void openAndClose()
    {
        startEditor();
        QCOMPARE(editor_->windowTitle(), QString("dedododi--zivoveD1.0"));
        QCOMPARE(indicator(), QString(" 00 / 00"));
        QCOMPARE(textOf(kTrack1Edit), QString("1"));
        verifyOpen(false);
        QVERIFY(!find(kEndHourEdit)->isVisible() && find(kTrack2Edit)->isVisible());
        click(kProgram3Radio);
        click(kOpenCloseButton);
        QCOMPARE(messageTexts(), QStringList(path_ + " 定时文件创建成功,可以开始输入定时!"));
        QCOMPARE(indicator(), QString(" 00 / 00 "));
        QCOMPARE(textOf(kTrack1Edit), QString("0"));
        verifyOpen(true);

        click(kProgram2Radio);
        click(kOpenCloseButton);
        QCOMPARE(dialogs_.messages.last().text, QString("  保存成功! "));
        QCOMPARE(dialogs_.messages.last().icon, Dialogs::Icon::None);
        QCOMPARE(readAll(path_)[101], char(1));
        verifyOpen(false);

        dialogs_.messages.clear();
        writeDataFile(drive_.path(), timingsFile(0, 5));
        {
            HeldElsewhere other(path_);
            QVERIFY(other.holds());
            startEditor();
            QCOMPARE(indicator(), QString(" 00 / 00"));
            click(kProgram3Radio);  // no message while the file is closed
            click(kOpenCloseButton);
        }
        QCOMPARE(messageTexts(),
                 QStringList(path_ + " 定时文件无法打开(另一个程序正在使用这个文件),文件没有任何改动!"));
        QCOMPARE(dialogs_.messages[0].icon, Dialogs::Icon::Warning);
        verifyOpen(false);
        QCOMPARE(readAll(path_), timingsFile(0, 5));
        click(kOpenCloseButton);
        QCOMPARE(indicator(), QString(" 05 / 05 "));
    }

    // 关闭文件 makes the chosen program the one the player runs: when it plays nothing while another
    // program would, the user is asked first, and No leaves the file open and its header as it was.
    void closeAsksBeforeThePlayerRunsNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("program");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("answer");
        const TimingEntry noZone = timingEntry(1, 7, 0, 1, 2, 3, 10, 20, 0x3E, 0x00);
        QByteArray firstPlays = emptyFile(0);
        putEntry(firstPlays, 0, 1, musicEntry(1));
        QByteArray bothPlay = firstPlays;
        putEntry(bothPlay, 1, 1, musicEntry(1));
        QByteArray secondHasNoZone = firstPlays;
        putEntry(secondHasNoZone, 1, 1, noZone);
        QByteArray noneHasAZone = emptyFile(0);
        putEntry(noneHasAZone, 0, 1, noZone);
        QTest::newRow("the chosen program plays") << bothPlay << 1 << false << false;
        QTest::newRow("nothing plays anywhere") << noneHasAZone << 1 << false << false;
        QTest::newRow("an empty program, No") << firstPlays << 1 << true << false;
        QTest::newRow("an empty program, Yes") << firstPlays << 3 << true << true;
        QTest::newRow("a timing without a zone, No") << secondHasNoZone << 1 << true << false;
    }
    void closeAsksBeforeThePlayerRunsNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, program);
        QFETCH(bool, asked);
        QFETCH(bool, answer);
        openEditor(bytes);
        click(kProgramRadios[std::size_t(program)]);
        dialogs_.answer = answer;
        click(kOpenCloseButton);
        QCOMPARE(
            dialogs_.questions,
            asked ? QStringList(
                QString("程序%1 没有会播放的定时，关闭后播放机将运行程序%1。仍然关闭吗？").arg(program + 1))
                  : QStringList());
        QCOMPARE(dialogs_.questionTitles, asked ? QStringList("Confirm") : QStringList());
        const bool closed = !asked || answer;
        verifyOpen(!closed);
        QCOMPARE(readAll(path_).mid(100, 2), closed ? QByteArray("\x5A") + char(program) : bytes.mid(100, 2));
        QCOMPARE(messageTexts(), closed ? QStringList("  保存成功! ") : QStringList());
    }

    // 打开文件 that cannot take the file leaves it byte for byte as it was, the previous backup too,
    // leaves no half-written file behind, and keeps the window closed: nothing can be written and
    // another Quennet still gets the file.
    void failedOpenChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("old");  // empty: no file
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<int>("sizeLimit");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QByteArray>("backup");                                // what .bak holds afterwards
        const QByteArray damaged = timingsFile(0, 5).replace(101, 1, "\x09");  // program index 9
        const QByteArray older("an older backup");
        const QString notRegular(" 定时文件无法打开(这不是普通文件),文件没有任何改动!");
        QTest::newRow("no file, card full")
            << QByteArray() << "" << 4096 << " 定时文件创建失败001,不能输入定时!" << QByteArray();
        QTest::newRow("backup cannot be made")
            << damaged << "" << 4096 << " 定时文件创建失败002,不能输入定时!" << older;
        QTest::newRow("new file cannot be made")
            << damaged.left(300) << "" << 4096 << " 定时文件创建失败002,不能输入定时!" << damaged.left(300);
        QTest::newRow("folder at the backup's name")
            << damaged << "bak folder" << 0 << " 定时文件创建失败002,不能输入定时!" << QByteArray();
        QTest::newRow("pipe") << QByteArray() << "pipe" << 0 << notRegular << QByteArray();
        QTest::newRow("device") << QByteArray() << "/dev/null" << 0 << notRegular << QByteArray();
    }
    void failedOpenChangesNothing()
    {
        QFETCH(QByteArray, old);
        QFETCH(QString, obstacle);
        QFETCH(int, sizeLimit);
        QFETCH(QString, message);
        QFETCH(QByteArray, backup);
        QVERIFY(QDir().mkpath(drive_.path() + "/dsdata"));
        if (!old.isEmpty()) {
            writeDataFile(drive_.path(), old);
            writeAll(path_ + ".bak", "an older backup");
        }
        if (obstacle == "bak folder")
            QVERIFY(QFile::remove(path_ + ".bak") && QDir().mkpath(path_ + ".bak"));
        if (obstacle == "pipe")
            QVERIFY(mkfifo(path_.toLocal8Bit().constData(), 0644) == 0);
        if (obstacle == "/dev/null")
            QVERIFY(QFile::link(obstacle, path_));
        const QStringList entries =
            QDir(drive_.path() + "/dsdata").entryList(QDir::AllEntries | QDir::Hidden);

        startEditor();
        if (sizeLimit != 0)
            withFileSizeLimit(rlim_t(sizeLimit), [this] { click(kOpenCloseButton); });
        else
            click(kOpenCloseButton);
        QCOMPARE(messageTexts(), QStringList(path_ + message));
        QCOMPARE(dialogs_.messages[0].icon, Dialogs::Icon::Warning);
        verifyOpen(false);
        QCOMPARE(QDir(drive_.path() + "/dsdata").entryList(QDir::AllEntries | QDir::Hidden), entries);
        if (!old.isEmpty()) {
            QCOMPARE(readAll(path_), old);
            QVERIFY(HeldElsewhere(path_).holds());
        }
        if (!backup.isEmpty())
            QCOMPARE(readAll(path_ + ".bak"), backup);
    }

    // The whole stored timing is shown, its kind and end time included, and a program switch shows
    // the last timing of that program.
    void openAndProgramSwitchShowTheLastTiming()
    {
        QByteArray bytes = timingsFile(2, 2);
        putEntry(bytes, 2, 3, timingEntry(3, 7, 3, 12, 2, 3, 8, 45, 0x3E, 0x05, 1));
        for (int n = 1; n <= 4; ++n)
            putEntry(bytes, 3, n, musicEntry(n));
        openEditor(bytes);
        QVERIFY(find<QRadioButton>(kProgram3Radio)->isChecked());
        QCOMPARE(indicator(), QString(" 03 / 03 "));
        QCOMPARE(state().TimingKind, TimingKind::Radio);
        QCOMPARE(textOf(kTrack1Edit), QString("12"));
        QCOMPARE(textOf(kEndHourEdit), QString("8"));
        QCOMPARE(textOf(kEndMinuteEdit), QString("45"));
        QVERIFY(find(kEndHourEdit)->isVisible() && !find(kTrack2Edit)->isVisible());
        click(kModifyButton);  // storing it unchanged writes back the same bytes
        QCOMPARE(readAll(path_), bytes);

        click(kProgram4Radio);
        QCOMPARE(indicator(), QString(" 04 / 04 "));
        QCOMPARE(textOf(kMinuteEdit), QString("4"));
        click(kCheckListButton);
        QCOMPARE(dialogs_.checkLists, QList<int>({3}));
    }

    void takingStopsAtTheFirstFailingField()
    {
        openEditor(emptyFile(0));
        const QByteArray before = readAll(path_);

        typeInto(kHourEdit, "24");
        click(kAddButton);
        QCOMPARE(messageTexts(), QStringList("“请填入一个在0和23之间的整数。”"));
        QCOMPARE(dialogs_.messages[0].icon, Dialogs::Icon::Warning);
        QVERIFY(find(kHourEdit)->hasFocus());
        QCOMPARE(find<QLineEdit>(kHourEdit)->selectedText(), QString("24"));
        QCOMPARE(indicator(), QString(" 00 / 00 "));

        fill({{kHourEdit, " +5 "}, {kMinuteEdit, "3x"}, {kTrack1Edit, "42"}});
        click(kModifyButton);
        QCOMPARE(dialogs_.messages.last().text, QString("请键入一个整数。"));
        QCOMPARE(dialogs_.messages.last().icon, Dialogs::Icon::None);
        QVERIFY(find(kMinuteEdit)->hasFocus());
        click(kSundayBox);  // showing the fields reveals what was taken
        QCOMPARE(QStringList({textOf(kHourEdit), textOf(kMinuteEdit), textOf(kTrack1Edit)}),
                 QStringList({"5", "0", "0"}));

        for (const QString& bad : {QString(), QString("99999999999"), QString("1 2"), QString("0x10")}) {
            typeInto(kTrack3Edit, bad);
            click(kAddButton);
            QCOMPARE(dialogs_.messages.last().text, QString("请键入一个整数。"));
        }
        typeInto(kTrack3Edit, "0");

        selectKind(TimingKind::Radio);
        typeInto(kEndMinuteEdit, "60");
        click(kAddButton);
        QCOMPARE(dialogs_.messages.last().text, QString("“请填入一个在0和59之间的整数。”"));
        fill({{kEndMinuteEdit, "0"}, {kEndHourEdit, "25"}});
        click(kAddButton);
        QCOMPARE(dialogs_.messages.last().text, QString("“请填入一个在0和23之间的整数。”"));
        QCOMPARE(readAll(path_), before);
    }

    void storedLayoutOfEachKind()
    {
        QByteArray bytes = emptyFile(0);
        putEntry(bytes, 0, 1, musicEntry(1));  // byte 3 is 0x33
        openEditor(bytes);

        typeInto(kMinuteEdit, "30");
        click(kMondayBox);  // Monday off; a click shows the fields, so the typed minute goes
        QCOMPARE(textOf(kMinuteEdit), QString("1"));
        click(kSundayBox);  // Sunday on
        click(kZone1Box);   // zone 1 off
        click(kZone4Box);   // zone 4 on
        fill({{kHourEdit, "7"},
              {kMinuteEdit, "30"},
              {kTrack1Edit, "1"},
              {kTrack2Edit, "2"},
              {kTrack3Edit, "3"},
              {kRandomFromEdit, "10"},
              {kRandomToEdit, "20"}});
        click(kAddButton);
        QCOMPARE(indicator(), QString(" 02 / 02"));
        QCOMPARE(hexAt(0, 2), QByteArray("02 07 1e 33 0c 01 00 02 3d 00 0a 14 03 00 00 00"));

        selectKind(TimingKind::Radio);
        fill({{kTrack1Edit, "120"}, {kEndHourEdit, "8"}, {kEndMinuteEdit, "15"}});
        click(kAddButton);
        QCOMPARE(hexAt(0, 3), QByteArray("03 07 1e 33 0c 63 00 02 3d 01 08 0f 03 00 00 00"));

        selectKind(TimingKind::Peripheral);
        QVERIFY(!find(kTrack1Edit)->isVisible() && !find(kTrackLabel)->isVisible());
        click(kAddButton);
        QCOMPARE(hexAt(0, 4), QByteArray("04 07 1e 33 0c e5 00 02 3d 00 08 0f 03 00 00 00"));

        selectKind(TimingKind::Music);
        QCOMPARE(find<QLabel>(kTrackLabel)->text(), QString("曲    目"));
        QVERIFY(find(kTrack2Edit)->isVisible() && !find(kEndHourEdit)->isVisible());
    }

    // The type list never stores a kind it does not show: text that names no entry changes nothing
    // and gives way to the shown kind when the list loses the focus or a command takes the fields.
    void typedTextNamingNoKind()
    {
        openEditor(emptyFile(0));
        editor_->activateWindow();  // focus changes reach the controls of the active window only
        QVERIFY(QTest::qWaitForWindowActive(editor_.get()));
        typeInto(kRandomFromEdit, "4");  // a music value left behind in a hidden field
        selectKind(TimingKind::Peripheral);
        fill({{kEndHourEdit, "9"}, {kEndMinuteEdit, "30"}});
        QLineEdit* typeEdit = find<QComboBox>(kTypeList)->lineEdit();
        typeEdit->setFocus();
        typeEdit->setCursorPosition(3);
        QTest::keyClicks(typeEdit, "abc");
        QCOMPARE(typeEdit->text(), QString("外设设abc定"));
        QVERIFY(find(kEndHourEdit)->isVisible() && !find(kTrack1Edit)->isVisible());
        click(kAddButton);
        QCOMPARE(hexAt(0, 1), QByteArray("01 00 00 00 0f e5 00 00 3e 00 09 1e 00 00 00 00"));
        QCOMPARE(typeEdit->text(), QString("外设设定"));

        typeEdit->setFocus();
        QTest::keyClicks(typeEdit, "x");
        find(kHourEdit)->setFocus();
        QCOMPARE(typeEdit->text(), QString("外设设定"));
        QCOMPARE(state().TimingKind, TimingKind::Peripheral);

        typeEdit->selectAll();
        QInputMethodEvent typed;  // Chinese text arrives through the input method
        typed.setCommitString(QString("收音定时"));
        QApplication::sendEvent(typeEdit, &typed);
        QCOMPARE(state().TimingKind, TimingKind::Radio);
        QVERIFY(find(kTrack1Edit)->isVisible());
    }

    void spinsWrapAroundIndependently()
    {
        startEditor();
        clickSpin(kHourSpin, kSpinDown);
        QCOMPARE(textOf(kHourEdit), QString("23"));
        clickSpin(kHourSpin, kSpinUp);
        QCOMPARE(textOf(kHourEdit), QString("0"));
        clickSpin(kHourSpin, kSpinUp);
        QCOMPARE(textOf(kHourEdit), QString("1"));

        typeInto(kMinuteEdit, "7");  // not taken: the spin goes on from its own position
        clickSpin(kMinuteSpin, kSpinUp);
        QCOMPARE(textOf(kMinuteEdit), QString("1"));
    }

    // The new timing goes after the highest, whichever is shown; with position 99 taken it fills the
    // first gap, and with 99 timings it replaces the last. Nothing else is written.
    void addPicksThePosition_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("position");
        QByteArray gaps = timingsFile(0, 6);
        putEntry(gaps, 0, 1, deletedEntry());
        putEntry(gaps, 0, 4, deletedEntry());
        QByteArray fullToTheEnd = timingsFile(0, 99);
        putEntry(fullToTheEnd, 0, 40, deletedEntry());
        putEntry(fullToTheEnd, 0, 41, deletedEntry());
        QTest::newRow("after the highest") << gaps << " 05 / 05" << 7;
        QTest::newRow("into the first gap") << fullToTheEnd << " 40 / 98" << 40;
        QTest::newRow("over the last") << timingsFile(0, 99) << " 99 / 99" << 99;
    }
    void addPicksThePosition()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, shown);
        QFETCH(int, position);
        openEditor(file);
        click(kFirstButton);
        typeInto(kHourEdit, "21");
        click(kAddButton);
        QCOMPARE(indicator(), shown);
        QCOMPARE(storedAt(0, position).Hour, 21);
        QCOMPARE(storedAt(0, position).EntryNo, position);
        const int slot = entryOffset(0, position);
        QCOMPARE(readAll(path_).replace(slot, 16, file.mid(slot, 16)), file);
    }

    // Every storing command is a step that Ctrl+Z undoes from any field: the file and the window are
    // as they were before it, the fields as taken included (全部清空 takes none). A field with typing
    // of its own undoes that first. Ctrl+Shift+Z and Ctrl+Y do the step again; each step tells the week plan.
    void undoKeysWalkTheHistory_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("hourBefore");
        QTest::newRow("添加保存") << kAddButton << "21";
        QTest::newRow("修改保存") << kModifyButton << "21";
        QTest::newRow("删除本条") << kDeleteButton << "21";
        QTest::newRow("全部清空") << kClearAllButton << "7";
    }
    void undoKeysWalkTheHistory()
    {
        QFETCH(QString, button);
        QFETCH(QString, hourBefore);
        QByteArray bytes = timingsFile(0, 5);
        putEntry(bytes, 2, 1, musicEntry(1));
        openEditor(bytes);
        click(kPreviousButton);
        selectKind(TimingKind::Peripheral);
        typeInto(kHourEdit, "21");
        const QStringList shownBefore{indicator(), hourBefore, textOf(kMinuteEdit)};
        QSignalSpy changes(editor_.get(), &TimingEditor::scheduleChanged);
        click(button.toLatin1());
        const QByteArray after = readAll(path_);
        const QStringList shownAfter{indicator(), textOf(kHourEdit), textOf(kMinuteEdit)};
        const auto shown = [this] {
            return QStringList{indicator(), textOf(kHourEdit), textOf(kMinuteEdit)};
        };
        QVERIFY(after != bytes);

        typeInto(kMinuteEdit, "7");
        QTest::keyClick(find(kMinuteEdit), Qt::Key_Z, Qt::ControlModifier);  // the field's own typing
        QCOMPARE(readAll(path_), after);
        QCOMPARE(textOf(kMinuteEdit), shownAfter[2]);
        QTest::keyClick(find(kMinuteEdit), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(readAll(path_), bytes);
        QCOMPARE(shown(), shownBefore);
        QCOMPARE(find<QComboBox>(kTypeList)->currentText(), QString("外设设定"));
        QVERIFY(find(kEndHourEdit)->isVisible());

        QTest::keyClick(find(kTrack1Edit), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(readAll(path_), after);
        QCOMPARE(shown(), shownAfter);
        click(kFirstButton);
        QTest::keyClick(editor_.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(readAll(path_), bytes);
        QTest::keyClick(editor_.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(readAll(path_), after);
        QCOMPARE(changes.size(), 5);

        // A write that fails is reported with its reason; the file and the history stay.
        files_.writeFault = reasonOf(EIO);
        QTest::keyClick(editor_.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(readAll(path_), after);
        QCOMPARE(dialogs_.messages.last().text, path_ + " 定时文件无法写入,操作没有完成!");
        QCOMPARE(dialogs_.messages.last().informative, reasonOf(EIO));
        files_ = FailingFiles();
        QTest::keyClick(editor_.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(readAll(path_), bytes);
    }

    void clearAllEmptiesEveryProgramAfterAsking()
    {
        QByteArray bytes = emptyFile(0);
        for (int program = 0; program < 4; ++program)
            putEntry(bytes, program, 1, musicEntry(1));
        openEditor(bytes);
        click(kProgram3Radio);
        dialogs_.answer = false;
        click(kClearAllButton);
        QCOMPARE(dialogs_.questions.size(), 1);
        QCOMPARE(readAll(path_), bytes);

        dialogs_.answer = true;
        withFileSizeLimit(4096,
                          [this] { click(kClearAllButton); });  // the empty file is made whole or not at all
        QCOMPARE(readAll(path_), bytes);
        QCOMPARE(messageTexts(), QStringList(path_ + " 定时文件无法写入,操作没有完成!"));
        QCOMPARE(dialogs_.messages[0].informative, reasonOf(EFBIG));
        typeInto(kHourEdit, "9");  // not taken: clearing keeps the field values
        click(kClearAllButton);
        QCOMPARE(readAll(path_).mid(100), emptyFile(2).mid(100));
        QCOMPARE(indicator(), QString(" 00 / 00"));
        QCOMPARE(textOf(kHourEdit), QString("7"));
    }

    // The indicator numbers the shown timing as the check list does, while ShownNo stays its
    // position; it is readable but takes no typing. A deletion shows the previous timing, or the
    // next one when none is before.
    void navigationAndDeletionStepOverGaps()
    {
        QByteArray bytes = timingsFile(0, 6);
        putEntry(bytes, 0, 1, deletedEntry());
        putEntry(bytes, 0, 4, deletedEntry());
        writeDataFile(drive_.path(), bytes);  // valid: 2, 3, 5, 6, numbered 1..4 as the check list does
        startEditor();
        QCOMPARE(indicator(), QString(" 04 / 04"));
        click(kOpenCloseButton);
        QVERIFY(find(kIndicator)->isEnabled());
        typeInto(kIndicator, "12");
        QCOMPARE(indicator(), QString(" 04 / 04 "));
        const struct {
            const char* button;
            const char* shown;
            int position;
        } steps[] = {
            {kFirstButton, " 01 / 04", 2},  {kPreviousButton, " 01 / 04", 2}, {kNextButton, " 02 / 04", 3},
            {kNextButton, " 03 / 04", 5},   {kPreviousButton, " 02 / 04", 3}, {kLastButton, " 04 / 04 ", 6},
            {kNextButton, " 04 / 04", 6},   {kDeleteButton, " 03 / 03 ", 5},  {kFirstButton, " 01 / 03", 2},
            {kNextButton, " 02 / 03", 3},   {kDeleteButton, " 01 / 02 ", 2},  {kDeleteButton, " 01 / 01 ", 5},
            {kDeleteButton, " 00 / 00 ", 0}};
        for (const auto& step : steps) {
            click(step.button);
            QCOMPARE(indicator(), QString(step.shown));
            QCOMPARE(state().ShownNo, step.position);
            QCOMPARE(textOf(kMinuteEdit), QString::number(step.position));
        }
        QCOMPARE(readAll(path_), timingsFile(0, 6, [](int) { return deletedEntry(); }));
    }

    // A failing device is reported by every command and never taken for a file without timings:
    // nothing is written, nothing is listed, and the counts stay.
    void failingDeviceWritesNothing()
    {
        openEditor(timingsFile(0, 3));
        click(kPreviousButton);
        files_.readFault = reasonOf(EIO);
        for (const char* id : {kAddButton, kModifyButton, kDeleteButton, kFirstButton, kLastButton,
                               kPreviousButton, kNextButton, kCheckListButton, kProgram2Radio}) {
            dialogs_.messages.clear();
            click(id);
            QCOMPARE(messageTexts(), QStringList(path_ + " 定时文件无法读取,操作没有完成!"));
        }
        files_.readFault.clear();
        QVERIFY(dialogs_.checkLists.isEmpty());
        click(kProgram1Radio);
        QCOMPARE(indicator(), QString(" 03 / 03 "));

        dialogs_.messages.clear();
        files_.writeFault = reasonOf(ENOSPC);
        click(kAddButton);
        click(kOpenCloseButton);  // 关闭文件 cannot save either, and says so as a warning
        files_.writeFault.clear();
        QCOMPARE(messageTexts(),
                 QStringList({path_ + " 定时文件无法写入,操作没有完成!",
                              path_ + " 定时文件保存失败(" + reasonOf(ENOSPC) + ")!"}));
        QCOMPARE(dialogs_.messages[1].icon, Dialogs::Icon::Warning);
        QCOMPARE(indicator(), QString(" 03 / 03 "));
        QCOMPARE(readAll(path_), timingsFile(0, 3));
    }

    // Only the fields the shown kind displays are taken and checked.
    void hiddenFieldsNeverBlock()
    {
        QByteArray bytes = emptyFile(0);
        putEntry(bytes, 0, 1, timingEntry(1, 7, 1, kPeripheralTrack, 2, 3, 30, 20, 0x3E, 0x05));
        putEntry(bytes, 0, 2, musicEntry(2));
        openEditor(bytes);
        click(kFirstButton);
        click(kNextButton);  // the music timing, with end hour 30 in its hidden field
        QCOMPARE(textOf(kEndHourEdit), QString("30"));
        click(kModifyButton);
        click(kAddButton);
        QVERIFY(dialogs_.messages.isEmpty());
        QCOMPARE(bytesOf(storedAt(0, 2)), bytesOf(musicEntry(2)));
        TimingEntry added = musicEntry(3);
        added.Minute = 2;
        added.MainTrack = 2;
        QCOMPARE(bytesOf(storedAt(0, 3)), bytesOf(added));

        typeInto(kTrack2Edit, "x");  // then hidden by the radio kind: its last taken value is stored
        selectKind(TimingKind::Radio);
        typeInto(kEndHourEdit, "8");
        click(kModifyButton);
        QVERIFY(dialogs_.messages.isEmpty());
        QCOMPARE(storedAt(0, 3).SecondTrack, 2);
        QCOMPARE(storedAt(0, 3).RangeFromOrEndHour, 8);
        click(kDefaultButton);
        QCOMPARE(editor_->result(), int(QDialog::Accepted));
    }

    // The window menu (right click, Alt+Space) and F1 open About. Enter presses the focused button;
    // on 确定, or in a field, it takes the fields and ends, as 确定 does, or stays on a bad field.
    // Escape ends without taking them. The program index is written only by 关闭文件.
    void keyboardAndWindowMenu()
    {
        openEditor(emptyFile(0));
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), editor_->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(editor_.get(), &event);
        auto* menu = editor_->findChild<QMenu*>();
        QVERIFY(menu && menu->isVisible());
        const QList<QAction*> actions = menu->actions();
        QCOMPARE(actions.size(), 1);
        QCOMPARE(actions[0]->text(), QString("关于 Quennet(&A)..."));
        actions[0]->trigger();
        QCOMPARE(dialogs_.abouts, 1);
        menu->hide();

        editor_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor_.get()));
        QTest::keyClick(editor_.get(), Qt::Key_Space, Qt::AltModifier);
        QVERIFY(menu->isVisible());
        menu->hide();
        QTest::keyClick(find(kHourEdit), Qt::Key_F1);
        QTest::keyClick(find(kFridayBox), Qt::Key_F1);
        QCOMPARE(dialogs_.abouts, 3);

        pressEnter(kAddButton);
        QTest::keyClick(find(kAddButton), Qt::Key_Enter);
        QVERIFY(editor_->isVisible());
        QCOMPARE(storedAt(0, 2).EntryNo, 2);
        pressEnter(kOpenCloseButton);
        verifyOpen(false);
        const QByteArray closed = readAll(path_);
        click(kProgram2Radio);
        typeInto(kMinuteEdit, "61");
        pressEnter(kDefaultButton);
        QVERIFY(editor_->isVisible());
        QCOMPARE(dialogs_.messages.last().text, QString("“请填入一个在0和59之间的整数。”"));
        typeInto(kMinuteEdit, "59");
        QTest::keyClick(find(kMinuteEdit), Qt::Key_Return);
        QCOMPARE(editor_->result(), int(QDialog::Accepted));
        QCOMPARE(readAll(path_), closed);

        startEditor();
        typeInto(kMinuteEdit, "x");
        QTest::keyClick(editor_.get(), Qt::Key_Escape);
        QCOMPARE(editor_->result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(TimingEditorTest)
#include "timing_editor_test.moc"
