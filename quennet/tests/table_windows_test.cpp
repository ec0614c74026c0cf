// The check list's 导出…, 导入… and 比较… driven through the real widgets, the data file checked byte
// by byte.
#include "CheckListFixture.h"
#include "ScheduleDiff.h"
#include "ScheduleTable.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace quennet;
using namespace quennet::testing;

namespace {
std::vector<std::uint8_t> imageOf(const QByteArray& bytes)
{
    return {bytes.begin(), bytes.end()};
}

QByteArray bytesOf(const std::vector<std::uint8_t>& image)
{
    return QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size()));
}

// The lines as the windows show them, their tabs as gaps.
QStringList linesOf(const ScheduleDiff& diff)
{
    QStringList lines;
    for (const std::string& line : diff.lines)
        lines << QString::fromStdString(line).replace('\t', "  ");
    return lines;
}
}  // namespace

class TableWindowsTest : public QObject, CheckListFixture {
    Q_OBJECT

    QByteArray original_;

    // The window named id while it is open, else nothing.
    QWidget* opened(const char* id) const { return editor_->findChild<QWidget*>(QString::fromLatin1(id)); }
    int rows() const { return find<QTreeWidget>(kTimingList)->topLevelItemCount(); }
    QStringList shownLines(const char* window, const char* list) const
    {
        QStringList lines;
        const auto* shown = control<QListWidget>(find(window), list);
        for (int i = 0; i < shown->count(); ++i)
            lines << shown->item(i)->text();
        return lines;
    }

private slots:
    void init()
    {
        original_ = fullSchedule();
        QVERIFY(openCheckList(original_));
        dialogs_.messages.clear();  // 定时文件打开成功
    }
    void cleanup() { QFile::remove(drive_.filePath("table.csv")); }

    // 导出… writes the window's program as the table, proposed outside the player's card.
    void exportWritesTheProgram()
    {
        dialogs_.saveTo = drive_.filePath("table.csv");
        click(kExportButton);
        QVERIFY(dialogs_.proposedFiles.last().endsWith("/userds-程序1.csv"));
        QVERIFY(!dialogs_.proposedFiles.last().startsWith(drive_.path()));
        QCOMPARE(readAll(dialogs_.saveTo),
                 QByteArray::fromStdString(exportTable(DataFile::listImage(imageOf(original_)).programs, 0)));
        dialogs_.saveTo = drive_.filePath("none/table.csv");
        click(kExportButton);
        QCOMPARE(dialogs_.messages.last().text, dialogs_.saveTo + " 无法写入,没有导出!");
    }

    // 导入… shows what will change before anything is written: 取消 leaves the file as it is, 导入
    // writes the import as one step, which 撤销 takes back whole. A refused table names every bad
    // row and opens nothing.
    void importShowsTheChangeFirst()
    {
        const QByteArray table =
            "程序,序号,类型,开始,结束,曲目1,星期,分区\n1,1,音乐,8:00,,5,一,1\n3,,外设,9:00,9:30,,日,4\n";
        writeAll(drive_.filePath("table.csv"), table);
        dialogs_.openFrom = drive_.filePath("table.csv");
        const TableImport expected = importTable(imageOf(original_), table.toStdString());
        QVERIFY(!expected.refused());

        click(kImportButton);
        QTRY_VERIFY(opened(kImportWindow) && opened(kImportWindow)->isVisible());
        QCOMPARE(shownLines(kImportWindow, kImportDiffList),
                 linesOf(diffSchedules(DataFile::listImage(imageOf(original_)),
                                       DataFile::listImage(expected.image))));
        QVERIFY(shownLines(kImportWindow, kImportDiffList)
                    .contains("+ 程序1  星期一  08:00    1  音乐 05-01-00 随机00-00"));
        find<QDialog>(kImportWindow)->reject();
        QTRY_VERIFY(!opened(kImportWindow));
        QCOMPARE(readAll(path_), original_);

        click(kImportButton);
        QTRY_VERIFY(opened(kImportWindow));
        click(kImportConfirmButton);
        QTRY_VERIFY(!opened(kImportWindow));
        QCOMPARE(readAll(path_), bytesOf(expected.image));
        QCOMPARE(rows(), 1);
        QCOMPARE(find(kUndoButton)->toolTip(), QString("撤销：导入 2 条定时"));
        click(kUndoButton);
        QCOMPARE(readAll(path_), original_);
        QCOMPARE(rows(), 99);

        // A table that changes nothing opens nothing.
        writeAll(drive_.filePath("table.csv"),
                 QByteArray::fromStdString(exportTable(DataFile::listImage(imageOf(original_)).programs, 0)));
        click(kImportButton);
        QVERIFY(!opened(kImportWindow));
        QCOMPARE(dialogs_.messages.last().text, QString("表格与正在编辑的定时相同，没有要导入的修改。"));

        // The first ten faults in the box, every one in its details.
        QByteArray bad = "程序,类型,开始,曲目1\n7,音乐,8:00,1\n";
        for (int i = 0; i < 11; ++i)
            bad += "1,音乐,8:" + QByteArray::number(60 + i) + ",1\n";
        writeAll(drive_.filePath("table.csv"), bad);
        click(kImportButton);
        QVERIFY(!opened(kImportWindow));
        const ScriptedDialogs::Shown& box = dialogs_.messages.last();
        QCOMPARE(box.text, QString("表格中有 12 处错误，没有导入任何定时。"));
        QCOMPARE(box.informative.split('\n').size(), 11);
        QCOMPARE(box.informative.split('\n').first(), QString("第 2 行，“程序”列，“7”：程序应为 1 到 4"));
        QCOMPARE(box.informative.split('\n').last(), QString("……"));
        QCOMPARE(box.more.split('\n').size(), 12);
        QVERIFY(box.more.endsWith("第 13 行，“开始”列，“8:70”：不是 0:00 到 23:59 之间的时间"));
        QCOMPARE(readAll(path_), original_);
    }

    // 比较… sets the open schedule against a chosen file in the lines of --diff, and prints them.
    void compareShowsAndPrints()
    {
        QByteArray card = original_;
        putEntry(card, 2, 1, deletedEntry());
        card[101] = 0;
        writeAll(drive_.filePath("card.kqd"), card);
        dialogs_.openFrom = drive_.filePath("card.kqd");
        click(kCompareButton);
        QTRY_VERIFY(opened(kCompareWindow) && opened(kCompareWindow)->isVisible());
        // "- " is the chosen file, "+ " the open schedule.
        const ScheduleDiff diff =
            diffSchedules(DataFile::listImage(imageOf(card)), DataFile::listImage(imageOf(original_)));
        QVERIFY(diff.differs());
        QCOMPARE(shownLines(kCompareWindow, kCompareDiffList), linesOf(diff));
        QCOMPARE(shownLines(kCompareWindow, kCompareDiffList).mid(diff.lines.size() - 2),
                 QStringList({"- 运行程序  程序1", "+ 运行程序  程序3"}));

        dialogs_.printTo = drive_.filePath("compare.pdf");
        click(kComparePrintButton);
        QVERIFY(readAll(dialogs_.printTo).startsWith("%PDF"));
        QVERIFY(dialogs_.messages.isEmpty());
        click(kCompareCloseButton);
        QTRY_VERIFY(!opened(kCompareWindow));

        dialogs_.openFrom = drive_.filePath("none.kqd");
        click(kCompareButton);
        QVERIFY(!opened(kCompareWindow));
        QVERIFY(dialogs_.messages.last().text.startsWith(dialogs_.openFrom + " 定时文件无法读取("));
    }
};

QTEST_MAIN(TableWindowsTest)
#include "table_windows_test.moc"
