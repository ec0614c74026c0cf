// Undo and redo through the windows: every kind of step gives back the very bytes of the file, the
// keys in a field, and the overview's bulk tools driven through their buttons and dialogs.

#include "MainWindowFixture.h"

#include "TForm2.h"

#include <QCheckBox>
#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <functional>

using namespace tavisto;

namespace {

// A school's file: program 1 rings at 08:00 (slot 1) and 08:45 (slot 3) on workdays in zones 1-2,
// with a peripheral span in program 2 and a random timing.
QByteArray schoolFile()
{
    QByteArray bytes = freshFile();
    bytes.replace(2048, 8, QByteArray("\x01\x08\x00\x05\x00\x00\x1F\x03", 8));
    bytes.replace(2048 + 2 * 8, 8, QByteArray("\x03\x08\x45\x06\x00\x00\x1F\x03", 8));
    bytes.replace(12288, 8, QByteArray("\x01\x07\x00\x07\x30\x00\x1F\x3F", 8));
    bytes.replace(18432, 10, QByteArray("\x01\x12\x00\x13\x00\x01\x60\x01\x01\x14", 10));
    return bytes;
}

struct School : OpenedFileFixture {
    School() : OpenedFileFixture(schoolFile()) { }
    QByteArray saved()
    {
        click(kSaveFileButton);
        return fileBytes(path);
    }
    // The keys pressed in the overview while it is open, else in the main window.
    void key(QKeyCombination keys)
    {
        QWidget* target = overview() ? static_cast<QWidget*>(overview()) : &window;
        QApplication::setActiveWindow(target);
        QTest::keyClick(target->focusWidget() ? target->focusWidget() : target, keys.key(),
                        keys.keyboardModifiers());
    }
    QWidget* inOverview(const char* name) { return overview()->findChild<QWidget*>(QLatin1String(name)); }
    QTableWidget* grid() { return overview()->findChild<QTableWidget*>(kOverviewGrid); }
    QString cell(int row, int column) { return grid()->item(row, column)->text(); }
    void clickRow(int row, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, modifiers,
                          grid()->visualItemRect(grid()->item(row, 1)).center());
    }
    // Opens a bulk tool's dialog with its button and returns it.
    QDialog* openDialog(const char* button, const char* dialog)
    {
        QTest::mouseClick(inOverview(button), Qt::LeftButton);
        auto* shown = overview()->findChild<QDialog*>(QLatin1String(dialog));
        if (!shown || !shown->isVisible())
            qFatal("no dialog %s", dialog);
        return shown;
    }
};

const QKeyCombination kUndo(Qt::CTRL | Qt::Key_Z);
const QKeyCombination kRedo(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
const QKeyCombination kRedoToo(Qt::CTRL | Qt::Key_Y);

using Step = std::function<void(School&)>;

}  // namespace

class HistoryWindowTest : public QObject {
    Q_OBJECT
private slots:
    void everyStepUndoesToTheFileItWas_data()
    {
        QTest::addColumn<Step>("step");
        QTest::newRow("an edit, stored by the save") << Step([](School& f) { f.type(kStartHourEdit, "09"); });
        QTest::newRow("清除本条") << Step([](School& f) { f.click(kClearTimingButton); });
        QTest::newRow("清除定时 of the overview") << Step([](School& f) {
            f.click(kOverviewButton);
            f.clickRow(2);
            QTest::mouseClick(f.inOverview(kOverviewClearButton), Qt::LeftButton);
            QTest::mouseClick(f.inOverview(kOverviewBackButton), Qt::LeftButton);
        });
        QTest::newRow("开始复制") << Step([](School& f) {
            f.get<QComboBox>(kCopyToList)->setCurrentIndex(1);
            f.click(kCopyButton);
        });
        QTest::newRow("清除程序") << Step([](School& f) { f.click(kClearProgramButton); });
        QTest::newRow("运行设定") << Step([](School& f) {
            auto* list = f.get<QComboBox>(kRunProgramList);
            list->setFocus();
            QTest::keyClick(list, Qt::Key_End);
        });
        QTest::newRow("随机定时 关闭") << Step([](School& f) {
            f.click(kRandomProgramButton);
            f.click(kPeripheralOrOffButton);
        });
    }
    void everyStepUndoesToTheFileItWas()
    {
        QFETCH(Step, step);
        School f;
        const QByteArray opened = fileBytes(f.path);
        step(f);
        QCOMPARE(f.state().Document.Modified, 1);
        const QByteArray done = f.saved();
        QVERIFY(done != opened);

        f.key(kUndo);
        QCOMPARE(f.state().Document.Modified, 1);  // the file now holds the step
        QCOMPARE(f.saved(), opened);
        f.key(kRedo);
        QCOMPARE(f.saved(), done);
        f.key(kUndo);
        f.key(kRedoToo);
        QCOMPARE(f.state().Document.Modified, 0);  // back to the image last saved
        QCOMPARE(f.saved(), done);
    }

    // Ctrl+Z first takes back what was typed into the field; then it stores the edit area and
    // undoes that, showing the timing as it was; Ctrl+Y does it again.
    void ctrlZInAField()
    {
        School f;
        f.type(kStartHourEdit, "09");
        f.typeAndStay(kStartMinuteEdit, "30");
        f.key(kUndo);
        QCOMPARE(f.text(kStartMinuteEdit), QStringLiteral("00"));
        QCOMPARE(f.text(kStartHourEdit), QStringLiteral("09"));
        f.key(kUndo);
        QCOMPARE(f.text(kStartHourEdit), QStringLiteral("08"));
        QCOMPARE(f.programSlot(1, TimingType::Music, 1)[1], 0x08);
        QCOMPARE(f.state().Document.Modified, 0);
        f.key(kRedoToo);
        QCOMPARE(f.text(kStartHourEdit), QStringLiteral("09"));
        QCOMPARE(f.programSlot(1, TimingType::Music, 1)[1], 0x09);
        // Browsing to an empty slot and back only stamps it: nothing to undo but the edit.
        f.click(kPreviousButton);
        f.jumpTo(2);
        f.jumpTo(1);
        f.key(kUndo);
        QCOMPARE(f.text(kStartHourEdit), QStringLiteral("08"));
        f.key(kUndo);
        QCOMPARE(f.text(kStartHourEdit), QStringLiteral("08"));
    }

    // The overview: a series from a model, a shift of a selection, undo and redo, through the
    // buttons and dialogs; the list, the selection, the edit area and the buttons follow each step.
    void overviewSeriesShiftUndoRedo()
    {
        School f;
        f.click(kOverviewButton);
        auto* undo = qobject_cast<QPushButton*>(f.inOverview(kUndoButton));
        auto* redo = qobject_cast<QPushButton*>(f.inOverview(kRedoButton));
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());

        f.clickRow(0);
        QDialog* series = f.openDialog(kSeriesButton, kSeriesDialog);
        auto* times = series->findChild<QPlainTextEdit*>(kSeriesTimes);
        QTest::keyClicks(times, "9:40, 10:35");
        QTest::keyClick(times, Qt::Key_Return);
        QTest::keyClicks(times, "13:00-14:00/50");
        QTest::mouseClick(series->findChild<QWidget*>(kSeriesOk), Qt::LeftButton);
        QVERIFY(!series->isVisible());
        QCOMPARE(undo->toolTip(), QStringLiteral("撤销：批量添加 4 条定时"));
        const QStringList listed{f.cell(0, 2), f.cell(1, 2), f.cell(2, 2),
                                 f.cell(3, 2), f.cell(4, 2), f.cell(5, 2)};
        QCOMPARE(listed, (QStringList{"08:00", "09:40", "08:45", "10:35", "13:00", "13:50"}));
        QCOMPARE(f.cell(1, 1), QStringLiteral("指定曲目 05 - 00 - 00"));
        QCOMPARE(f.grid()->selectionModel()->selectedRows().size(), 1);  // still the model

        f.clickRow(4);
        f.clickRow(5, Qt::ControlModifier);
        QDialog* shift = f.openDialog(kShiftButton, kShiftDialog);
        QTest::keyClicks(shift->findChild<QLineEdit*>(kShiftMinutes), "-5");
        QTest::mouseClick(shift->findChild<QWidget*>(kShiftOk), Qt::LeftButton);
        QCOMPARE(f.cell(4, 2), QStringLiteral("12:55"));
        QCOMPARE(f.cell(5, 2), QStringLiteral("13:45"));
        QCOMPARE(undo->toolTip(), QStringLiteral("撤销：平移 2 条定时"));
        QCOMPARE(f.overview()->selectedRows(), (QList<int>{4, 5}));

        // Too far: refused as a whole, naming the timing.
        shift = f.openDialog(kShiftButton, kShiftDialog);
        auto* minutes = shift->findChild<QLineEdit*>(kShiftMinutes);
        minutes->selectAll();
        QTest::keyClicks(minutes, "+640");
        QTest::mouseClick(shift->findChild<QWidget*>(kShiftOk), Qt::LeftButton);
        QCOMPARE(f.dialogs.messages.last().text, QStringLiteral("平移后开始时间将超出 00:00–23:59"));
        QCOMPARE(f.dialogs.messages.last().details, QStringLiteral("06  13:45  指定曲目 05 - 00 - 00"));
        QCOMPARE(f.cell(5, 2), QStringLiteral("13:45"));

        QTest::mouseClick(undo, Qt::LeftButton);
        QCOMPARE(f.cell(4, 2), QStringLiteral("13:00"));
        QCOMPARE(redo->toolTip(), QStringLiteral("重做：平移 2 条定时"));
        QCOMPARE(undo->toolTip(), QStringLiteral("撤销：批量添加 4 条定时"));
        QTest::mouseClick(undo, Qt::LeftButton);
        QCOMPARE(f.cell(1, 2), QStringLiteral("00:00"));
        QVERIFY(!undo->isEnabled());
        QCOMPARE(f.state().Document.Modified, 0);
        QCOMPARE(f.overview()->selectedRows(), QList<int>{0});

        f.key(kRedoToo);
        QTest::mouseClick(redo, Qt::LeftButton);
        QVERIFY(!redo->isEnabled());
        QCOMPARE(f.cell(5, 2), QStringLiteral("13:45"));
        QCOMPARE(f.overview()->selectedRows(), (QList<int>{4, 5}));
        QTest::mouseClick(f.inOverview(kOverviewBackButton), Qt::LeftButton);
        QCOMPARE(f.panel(1), QStringLiteral("正在编辑：程序（1）  <音乐定时>  定时序号：01"));
        const QByteArray bytes = f.saved();
        QCOMPARE(bytes.mid(2048 + 5 * 8, 8), QByteArray("\x06\x13\x45\x05\x00\x00\x1F\x03", 8));
    }

    // 复制到… and 星期与分区 preset from the selection and act on it.
    void copyAndDaysZones()
    {
        School f;
        f.click(kOverviewButton);
        f.clickRow(0);
        f.clickRow(2, Qt::ShiftModifier);
        QDialog* copy = f.openDialog(kCopyToButton, kCopyDialog);
        QVERIFY(copy->findChild<QCheckBox*>(kCopyDays[4])->isChecked());
        QTest::mouseClick(copy->findChild<QCheckBox*>(kCopyDays[0]), Qt::LeftButton);
        for (int day = 1; day < 6; ++day)
            copy->findChild<QCheckBox*>(kCopyDays[day])->setChecked(day == 5);
        QTest::mouseClick(copy->findChild<QWidget*>(kCopyOk), Qt::LeftButton);
        QCOMPARE(f.cell(1, 3), QStringLiteral(" - - - - -6- "));
        QCOMPARE(f.cell(3, 3), QStringLiteral(" - - - - -6- "));
        QCOMPARE(f.cell(3, 2), QStringLiteral("08:45"));

        f.clickRow(1);
        f.clickRow(2, Qt::ControlModifier);
        QDialog* daysZones = f.openDialog(kDaysZonesButton, kDaysZonesDialog);
        QCOMPARE(daysZones->findChild<QCheckBox*>(kDaysZonesDays[0])->checkState(), Qt::PartiallyChecked);
        QCOMPARE(daysZones->findChild<QCheckBox*>(kDaysZonesZones[0])->checkState(), Qt::Checked);
        QTest::mouseClick(daysZones->findChild<QCheckBox*>(kDaysZonesZones[5]), Qt::LeftButton);
        QTest::mouseClick(daysZones->findChild<QWidget*>(kDaysZonesOk), Qt::LeftButton);
        QCOMPARE(f.cell(1, 4), QStringLiteral("1-2- - - -6- "));
        QCOMPARE(f.cell(2, 4), QStringLiteral("1-2- - - -6- "));
        QCOMPARE(f.cell(0, 4), QStringLiteral("1-2- - - - - "));
    }
};

QTEST_MAIN(HistoryWindowTest)
#include "history_window_test.moc"
