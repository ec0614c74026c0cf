// The editor driven through its real widgets, with the data file checked byte by byte.
#include "ControlNames.h"
#include "DataFile.h"
#include "DataFileLayout.h"
#include "FileFixtures.h"
#include "LockedFile.h"
#include "ScriptedDialogs.h"
#include "TimingEditor.h"
#include "UpDown.h"

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
#include <cstring>
#include <sys/stat.h>

using namespace quennet;
using namespace quennet::testing;

class TimingEditorTest : public QObject {
    Q_OBJECT

    QTemporaryDir drive_;
    QString path_;
    std::unique_ptr<DataFile> file_;
    ScriptedDialogs dialogs_;
    std::unique_ptr<TimingEditor> editor_;

    void writeFile(const QByteArray& bytes)
    {
        QDir().mkpath(drive_.path() + "/dsdata");
        writeAll(path_, bytes);
    }
    void startEditor()
    {
        editor_ = std::make_unique<TimingEditor>(*file_, dialogs_);
        editor_->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor_.get()));
    }
    // Starts the editor on the given file and presses 打开文件.
    void openEditor(const QByteArray& bytes)
    {
        writeFile(bytes);
        startEditor();
        click(kOpenCloseButton);
        dialogs_.messages.clear();
    }
    template<class T = QWidget>
    T* find(const char* id) const
    {
        T* widget = editor_->findChild<T*>(QString::fromLatin1(id));
        if (!widget)
            qFatal("no control %s", id);
        return widget;
    }
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
    static QByteArray timingsFile(int program, int count)
    {
        QByteArray bytes = emptyFile(program);
        for (int n = 1; n <= count; ++n)
            putEntry(bytes, program, n, musicEntry(n));
        return bytes;
    }
    static TimingEntry radioEntry(int position)
    {
        TimingEntry entry = musicEntry(position);
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
        startEditor();
        QCOMPARE(editor_->windowTitle(), QString("dedododi--zivoveD1.0"));
        QCOMPARE(indicator(), QString(" 00 / 00"));
        QCOMPARE(textOf(kTrack1Edit), QString("1"));
        for (const char* id : kFileButtons)
            QVERIFY2(!find(id)->isEnabled(), id);
        QVERIFY(!find(kEndHourEdit)->isVisible() && find(kTrack2Edit)->isVisible());
        click(kProgram3Radio);
        click(kOpenCloseButton);
        QCOMPARE(dialogs_.messages.size(), 1);
        QCOMPARE(dialogs_.messages[0].text, path_ + " 定时文件创建成功,可以开始输入定时!");
        QCOMPARE(readAll(path_).size(), 16896);
        QCOMPARE(indicator(), QString(" 00 / 00 "));
        QCOMPARE(textOf(kTrack1Edit), QString("0"));
        QCOMPARE(find<QPushButton>(kOpenCloseButton)->text(), QString("关闭文件"));
        for (const char* id : kFileButtons)
            QVERIFY2(find(id)->isEnabled(), id);

        click(kProgram2Radio);
        click(kOpenCloseButton);
        QCOMPARE(dialogs_.messages.last().text, QString("  保存成功! "));
        QCOMPARE(dialogs_.messages.last().icon, Dialogs::Icon::None);
        QCOMPARE(readAll(path_)[101], char(1));
        QVERIFY(!find(kNextButton)->isEnabled());
    }

    // The whole stored timing is shown, its kind and end time included.
    void openShowsLastTimingOfStoredProgram()
    {
        QByteArray bytes = timingsFile(2, 2);
        putEntry(bytes, 2, 3, radioEntry(3));
        openEditor(bytes);
        QVERIFY(find<QRadioButton>(kProgram3Radio)->isChecked());
        QCOMPARE(indicator(), QString(" 03 / 03 "));
        QCOMPARE(editor_->state().TimingKind, TimingKind::Radio);
        QCOMPARE(textOf(kTrack1Edit), QString("12"));
        QCOMPARE(textOf(kEndHourEdit), QString("8"));
        QCOMPARE(textOf(kEndMinuteEdit), QString("45"));
        QVERIFY(find(kEndHourEdit)->isVisible() && !find(kTrack2Edit)->isVisible());

        click(kModifyButton);  // storing it unchanged writes back the same bytes
        QCOMPARE(readAll(path_), bytes);
    }

    void takingStopsAtTheFirstFailingField()
    {
        openEditor(emptyFile(0));
        const QByteArray before = readAll(path_);

        typeInto(kHourEdit, "24");
        click(kAddButton);
        QCOMPARE(dialogs_.messages.size(), 1);
        QCOMPARE(dialogs_.messages[0].text, QString("“请填入一个在0和23之间的整数。”"));
        QCOMPARE(dialogs_.messages[0].icon, Dialogs::Icon::Warning);
        QVERIFY(find(kHourEdit)->hasFocus());
        QCOMPARE(find<QLineEdit>(kHourEdit)->selectedText(), QString("24"));
        QCOMPARE(readAll(path_), before);
        QCOMPARE(indicator(), QString(" 00 / 00 "));

        typeInto(kHourEdit, " +5 ");
        typeInto(kMinuteEdit, "3x");
        typeInto(kTrack1Edit, "42");
        click(kModifyButton);
        QCOMPARE(dialogs_.messages.last().text, QString("请键入一个整数。"));
        QCOMPARE(dialogs_.messages.last().icon, Dialogs::Icon::None);
        QVERIFY(find(kMinuteEdit)->hasFocus());
        QCOMPARE(readAll(path_), before);
        click(kSundayBox);  // showing the fields reveals what was taken
        QCOMPARE(textOf(kHourEdit), QString("5"));
        QCOMPARE(textOf(kMinuteEdit), QString("0"));
        QCOMPARE(textOf(kTrack1Edit), QString("0"));

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
        typeInto(kEndMinuteEdit, "0");
        typeInto(kEndHourEdit, "25");
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
        typeInto(kHourEdit, "7");
        typeInto(kMinuteEdit, "30");
        typeInto(kTrack1Edit, "1");
        typeInto(kTrack2Edit, "2");
        typeInto(kTrack3Edit, "3");
        typeInto(kRandomFromEdit, "10");
        typeInto(kRandomToEdit, "20");
        click(kAddButton);
        QCOMPARE(indicator(), QString(" 02 / 02"));
        QCOMPARE(bytesOf(storedAt(0, 2)).toHex(' '),
                 QByteArray("02 07 1e 33 0c 01 00 02 3d 00 0a 14 03 00 00 00"));

        selectKind(TimingKind::Radio);
        typeInto(kTrack1Edit, "120");
        typeInto(kEndHourEdit, "8");
        typeInto(kEndMinuteEdit, "15");
        click(kAddButton);
        QCOMPARE(bytesOf(storedAt(0, 3)).toHex(' '),
                 QByteArray("03 07 1e 33 0c 63 00 02 3d 01 08 0f 03 00 00 00"));

        selectKind(TimingKind::Peripheral);
        QVERIFY(!find(kTrack1Edit)->isVisible() && !find(kTrackLabel)->isVisible());
        click(kAddButton);
        QCOMPARE(bytesOf(storedAt(0, 4)).toHex(' '),
                 QByteArray("04 07 1e 33 0c e5 00 02 3d 00 08 0f 03 00 00 00"));

        selectKind(TimingKind::Music);
        QCOMPARE(find<QLabel>(kTrackLabel)->text(), QString("曲    目"));
        QVERIFY(find(kTrack2Edit)->isVisible() && !find(kEndHourEdit)->isVisible());
    }

    // A typed text that names no entry leaves the controls alone and stores a music timing.
    void typedKindSelectingNoEntry()
    {
        openEditor(emptyFile(0));
        typeInto(kRandomFromEdit, "4");
        click(kModifyButton);
        selectKind(TimingKind::Peripheral);
        typeInto(kEndHourEdit, "9");
        QLineEdit* typeEdit = find<QComboBox>(kTypeList)->lineEdit();
        typeEdit->selectAll();
        QTest::keyClicks(typeEdit, "abc");
        QCOMPARE(editor_->state().TimingKind, TimingKind::Unlisted);
        QVERIFY(find(kEndHourEdit)->isVisible());
        click(kAddButton);
        const TimingEntry stored = storedAt(0, 1);
        QCOMPARE(stored.RadioFlag, 0);
        QCOMPARE(stored.MainTrack, 0);
        QCOMPARE(stored.RangeFromOrEndHour, 4);

        typeEdit->selectAll();
        QInputMethodEvent typed;  // Chinese text arrives through the input method
        typed.setCommitString(QString("收音定时"));
        QApplication::sendEvent(typeEdit, &typed);
        QCOMPARE(editor_->state().TimingKind, TimingKind::Radio);
    }

    void spinsWrapAroundIndependently()
    {
        startEditor();
        clickSpin(kHourSpin, kSpinDown);
        QCOMPARE(textOf(kHourEdit), QString("23"));
        QCOMPARE(find<UpDown>(kHourSpin)->position(), 23);
        clickSpin(kHourSpin, kSpinUp);
        QCOMPARE(textOf(kHourEdit), QString("0"));
        QCOMPARE(find<UpDown>(kHourSpin)->position(), 0);
        clickSpin(kHourSpin, kSpinUp);
        QCOMPARE(textOf(kHourEdit), QString("1"));

        typeInto(kMinuteEdit, "7");  // not taken: the spin goes on from its own position
        clickSpin(kMinuteSpin, kSpinUp);
        QCOMPARE(textOf(kMinuteEdit), QString("1"));
    }

    void addWithNinetyNineTimingsReplacesTheLast()
    {
        openEditor(timingsFile(0, 99));
        QCOMPARE(indicator(), QString(" 99 / 99 "));
        typeInto(kHourEdit, "21");
        click(kAddButton);
        QCOMPARE(indicator(), QString(" 99 / 99"));
        QCOMPARE(storedAt(0, 99).Hour, 21);
        QCOMPARE(storedAt(0, 99).EntryNo, 99);
        QCOMPARE(storedAt(0, 98).Hour, 7);
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
        typeInto(kHourEdit, "9");  // not taken: clearing keeps the field values
        click(kClearAllButton);
        const QByteArray cleared = readAll(path_);
        QCOMPARE(cleared.size(), 16896);
        QCOMPARE(cleared.mid(100, 2), QByteArray("\x5A\x02", 2));
        QCOMPARE(cleared.mid(512), QByteArray(16384, '\0'));
        QCOMPARE(indicator(), QString(" 00 / 00"));
        QCOMPARE(textOf(kHourEdit), QString("7"));
    }

    // The indicator numbers the shown timing as the check list does, while ShownNo stays its
    // position; it is readable but takes no typing.
    void navigationStepsOverGaps()
    {
        QByteArray bytes = timingsFile(0, 6);
        putEntry(bytes, 0, 1, deletedEntry());
        putEntry(bytes, 0, 4, deletedEntry());
        writeFile(bytes);  // valid: 2, 3, 5, 6, numbered 1..4 as the check list does
        startEditor();
        QCOMPARE(indicator(), QString(" 04 / 04"));
        click(kOpenCloseButton);
        QCOMPARE(indicator(), QString(" 04 / 04 "));
        auto* indicatorEdit = find<QLineEdit>(kIndicator);  // readable, but not for typing
        QVERIFY(indicatorEdit->isEnabled() && indicatorEdit->isReadOnly());
        indicatorEdit->setFocus();
        QTest::keyClicks(indicatorEdit, "12");
        QCOMPARE(indicator(), QString(" 04 / 04 "));
        click(kFirstButton);
        QCOMPARE(indicator(), QString(" 01 / 04"));
        QCOMPARE(textOf(kMinuteEdit), QString("2"));
        click(kPreviousButton);
        QCOMPARE(indicator(), QString(" 01 / 04"));
        click(kNextButton);
        click(kNextButton);
        QCOMPARE(indicator(), QString(" 03 / 04"));
        QCOMPARE(textOf(kMinuteEdit), QString("5"));
        click(kPreviousButton);
        QCOMPARE(indicator(), QString(" 02 / 04"));
        QCOMPARE(editor_->state().ShownNo, 3);
        click(kLastButton);
        QCOMPARE(indicator(), QString(" 04 / 04 "));
        QCOMPARE(editor_->state().ShownNo, 6);
        click(kNextButton);
        QCOMPARE(indicator(), QString(" 04 / 04"));

        click(kFirstButton);
        typeInto(kHourEdit, "13");
        click(kAddButton);  // after the highest, not over timing 3
        QCOMPARE(indicator(), QString(" 05 / 05"));
        QCOMPARE(storedAt(0, 7).Hour, 13);
        QCOMPARE(bytesOf(storedAt(0, 3)), bytesOf(musicEntry(3)));
    }

    void addWithLastPositionTakenFillsFirstGap()
    {
        QByteArray bytes = timingsFile(1, 99);
        putEntry(bytes, 1, 40, deletedEntry());
        putEntry(bytes, 1, 41, deletedEntry());
        openEditor(bytes);
        click(kFirstButton);
        typeInto(kHourEdit, "22");
        click(kAddButton);
        QCOMPARE(indicator(), QString(" 40 / 98"));
        QCOMPARE(storedAt(1, 40).Hour, 22);
        QCOMPARE(storedAt(1, 40).EntryNo, 40);
        QCOMPARE(bytesOf(storedAt(1, 1)), bytesOf(musicEntry(1)));
    }

    void deletionShowsNeighbour()
    {
        openEditor(timingsFile(0, 4));
        click(kDeleteButton);
        QCOMPARE(indicator(), QString(" 03 / 03 "));
        QCOMPARE(textOf(kMinuteEdit), QString("3"));
        QCOMPARE(storedAt(0, 4).EntryNo, kDeletedEntryNo);

        click(kFirstButton);
        click(kNextButton);  // timing 2, between 1 and 3
        click(kDeleteButton);
        QCOMPARE(indicator(), QString(" 01 / 02 "));
        click(kDeleteButton);
        QCOMPARE(indicator(), QString(" 01 / 01 "));
        QCOMPARE(textOf(kMinuteEdit), QString("3"));
        click(kDeleteButton);
        QCOMPARE(indicator(), QString(" 00 / 00 "));
        QCOMPARE(textOf(kTrack1Edit), QString("0"));
    }

    void failedWriteIsReportedAndCountsStay()
    {
        openEditor(timingsFile(0, 3));
        LockedFile::failWrites(ENOSPC);
        click(kAddButton);
        click(kOpenCloseButton);  // 关闭文件 cannot save either, and says so as a warning
        LockedFile::failWrites(0);
        QCOMPARE(dialogs_.messages.size(), 2);
        QCOMPARE(dialogs_.messages[0].text, path_ + " 定时文件无法写入,操作没有完成!");
        QCOMPARE(indicator(), QString(" 03 / 03 "));
        QVERIFY(dialogs_.messages[1].text.endsWith("定时文件保存失败("
                                                   + QString::fromLocal8Bit(std::strerror(ENOSPC)) + ")!"));
        QCOMPARE(dialogs_.messages[1].icon, Dialogs::Icon::Warning);
        QCOMPARE(readAll(path_), timingsFile(0, 3));
    }

    // A file another copy of the program holds reads as none at start and is refused at 打开文件:
    // nothing changes and the file stays closed until the other lets it go.
    void openRefusedKeepsTheFileClosed()
    {
        writeFile(timingsFile(0, 5));
        {
            HeldElsewhere other(path_);
            QVERIFY(other.holds());
            startEditor();
            QCOMPARE(indicator(), QString(" 00 / 00"));
            click(kProgram3Radio);  // no message while the file is closed
            click(kOpenCloseButton);
        }
        QCOMPARE(dialogs_.messages.size(), 1);
        QCOMPARE(dialogs_.messages[0].text,
                 path_ + " 定时文件无法打开(另一个程序正在使用这个文件),文件没有任何改动!");
        QCOMPARE(dialogs_.messages[0].icon, Dialogs::Icon::Warning);
        QCOMPARE(find<QPushButton>(kOpenCloseButton)->text(), QString("打开文件"));
        for (const char* id : kFileButtons)
            QVERIFY2(!find(id)->isEnabled(), id);
        QCOMPARE(readAll(path_), timingsFile(0, 5));
        QVERIFY(!QFile::exists(path_ + ".bak"));
        click(kOpenCloseButton);
        QCOMPARE(indicator(), QString(" 05 / 05 "));
    }

    // A file that cannot be read is never taken for one without timings.
    void failedReadWritesNothing()
    {
        openEditor(timingsFile(0, 3));
        click(kPreviousButton);
        LockedFile::failReads(EIO);
        for (const char* id : {kAddButton, kModifyButton, kDeleteButton, kFirstButton, kLastButton,
                               kPreviousButton, kNextButton, kCheckListButton, kProgram2Radio}) {
            dialogs_.messages.clear();
            click(id);
            QCOMPARE(dialogs_.messages.size(), 1);
            QCOMPARE(dialogs_.messages[0].text, path_ + " 定时文件无法读取,操作没有完成!");
        }
        LockedFile::failReads(0);
        QVERIFY(dialogs_.checkLists.isEmpty());  // not an empty list
        QCOMPARE(readAll(path_), timingsFile(0, 3));
        click(kProgram1Radio);
        QCOMPARE(indicator(), QString(" 03 / 03 "));
    }

    // Only the fields the shown kind displays are taken and checked.
    void hiddenFieldsNeverBlock()
    {
        QByteArray bytes = emptyFile(0);
        TimingEntry peripheral = musicEntry(1);
        peripheral.MainTrack = kPeripheralTrack;
        peripheral.RangeFromOrEndHour = 30;
        putEntry(bytes, 0, 1, peripheral);
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

    void programSwitchShowsLastTimingOfThatProgram()
    {
        QByteArray bytes = timingsFile(0, 2);
        for (int n = 1; n <= 4; ++n) {
            TimingEntry entry = musicEntry(n);
            entry.Minute = std::uint8_t(n + 10);
            putEntry(bytes, 3, n, entry);
        }
        openEditor(bytes);
        click(kProgram4Radio);
        QCOMPARE(editor_->state().ProgramIndex, 3);
        QCOMPARE(indicator(), QString(" 04 / 04 "));
        QCOMPARE(textOf(kMinuteEdit), QString("14"));
        click(kCheckListButton);
        QCOMPARE(dialogs_.checkLists, QList<int>({3}));
    }

    // The window menu (right click, Alt+Space) and F1 open About. Enter presses the focused button;
    // in a field, or on 确定, it takes the fields and ends.
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

        find(kAddButton)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(find(kAddButton), Qt::Key_Return);
        QTest::keyClick(find(kAddButton), Qt::Key_Enter);
        QVERIFY(editor_->isVisible());
        QCOMPARE(indicator(), QString(" 02 / 02"));
        QCOMPARE(storedAt(0, 2).EntryNo, 2);
        find(kOpenCloseButton)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(find(kOpenCloseButton), Qt::Key_Return);
        QCOMPARE(find<QPushButton>(kOpenCloseButton)->text(), QString("打开文件"));
        find(kMinuteEdit)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(find(kMinuteEdit), Qt::Key_Return);
        QCOMPARE(editor_->result(), int(QDialog::Accepted));
    }

    void okClosesOnlyWithValidFields()
    {
        writeFile(emptyFile(0));
        startEditor();
        click(kProgram2Radio);
        typeInto(kMinuteEdit, "61");
        click(kDefaultButton);
        QVERIFY(editor_->isVisible() && dialogs_.messages.size() == 1);
        typeInto(kMinuteEdit, "59");
        QTest::keyClick(find(kMinuteEdit), Qt::Key_Return);  // the default button
        QCOMPARE(editor_->result(), int(QDialog::Accepted));

        startEditor();
        typeInto(kMinuteEdit, "x");
        QTest::keyClick(editor_.get(), Qt::Key_Escape);
        QCOMPARE(editor_->result(), int(QDialog::Rejected));
        QCOMPARE(readAll(path_), emptyFile(0));  // the program index is written only by 关闭文件
    }
};

QTEST_MAIN(TimingEditorTest)
#include "timing_editor_test.moc"
