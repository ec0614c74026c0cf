// The overview's 导出…, 导入… and 比较…, driven through their buttons and dialogs.
#include "MainWindowFixture.h"

#include "CompareWindow.h"
#include "ImportWindow.h"
#include "ScheduleTable.h"
#include "TForm2.h"

#include <QDir>
#include <QListWidget>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace tavisto;

namespace {

// Program 1 rings at 08:00 on Mondays in zones 1-2; program 2 has a peripheral span.
QByteArray schoolFile()
{
    QByteArray bytes = freshFile();
    bytes.replace(2048, 8, QByteArray("\x01\x08\x00\x05\x00\x00\x01\x03", 8));
    bytes.replace(12288, 8, QByteArray("\x01\x07\x00\x07\x30\x00\x1F\x3F", 8));
    return bytes;
}

struct School : OpenedFileFixture {
    School() : OpenedFileFixture(schoolFile()) { click(kOverviewButton); }
    QString csv(const char* name, const QByteArray& text)
    {
        writeFileBytes(dir.filePath(name), text);
        return dir.filePath(name);
    }
    void press(const char* button)
    {
        QTest::mouseClick(overview()->findChild<QWidget*>(button), Qt::LeftButton);
    }
    // The window of that kind the overview shows; one closed may wait to be deleted.
    template<typename Window>
    Window* shown()
    {
        for (Window* window : overview()->findChildren<Window*>())
            if (window->isVisible())
                return window;
        return nullptr;
    }
    static QStringList lines(QWidget* window, const char* list)
    {
        QStringList texts;
        auto* shownList = window->findChild<QListWidget*>(list);
        for (int i = 0; i < shownList->count(); ++i)
            texts << shownList->item(i)->text();
        return texts;
    }
    QByteArray timings()
    {
        return QByteArray(reinterpret_cast<const char*>(state().Timings.Buffer.bytes().data()), 6500);
    }
};

const QByteArray kHeader = "程序,类型,序号,开始,曲目1,星期,分区\n";

}  // namespace

class TableWindowsTest : public QObject {
    Q_OBJECT

private slots:
    // The table of the overview's program goes to the file chosen, proposed in the documents folder,
    // never beside the schedule (which may be on the player's card).
    void exportsTheProgramTable()
    {
        School f;
        const QString target = f.dir.filePath("out.csv");
        f.dialogs.fileAnswers.enqueue(target);
        f.press(kExportButton);
        QCOMPARE(f.dialogs.files.last().title, QStringLiteral("导出定时表格"));
        QCOMPARE(f.dialogs.files.last().initialPath,
                 QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                     .filePath("SCHOOL-程序1.csv"));
        QVERIFY(f.dialogs.files.last().save);
        QCOMPARE(fileBytes(target), QByteArray::fromStdString(exportTable(f.state().Timings, 1)));
        QVERIFY(fileBytes(target).contains("1,音乐,1,08:00,,5,0,0,,,,一,12\r\n"));
        QVERIFY(!fileBytes(target).contains("外设"));
    }

    // The changes are shown first; 取消 leaves the schedule, 导入 makes the import one step that
    // undo takes back to the very bytes.
    void importsAfterShowingTheChanges()
    {
        School f;
        const QByteArray before = f.timings();
        const QString table = f.csv("change.csv", kHeader + "1,音乐,1,8:05,5,一,12\n");
        for (const char* button : {kImportCancelButton, kImportConfirmButton}) {
            f.dialogs.fileAnswers.enqueue(table);
            f.press(kImportButton);
            ImportWindow* window = f.shown<ImportWindow>();
            QVERIFY(window);
            QCOMPARE(window->objectName(), QLatin1String(kImportWindow));
            QCOMPARE(School::lines(window, kImportDiffList),
                     (QStringList{"- 程序1  星期一  08:00    1,2  音乐 05-00-00",
                                  "+ 程序1  星期一  08:05    1,2  音乐 05-00-00"}));
            QTest::mouseClick(window->findChild<QWidget*>(button), Qt::LeftButton);
            QTRY_VERIFY(!f.shown<ImportWindow>());
        }
        QCOMPARE(f.programSlot(1, TimingType::Music, 1)[2], 0x05);
        QCOMPARE(f.state().Document.Modified, 1);
        auto* undo = f.overview()->findChild<QWidget*>(kUndoButton);
        QCOMPARE(undo->toolTip(), QStringLiteral("撤销：导入 change.csv"));
        QTest::mouseClick(undo, Qt::LeftButton);
        QCOMPARE(f.timings(), before);
        QCOMPARE(f.state().Document.Modified, 0);
    }

    // A refused import changes nothing and tells every fault: the first ten in the box, all of them
    // in its details. A table that cannot be read is told.
    void refusedImportTellsEveryFault()
    {
        School f;
        const QByteArray before = f.timings();
        QByteArray text = kHeader;
        for (int i = 0; i < 12; ++i)
            text += "1,音乐,," + QByteArray::number(30 + i) + ":00,5,一,12\n";
        f.dialogs.fileAnswers.enqueue(f.csv("bad.csv", text));
        f.press(kImportButton);
        QVERIFY(!f.shown<ImportWindow>());
        QCOMPARE(f.timings(), before);
        const ScriptedDialogs::Message& box = f.dialogs.messages.last();
        QCOMPARE(box.kind, Dialogs::Kind::Warning);
        QCOMPARE(box.text, QStringLiteral("表格中有 12 处错误，没有导入任何定时。"));
        QCOMPARE(box.details.split('\n').size(), 11);
        QCOMPARE(box.details.split('\n').first(),
                 QStringLiteral("第 2 行，“开始”列，“30:00”：不是 0:00 到 23:59 之间的时间"));
        QCOMPARE(box.details.split('\n').last(), QStringLiteral("……"));
        QCOMPARE(box.more.split('\n').size(), 12);
        QVERIFY(
            box.more.endsWith(QStringLiteral("第 13 行，“开始”列，“41:00”：不是 0:00 到 23:59 之间的时间")));

        f.dialogs.fileAnswers.enqueue(f.dir.path());  // a folder, not a table
        f.press(kImportButton);
        QCOMPARE(f.dialogs.messages.last().text, QStringLiteral("打开文件失败！"));
        QCOMPARE(f.timings(), before);
    }

    // The open schedule against the copy on a card: what only the card has, what only the schedule
    // has, printable; a file that cannot be read is told.
    void comparesWithAFile()
    {
        School f;
        QByteArray card = schoolFile();
        card[2048 + 6] = 0x03;  // Mondays and Tuesdays on the card
        writeFileBytes(f.dir.filePath("card.mtf"), card);
        f.dialogs.fileAnswers.enqueue(f.dir.filePath("card.mtf"));
        f.press(kCompareButton);
        CompareWindow* window = f.shown<CompareWindow>();
        QVERIFY(window);
        QCOMPARE(School::lines(window, kCompareDiffList),
                 (QStringList{"- 程序1  星期二  08:00    1,2  音乐 05-00-00"}));
        const QString pdf = f.dir.filePath("compare.pdf");
        f.dialogs.printAnswers.enqueue(pdf);
        QTest::mouseClick(window->findChild<QWidget*>(kComparePrintButton), Qt::LeftButton);
        QVERIFY(fileBytes(pdf).startsWith("%PDF"));
        QCOMPARE(window->printout().rows.size(), 1);
        QTest::mouseClick(window->findChild<QWidget*>(kCompareCloseButton), Qt::LeftButton);
        QTRY_VERIFY(!f.shown<CompareWindow>());

        f.dialogs.fileAnswers.enqueue(f.dir.filePath("missing.mtf"));
        f.press(kCompareButton);
        QVERIFY(!f.shown<CompareWindow>());
        QCOMPARE(f.dialogs.messages.last().text, QStringLiteral("打开文件失败！"));
    }
};

QTEST_MAIN(TableWindowsTest)
#include "table_windows_test.moc"
