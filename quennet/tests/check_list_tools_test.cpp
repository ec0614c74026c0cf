// The check list's tools driven through the real widgets, beside the editor they were opened from,
// with the data file checked byte by byte.
#include "CheckListFixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

using namespace quennet;
using namespace quennet::testing;

class CheckListToolsTest : public QObject, CheckListFixture {
    Q_OBJECT

    QTreeWidget* rows() const { return find<QTreeWidget>(kTimingList); }
    void clickRow(int row, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(rows()->viewport(), Qt::LeftButton, modifiers,
                          rows()->visualItemRect(rows()->topLevelItem(row)).center());
    }
    QStringList times() const
    {
        QStringList cells;
        for (int row = 0; row < rows()->topLevelItemCount(); ++row)
            cells << rows()->topLevelItem(row)->text(1);
        return cells;
    }
    QList<int> selectedRows() const
    {
        QList<int> selected;
        for (QTreeWidgetItem* item : rows()->selectedItems())
            selected << rows()->indexOfTopLevelItem(item);
        std::sort(selected.begin(), selected.end());
        return selected;
    }
    // Opens a tool's window, fills in its one field and presses its OK.
    void useTool(const char* button, const char* field, const QString& text, const char* ok)
    {
        click(button);
        QWidget* input = find(field);
        if (auto* lines = qobject_cast<QPlainTextEdit*>(input))
            lines->setPlainText(text);
        else
            QTest::keyClicks(input, text);
        click(ok);
    }

private slots:
    void init()
    {
        QByteArray bytes = emptyFile(0);
        putEntry(bytes, 0, 1, timingEntry(1, 8, 0, 1, 2, 3, 0, 0, 0x3E, 0x05));
        putEntry(bytes, 0, 2, timingEntry(2, 7, 55, kPeripheralTrack, 0, 0, 8, 5, 0x3E, 0x0F));
        QVERIFY(openCheckList(bytes));
    }

    // A series from the model, then a shift of every row: each is one step, written at once and
    // shown at once in the list and in the editor. 撤销 and 重做 walk back and forth through the
    // same bytes, the selection with them, and say which step they take. A refusal changes nothing.
    void seriesShiftUndoRedo()
    {
        const QByteArray original = readAll(path_);
        QSignalSpy changes(editor_.get(), &TimingEditor::scheduleChanged);
        QVERIFY(!find(kUndoButton)->isEnabled() && !find(kSeriesButton)->isEnabled());

        clickRow(0);  // 08:00, at position 1 above 07:55
        useTool(kSeriesButton, kSeriesTimes, "08:45, 09:30\n10:15", kSeriesOk);
        QCOMPARE(times(), QStringList({"08:00", "07:55-08:05", "08:45", "09:30", "10:15"}));
        QTRY_VERIFY(!editor_->findChild<QWidget*>(kSeriesDialog));
        const QByteArray series = readAll(path_);
        QCOMPARE(entryAt(series, 0, 4).Hour, 9);
        QCOMPARE(bytesOf(entryAt(series, 0, 4)).mid(3), bytesOf(entryAt(original, 0, 1)).mid(3));
        QCOMPARE(find<QLineEdit>(kIndicator)->text(), QString(" 02 / 05"));
        QCOMPARE(find(kUndoButton)->toolTip(), QString("撤销：批量添加 3 条定时"));
        QCOMPARE(selectedRows(), QList<int>({0}));

        clickRow(0);
        clickRow(4, Qt::ShiftModifier);
        useTool(kShiftButton, kShiftMinutes, "-480", kShiftOk);  // 07:55 would start the day before
        QCOMPARE(dialogs_.messages.last().text,
                 QString("平移后下列定时的开始时间将不在 00:00–23:59 之内，没有平移："));
        QCOMPARE(dialogs_.messages.last().informative, QString("2  07:55-08:05  外设"));
        QCOMPARE(readAll(path_), series);
        find<QLineEdit>(kShiftMinutes)->clear();
        QTest::keyClicks(find(kShiftMinutes), "+10");
        click(kShiftOk);
        QCOMPARE(times(), QStringList({"08:10", "08:05-08:15", "08:55", "09:40", "10:25"}));
        const QByteArray shifted = readAll(path_);
        QCOMPARE(find(kUndoButton)->toolTip(), QString("撤销：平移 5 条定时"));

        click(kUndoButton);
        QCOMPARE(readAll(path_), series);
        QCOMPARE(selectedRows(), QList<int>({0, 1, 2, 3, 4}));
        QCOMPARE(find(kRedoButton)->toolTip(), QString("重做：平移 5 条定时"));
        list_->activateWindow();  // as the desktop does when a tool's window closes
        QVERIFY(QTest::qWaitForWindowActive(list_));
        QTest::keyClick(list_, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(readAll(path_), original);
        QCOMPARE(times(), QStringList({"08:00", "07:55-08:05"}));
        QCOMPARE(find<QLineEdit>(kIndicator)->text(), QString(" 02 / 02"));
        QVERIFY(!find(kUndoButton)->isEnabled());
        click(kRedoButton);
        QTest::keyClick(list_, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(readAll(path_), shifted);
        QVERIFY(!find(kRedoButton)->isEnabled());
        QCOMPARE(changes.size(), 6);

        // No room for the copies: nothing is added and the window stays for another try.
        clickRow(0);
        useTool(kSeriesButton, kSeriesTimes, "12:00-13:37/1", kSeriesOk);
        QCOMPARE(dialogs_.messages.last().text, QString("只有 94 个空位，需要 98 个"));
        QVERIFY(editor_->findChild<QWidget*>(kSeriesDialog)->isVisible());
        QCOMPARE(readAll(path_), shifted);
    }

    // Copies on Saturday, the days and zones of a selection, and a deletion without a question.
    void copyDaysZonesAndDelete()
    {
        clickRow(0);
        clickRow(1, Qt::ControlModifier);
        click(kCopyButton);
        for (const char* day :
             {kCopyDays[0], kCopyDays[1], kCopyDays[2], kCopyDays[3], kCopyDays[4], kCopyDays[5]})
            find<QCheckBox>(day)->setChecked(day == kCopyDays[5]);
        click(kCopyOk);
        QByteArray bytes = readAll(path_);
        QCOMPARE(entryAt(bytes, 0, 3).DayBits, std::uint8_t(0x40));
        QCOMPARE(entryAt(bytes, 0, 4).Hour, 7);
        QCOMPARE(rows()->topLevelItem(2)->text(4), QString("6"));

        click(kDaysZonesButton);
        QCOMPARE(find<QCheckBox>(kDZZones[3])->checkState(), Qt::PartiallyChecked);
        find<QCheckBox>(kDZDays[6])->setCheckState(Qt::Checked);  // Sunday on for both
        click(kDaysZonesOk);
        bytes = readAll(path_);
        QCOMPARE(entryAt(bytes, 0, 1).DayBits, std::uint8_t(0x3F));
        QCOMPARE(entryAt(bytes, 0, 1).ZoneBits, std::uint8_t(0x05));
        QCOMPARE(entryAt(bytes, 0, 2).ZoneBits, std::uint8_t(0x0F));

        click(kDeleteSelectionButton);
        QVERIFY(dialogs_.questions.isEmpty());
        QCOMPARE(times(), QStringList({"08:00", "07:55-08:05"}));
        QVERIFY(selectedRows().isEmpty() && !find(kDeleteSelectionButton)->isEnabled());
        click(kUndoButton);
        QCOMPARE(readAll(path_), bytes);
        QCOMPARE(selectedRows(), QList<int>({0, 1}));
    }
};

QTEST_MAIN(CheckListToolsTest)
#include "check_list_tools_test.moc"
