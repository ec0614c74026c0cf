// The editor driven through its real widgets, with the data file checked byte by byte.
#include "DataFile.h"
#include "DataFileLayout.h"
#include "LockedFile.h"
#include "TimingEditor.h"
#include "UpDown.h"
#include "dialogs_support.h"
#include "file_support.h"

#include <QComboBox>
#include <QDir>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <cerrno>
#include <sys/stat.h>

using namespace quennet;
using namespace testing;

namespace {
const char* const FileButtons[] = {"1027", "1060", "1041", "1042", "1043", "1044", "1045", "1040", "1046"};
}

class TimingEditorTest : public QObject {
    Q_OBJECT

    QTemporaryDir drive_;
    QString path_;
    std::unique_ptr<DataFile> file_;
    ScriptedDialogs dialogs_;
    std::unique_ptr<TimingEditor> editor_;

    void WriteFile(const QByteArray& bytes)
    {
        QDir().mkpath(drive_.path() + "/dsdata");
        WriteAll(path_, bytes);
    }
    void StartEditor()
    {
        editor_ = std::make_unique<TimingEditor>(*file_, dialogs_);
        editor_->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor_.get()));
    }
    // Starts the editor on the given file and presses 打开文件.
    void OpenEditor(const QByteArray& bytes)
    {
        WriteFile(bytes);
        StartEditor();
        Click("1028");
        dialogs_.messages.clear();
    }
    template <class T = QWidget>
    T* Find(const char* id) const
    {
        T* widget = editor_->findChild<T*>(QString::fromLatin1(id));
        if (!widget)
            qFatal("no control %s", id);
        return widget;
    }
    QString Text(const char* id) const { return Find<QLineEdit>(id)->text(); }
    QString Indicator() const { return Text("1035"); }
    void Click(const char* id) { QTest::mouseClick(Find(id), Qt::LeftButton); }
    void ClickSpin(const char* id, const char* arrow)
    {
        QTest::mouseClick(Find<UpDown>(id)->findChild<QToolButton*>(QString::fromLatin1(arrow)), Qt::LeftButton);
    }
    void Type(const char* id, const QString& text)
    {
        QLineEdit* edit = Find<QLineEdit>(id);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    void SelectKind(int kind)
    {
        auto* list = Find<QComboBox>("1000");
        list->setCurrentIndex(kind);
        emit list->activated(kind);
    }
    TimingEntry Stored(int program, int position) const { return EntryAt(ReadAll(path_), program, position); }
    static QByteArray Timings(int program, int count)
    {
        QByteArray bytes = EmptyFile(program);
        for (int n = 1; n <= count; ++n)
            PutEntry(bytes, program, n, MusicEntry(n));
        return bytes;
    }
    static TimingEntry Radio(int position)
    {
        TimingEntry entry = MusicEntry(position);
        entry.RadioFlag = 1;
        entry.MainTrack = 12;
        entry.RangeFromOrEndHour = 8;
        entry.RangeToOrEndMinute = 45;
        return entry;
    }

private slots:
    void init()
    {
        LockedFile::failReads(0);
        LockedFile::failWrites(0);
        editor_.reset();
        dialogs_ = ScriptedDialogs();
        QVERIFY(QDir(drive_.path()).removeRecursively() && QDir().mkpath(drive_.path()));
        file_ = std::make_unique<DataFile>(drive_.path().toStdString());
        path_ = QString::fromStdString(file_->filePath());
    }

    void openCreatesMissingFileAndCloseSavesProgram()
    {
        StartEditor();
        QCOMPARE(editor_->windowTitle(), QString("dedododi--zivoveD1.0"));
        QCOMPARE(Indicator(), QString(" 00 / 00"));
        QCOMPARE(Text("1010"), QString("1"));
        for (const char* id : FileButtons)
            QVERIFY2(!Find(id)->isEnabled(), id);
        QVERIFY(!Find("1029")->isVisible() && Find("1012")->isVisible());
        Click("1003");
        Click("1028");
        QCOMPARE(dialogs_.messages.size(), 1);
        QCOMPARE(dialogs_.messages[0].text, path_ + " 定时文件创建成功,可以开始输入定时!");
        QCOMPARE(ReadAll(path_).size(), 16896);
        QCOMPARE(Indicator(), QString(" 00 / 00 "));
        QCOMPARE(Text("1010"), QString("0"));
        QCOMPARE(Find<QPushButton>("1028")->text(), QString("关闭文件"));
        for (const char* id : FileButtons)
            QVERIFY2(Find(id)->isEnabled(), id);

        Click("1002");
        Click("1028");
        QCOMPARE(dialogs_.messages.last().text, QString("  保存成功! "));
        QCOMPARE(ReadAll(path_)[101], char(1));
        QVERIFY(!Find("1040")->isEnabled());
    }

    // The whole stored timing is shown, its kind and end time included.
    void openShowsLastTimingOfStoredProgram()
    {
        QByteArray bytes = Timings(2, 2);
        PutEntry(bytes, 2, 3, Radio(3));
        OpenEditor(bytes);
        QVERIFY(Find<QRadioButton>("1003")->isChecked());
        QCOMPARE(Indicator(), QString(" 03 / 03 "));
        QCOMPARE(editor_->TimingKind(), int(RadioKind));
        QCOMPARE(Text("1010"), QString("12"));
        QCOMPARE(Text("1029"), QString("8"));
        QCOMPARE(Text("1030"), QString("45"));
        QVERIFY(Find("1029")->isVisible() && !Find("1012")->isVisible());

        Click("1060"); // storing it unchanged writes back the same bytes
        QCOMPARE(ReadAll(path_), bytes);
    }

    void takingStopsAtTheFirstFailingField()
    {
        OpenEditor(EmptyFile(0));
        const QByteArray before = ReadAll(path_);

        Type("1006", "24");
        Click("1027");
        QCOMPARE(dialogs_.messages.size(), 1);
        QCOMPARE(dialogs_.messages[0].text, QString("“请填入一个在0和23之间的整数。”"));
        QCOMPARE(dialogs_.messages[0].icon, Dialogs::Icon::Warning);
        QVERIFY(Find("1006")->hasFocus());
        QCOMPARE(Find<QLineEdit>("1006")->selectedText(), QString("24"));
        QCOMPARE(ReadAll(path_), before);
        QCOMPARE(Indicator(), QString(" 00 / 00 "));

        Type("1006", " +5 ");
        Type("1007", "3x");
        Type("1010", "42");
        Click("1060");
        QCOMPARE(dialogs_.messages.last().text, QString("请键入一个整数。"));
        QCOMPARE(dialogs_.messages.last().icon, Dialogs::Icon::None);
        QVERIFY(Find("1007")->hasFocus());
        QCOMPARE(ReadAll(path_), before);
        Click("1024"); // showing the fields reveals what was taken
        QCOMPARE(Text("1006"), QString("5"));
        QCOMPARE(Text("1007"), QString("0"));
        QCOMPARE(Text("1010"), QString("0"));

        for (const QString& bad : {QString(), QString("99999999999"), QString("1 2"), QString("0x10")}) {
            Type("1014", bad);
            Click("1027");
            QCOMPARE(dialogs_.messages.last().text, QString("请键入一个整数。"));
        }
        Type("1014", "0");

        SelectKind(RadioKind);
        Type("1030", "60");
        Click("1027");
        QCOMPARE(dialogs_.messages.last().text, QString("“请填入一个在0和59之间的整数。”"));
        Type("1030", "0");
        Type("1029", "25");
        Click("1027");
        QCOMPARE(dialogs_.messages.last().text, QString("“请填入一个在0和23之间的整数。”"));
        QCOMPARE(ReadAll(path_), before);
    }

    void storedLayoutOfEachKind()
    {
        QByteArray bytes = EmptyFile(0);
        PutEntry(bytes, 0, 1, MusicEntry(1)); // byte 3 is 0x33
        OpenEditor(bytes);

        Type("1007", "30");
        Click("1025"); // Monday off; a click shows the fields, so the typed minute goes
        QCOMPARE(Text("1007"), QString("1"));
        Click("1024"); // Sunday on
        Click("1036"); // zone 1 off
        Click("1039"); // zone 4 on
        Type("1006", "7"); Type("1007", "30");
        Type("1010", "1"); Type("1012", "2"); Type("1014", "3");
        Type("1016", "10"); Type("1018", "20");
        Click("1027");
        QCOMPARE(Indicator(), QString(" 02 / 02"));
        QCOMPARE(Bytes(Stored(0, 2)).toHex(' '), QByteArray("02 07 1e 33 0c 01 00 02 3d 00 0a 14 03 00 00 00"));

        SelectKind(RadioKind);
        Type("1010", "120");
        Type("1029", "8"); Type("1030", "15");
        Click("1027");
        QCOMPARE(Bytes(Stored(0, 3)).toHex(' '), QByteArray("03 07 1e 33 0c 63 00 02 3d 01 08 0f 03 00 00 00"));

        SelectKind(PeripheralKind);
        QVERIFY(!Find("1010")->isVisible() && !Find("1048")->isVisible());
        Click("1027");
        QCOMPARE(Bytes(Stored(0, 4)).toHex(' '), QByteArray("04 07 1e 33 0c e5 00 02 3d 00 08 0f 03 00 00 00"));

        SelectKind(MusicKind);
        QCOMPARE(Find<QLabel>("1048")->text(), QString("曲    目"));
        QVERIFY(Find("1012")->isVisible() && !Find("1029")->isVisible());
    }

    // A typed text that names no entry leaves the controls alone and stores a music timing.
    void typedKindSelectingNoEntry()
    {
        OpenEditor(EmptyFile(0));
        Type("1016", "4");
        Click("1060");
        SelectKind(PeripheralKind);
        Type("1029", "9");
        QLineEdit* typeEdit = Find<QComboBox>("1000")->lineEdit();
        typeEdit->selectAll();
        QTest::keyClicks(typeEdit, "abc");
        QCOMPARE(editor_->TimingKind(), -1);
        QVERIFY(Find("1029")->isVisible());
        Click("1027");
        const TimingEntry stored = Stored(0, 1);
        QCOMPARE(stored.RadioFlag, 0);
        QCOMPARE(stored.MainTrack, 0);
        QCOMPARE(stored.RangeFromOrEndHour, 4);

        typeEdit->selectAll();
        QInputMethodEvent typed; // Chinese text arrives through the input method
        typed.setCommitString(QString("收音定时"));
        QApplication::sendEvent(typeEdit, &typed);
        QCOMPARE(editor_->TimingKind(), int(RadioKind));
    }

    void spinsWrapAroundIndependently()
    {
        StartEditor();
        ClickSpin("1008", "down");
        QCOMPARE(Text("1006"), QString("23"));
        QCOMPARE(Find<UpDown>("1008")->Position(), 23);
        ClickSpin("1008", "up");
        QCOMPARE(Text("1006"), QString("0"));
        QCOMPARE(Find<UpDown>("1008")->Position(), 0);
        ClickSpin("1008", "up");
        QCOMPARE(Text("1006"), QString("1"));

        Type("1007", "7"); // not taken: the spin goes on from its own position
        ClickSpin("1009", "up");
        QCOMPARE(Text("1007"), QString("1"));
    }

    void addWithNinetyNineTimingsReplacesTheLast()
    {
        OpenEditor(Timings(0, 99));
        QCOMPARE(Indicator(), QString(" 99 / 99 "));
        Type("1006", "21");
        Click("1027");
        QCOMPARE(Indicator(), QString(" 99 / 99"));
        QCOMPARE(Stored(0, 99).Hour, 21);
        QCOMPARE(Stored(0, 99).EntryNo, 99);
        QCOMPARE(Stored(0, 98).Hour, 7);
    }

    void clearAllEmptiesEveryProgramAfterAsking()
    {
        QByteArray bytes = EmptyFile(0);
        for (int program = 0; program < 4; ++program)
            PutEntry(bytes, program, 1, MusicEntry(1));
        OpenEditor(bytes);
        Click("1003");
        dialogs_.answer = false;
        Click("1042");
        QCOMPARE(dialogs_.questions.size(), 1);
        QCOMPARE(ReadAll(path_), bytes);

        dialogs_.answer = true;
        Type("1006", "9"); // not taken: clearing keeps the field values
        Click("1042");
        const QByteArray cleared = ReadAll(path_);
        QCOMPARE(cleared.size(), 16896);
        QCOMPARE(cleared.mid(100, 2), QByteArray("\x5A\x02", 2));
        QCOMPARE(cleared.mid(512), QByteArray(16384, '\0'));
        QCOMPARE(Indicator(), QString(" 00 / 00"));
        QCOMPARE(Text("1006"), QString("7"));
    }

    void navigationStepsOverGaps()
    {
        QByteArray bytes = Timings(0, 6);
        PutEntry(bytes, 0, 1, DeletedEntry());
        PutEntry(bytes, 0, 4, DeletedEntry());
        OpenEditor(bytes); // valid: 2, 3, 5, 6
        QCOMPARE(Indicator(), QString(" 06 / 04 "));
        Click("1043");
        QCOMPARE(Indicator(), QString(" 02 / 04"));
        QCOMPARE(Text("1007"), QString("2"));
        Click("1045");
        QCOMPARE(Indicator(), QString(" 02 / 04"));
        Click("1040");
        Click("1040");
        QCOMPARE(Indicator(), QString(" 05 / 04"));
        QCOMPARE(Text("1007"), QString("5"));
        Click("1045");
        QCOMPARE(Indicator(), QString(" 03 / 04"));
        Click("1044");
        QCOMPARE(Indicator(), QString(" 06 / 04 "));
        Click("1040");
        QCOMPARE(Indicator(), QString(" 06 / 04"));

        Click("1043");
        Type("1006", "13");
        Click("1027"); // after the highest, not over timing 3
        QCOMPARE(Indicator(), QString(" 07 / 05"));
        QCOMPARE(Stored(0, 7).Hour, 13);
        QCOMPARE(Bytes(Stored(0, 3)), Bytes(MusicEntry(3)));
    }

    void addWithLastPositionTakenFillsFirstGap()
    {
        QByteArray bytes = Timings(1, 99);
        PutEntry(bytes, 1, 40, DeletedEntry());
        PutEntry(bytes, 1, 41, DeletedEntry());
        OpenEditor(bytes);
        Click("1043");
        Type("1006", "22");
        Click("1027");
        QCOMPARE(Indicator(), QString(" 40 / 98"));
        QCOMPARE(Stored(1, 40).Hour, 22);
        QCOMPARE(Stored(1, 40).EntryNo, 40);
        QCOMPARE(Bytes(Stored(1, 1)), Bytes(MusicEntry(1)));
    }

    void deletionShowsNeighbour()
    {
        OpenEditor(Timings(0, 4));
        Click("1041");
        QCOMPARE(Indicator(), QString(" 03 / 03 "));
        QCOMPARE(Text("1007"), QString("3"));
        QCOMPARE(Stored(0, 4).EntryNo, kDeletedEntryNo);

        Click("1043");
        Click("1040"); // timing 2, between 1 and 3
        Click("1041");
        QCOMPARE(Indicator(), QString(" 01 / 02 "));
        Click("1041");
        QCOMPARE(Indicator(), QString(" 03 / 01 "));
        QCOMPARE(Text("1007"), QString("3"));
        Click("1041");
        QCOMPARE(Indicator(), QString(" 00 / 00 "));
        QCOMPARE(Text("1010"), QString("0"));
    }

    void failedWriteIsReportedAndCountsStay()
    {
        OpenEditor(Timings(0, 3));
        LockedFile::failWrites(ENOSPC);
        Click("1027");
        LockedFile::failWrites(0);
        QCOMPARE(dialogs_.messages.size(), 1);
        QCOMPARE(dialogs_.messages[0].text, path_ + " 定时文件无法写入,操作没有完成!");
        QCOMPARE(Indicator(), QString(" 03 / 03 "));
        QCOMPARE(ReadAll(path_), Timings(0, 3));
    }

    // A file another copy of the program holds is refused: nothing changes, the file stays closed.
    void openRefusedKeepsTheFileClosed()
    {
        WriteFile(Timings(0, 5));
        {
            HeldElsewhere other(path_);
            QVERIFY(other.holds());
            StartEditor();
            QCOMPARE(Indicator(), QString(" 00 / 00"));
            Click("1028");
        }
        QCOMPARE(dialogs_.messages.size(), 1);
        QCOMPARE(dialogs_.messages[0].text, path_ + " 定时文件无法打开(另一个程序正在使用这个文件),文件没有任何改动!");
        QCOMPARE(dialogs_.messages[0].icon, Dialogs::Icon::Warning);
        QCOMPARE(Find<QPushButton>("1028")->text(), QString("打开文件"));
        for (const char* id : FileButtons)
            QVERIFY2(!Find(id)->isEnabled(), id);
        QCOMPARE(ReadAll(path_), Timings(0, 5));
        QVERIFY(!QFile::exists(path_ + ".bak"));

        // Once open, the file is this editor's until 关闭文件: a second editor is refused.
        Click("1028");
        QCOMPARE(Indicator(), QString(" 05 / 05 "));
        DataFile secondFile(drive_.path().toStdString());
        ScriptedDialogs secondDialogs;
        TimingEditor second(secondFile, secondDialogs);
        QTest::mouseClick(second.findChild<QPushButton*>("1028"), Qt::LeftButton);
        QVERIFY(secondDialogs.messages[0].text.contains("另一个程序正在使用这个文件"));
        QCOMPARE(second.FileClosed(), true);
        Click("1028");
        QTest::mouseClick(second.findChild<QPushButton*>("1028"), Qt::LeftButton);
        QCOMPARE(second.FileClosed(), false);
    }

    // A file that cannot be read is never taken for one without timings.
    void failedReadWritesNothing()
    {
        OpenEditor(Timings(0, 3));
        Click("1045");
        LockedFile::failReads(EIO);
        for (const char* id : {"1027", "1060", "1041", "1043", "1044", "1045", "1040", "1002"}) {
            dialogs_.messages.clear();
            Click(id);
            QCOMPARE(dialogs_.messages.size(), 1);
            QCOMPARE(dialogs_.messages[0].text, path_ + " 定时文件无法读取,操作没有完成!");
        }
        LockedFile::failReads(0);
        QCOMPARE(ReadAll(path_), Timings(0, 3));
        Click("1001");
        QCOMPARE(Indicator(), QString(" 03 / 03 "));
    }

    // Neither a pipe nor a file held elsewhere keeps the window from coming up.
    void startWithUnreadableFile()
    {
        QVERIFY(QDir().mkpath(drive_.path() + "/dsdata"));
        QVERIFY(mkfifo(path_.toLocal8Bit().constData(), 0644) == 0);
        StartEditor();
        QCOMPARE(Indicator(), QString(" 00 / 00"));
        Click("1003");
        QVERIFY(dialogs_.messages.isEmpty());
        QVERIFY(QFile::remove(path_));
        QVERIFY(QDir(drive_.path() + "/dsdata").entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
    }

    // Only the fields the shown kind displays are taken and checked.
    void hiddenFieldsNeverBlock()
    {
        QByteArray bytes = EmptyFile(0);
        TimingEntry peripheral = MusicEntry(1);
        peripheral.MainTrack = kPeripheralTrack;
        peripheral.RangeFromOrEndHour = 30;
        PutEntry(bytes, 0, 1, peripheral);
        PutEntry(bytes, 0, 2, MusicEntry(2));
        OpenEditor(bytes);
        Click("1043");
        Click("1040"); // the music timing, with end hour 30 in its hidden field
        QCOMPARE(Text("1029"), QString("30"));
        Click("1060");
        Click("1027");
        QVERIFY(dialogs_.messages.isEmpty());
        QCOMPARE(Bytes(Stored(0, 2)), Bytes(MusicEntry(2)));
        TimingEntry added = MusicEntry(3);
        added.Minute = 2;
        added.MainTrack = 2;
        QCOMPARE(Bytes(Stored(0, 3)), Bytes(added));

        Type("1012", "x"); // then hidden by the radio kind: its last taken value is stored
        SelectKind(RadioKind);
        Type("1029", "8");
        Click("1060");
        QVERIFY(dialogs_.messages.isEmpty());
        QCOMPARE(Stored(0, 3).SecondTrack, 2);
        QCOMPARE(Stored(0, 3).RangeFromOrEndHour, 8);
        Click("1");
        QCOMPARE(editor_->result(), int(QDialog::Accepted));
    }

    void programSwitchShowsLastTimingOfThatProgram()
    {
        QByteArray bytes = Timings(0, 2);
        for (int n = 1; n <= 4; ++n)
        {
            TimingEntry entry = MusicEntry(n);
            entry.Minute = std::uint8_t(n + 10);
            PutEntry(bytes, 3, n, entry);
        }
        OpenEditor(bytes);
        Click("1004");
        QCOMPARE(editor_->State().ProgramIndex, 3);
        QCOMPARE(Indicator(), QString(" 04 / 04 "));
        QCOMPARE(Text("1007"), QString("14"));
        Click("1046");
        QCOMPARE(dialogs_.checkLists, QList<int>({3}));
    }

    void windowMenuOpensAbout()
    {
        StartEditor();
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), editor_->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(editor_.get(), &event);
        auto* menu = editor_->findChild<QMenu*>();
        QVERIFY(menu && menu->isVisible());
        const QList<QAction*> actions = menu->actions();
        QVERIFY(actions.size() == 2 && actions[0]->isSeparator());
        QCOMPARE(actions[1]->text(), QString("关于 Quennet(&A)..."));
        actions[1]->trigger();
        QCOMPARE(dialogs_.abouts, 1);
        menu->hide();

        editor_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(editor_.get()));
        QTest::keyClick(editor_.get(), Qt::Key_Space, Qt::AltModifier);
        QVERIFY(menu->isVisible());
        menu->hide();
    }

    void okClosesOnlyWithValidFields()
    {
        WriteFile(EmptyFile(0));
        StartEditor();
        Click("1002");
        Type("1007", "61");
        Click("1");
        QVERIFY(editor_->isVisible() && dialogs_.messages.size() == 1);
        Type("1007", "59");
        QTest::keyClick(Find("1007"), Qt::Key_Return); // the default button
        QCOMPARE(editor_->result(), int(QDialog::Accepted));

        StartEditor();
        Type("1007", "x");
        QTest::keyClick(editor_.get(), Qt::Key_Escape);
        QCOMPARE(editor_->result(), int(QDialog::Rejected));
        QCOMPARE(ReadAll(path_), EmptyFile(0)); // the program index is written only by 关闭文件
    }
};

QTEST_MAIN(TimingEditorTest)
#include "timing_editor_test.moc"
