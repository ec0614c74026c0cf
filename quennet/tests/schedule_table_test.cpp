// The schedule as a table: what spreadsheets write is read, what is wrong is refused with its place,
// and export followed by import gives the same bytes, also after a real spreadsheet saved the table.
#include "CsvText.h"
#include "DataFile.h"
#include "FileFixtures.h"
#include "ScheduleTable.h"

#include <QTest>

using namespace quennet;
using namespace quennet::testing;

namespace {
const QByteArray kHeader = "程序,序号,类型,开始,结束,曲目1,曲目2,曲目3,随机从,随机到,电台,星期,分区\r\n";

std::vector<std::uint8_t> imageOf(const QByteArray& bytes)
{
    return {bytes.begin(), bytes.end()};
}

QByteArray bytesOf(const std::vector<std::uint8_t>& image)
{
    return QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size()));
}

TableImport importInto(const QByteArray& file, const QByteArray& table)
{
    return importTable(imageOf(file), table.toStdString());
}

QStringList faultTexts(const TableImport& imported)
{
    QStringList texts;
    for (const TableFault& fault : imported.faults)
        texts << QString("%1|%2|%3|%4")
                     .arg(fault.line)
                     .arg(QString::fromStdString(fault.column), QString::fromStdString(fault.value),
                          QString::fromStdString(fault.reason));
    return texts;
}

QByteArray exported(const QByteArray& file, std::optional<int> program = std::nullopt)
{
    return QByteArray::fromStdString(exportTable(DataFile::listImage(imageOf(file)).programs, program));
}

QByteArray testData(const char* name)
{
    return readAll(QStringLiteral(QUENNET_TEST_DATA "/") + name);
}
}  // namespace

class ScheduleTableTest : public QObject {
    Q_OBJECT

private slots:
    // Every way a spreadsheet writes the table: encodings, separators, headers in English and in any
    // order, times as it rewrites them, numbers with leading zeros. The new timing is stored as
    // 添加保存 stores one: what the table does not name is the editor's start value.
    void importReadsWhatSpreadsheetsWrite_data()
    {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<QByteArray>("entry");
        const QByteArray music = bytesOf(timingEntry(1, 7, 30, 1, 2, 3, 10, 20, 0x3E, 0x05));
        QTest::newRow("UTF-8 with the mark, commas")
            << QByteArray(kUtf8Bom) + kHeader + "1,1,音乐,07:30,,1,2,3,10,20,,一二三四五,13\r\n"
            << music;
        QTest::newRow("UTF-8 without the mark, semicolons, English headers in another order")
            << QByteArray("zones;days;kind;start;program;slot;track1;track2;track3;random_from;random_to\n"
                          "13;一二三四五;music;7:30;01;001;01;02;03;10;20\n")
            << music;
        QTest::newRow("tabs, quoted cells, CR line ends") << QByteArray(
            "\"程序\"\t\"类型\"\t\"开始\"\t\"曲目1\"\t\"曲目2\"\t\"曲目3\"\t随机从\t随机到\t星期\t分区\r"
            "1\t\"音乐\"\t07:30:00\t1\t2\t3\t10\t20\t五四三二一\t31\r")
                                                          << music;
        QTest::newRow("GB18030, tabs") << QByteArray::fromHex(
            "b3ccd0f209c0e0d0cd09bfaacabc09bde1caf809d0c7c6da0a3109cde2c9e809383a303009393a313509d2bb0a")
                                       << bytesOf(timingEntry(1, 8, 0, kPeripheralTrack, 0, 0, 9, 15, 0x02,
                                                              0x0F));
        const QList<QPair<QByteArray, QPair<int, int>>> times = {
            {"8:30", {8, 30}},      {"08:30:00", {8, 30}}, {"8:30:00 AM", {8, 30}}, {"下午 2:05", {14, 5}},
            {"下午2:05", {14, 5}},  {"2:05 PM", {14, 5}},  {"2:05:00 pm", {14, 5}}, {"上午 12:00", {0, 0}},
            {"12:30 PM", {12, 30}}, {"12:30 AM", {0, 30}}, {"23:59", {23, 59}},     {"0:00", {0, 0}},
            {" 07：30 ", {7, 30}},
        };
        for (const auto& [text, time] : times)
            QTest::newRow(qPrintable("time " + text))
                << "程序,类型,开始,结束,星期,分区\n1,外设," + text + ",23:00,日六,1234\n"
                << bytesOf(
                       timingEntry(1, time.first, time.second, kPeripheralTrack, 0, 0, 23, 0, 0x41, 0x0F));
        QTest::newRow("radio, station with a leading zero")
            << kHeader + "1,1,收音,06:00,06:30,,,,,,05,,1\r\n"
            << bytesOf(timingEntry(1, 6, 0, 5, 0, 0, 6, 30, 0, 0x01, 1));
        QTest::newRow("recording, the editor's and the check list's words")
            << kHeader + "1,1,录音,17:30,,97,98,99,0,0,,日,34\r\n"
            << bytesOf(timingEntry(1, 17, 30, 97, 98, 99, 0, 0, 0x01, 0x0C));
    }
    void importReadsWhatSpreadsheetsWrite()
    {
        QFETCH(QByteArray, table);
        QFETCH(QByteArray, entry);
        const TableImport imported = importInto(emptyFile(1), table);
        QCOMPARE(faultTexts(imported), QStringList());
        QByteArray expected = emptyFile(1);
        expected.replace(int(entryOffset(0, 1)), 16, entry);
        QCOMPARE(bytesOf(imported.image), expected);
    }

    // Each kind of refusal, with its line, column (as the file names it), value and reason; every
    // bad row is told, and nothing is imported.
    void importRefusesBadRows_data()
    {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<QStringList>("faults");
        const auto row = [](const char* name, const QByteArray& rows, const QStringList& faults) {
            QTest::newRow(name) << kHeader + rows << faults;
        };
        row("program out of range", "5,1,音乐,07:30,,1,2,3,0,0,,一,1\n", {"2|程序|5|程序应为 1 到 4"});
        row("program missing", ",1,音乐,07:30,,1,2,3,0,0,,一,1\n", {"2|程序||程序应为 1 到 4"});
        row("slot out of range", "1,100,音乐,07:30,,1,2,3,0,0,,一,1\n", {"2|序号|100|序号应为 1 到 99"});
        row("slot no number", "1,x1,音乐,07:30,,1,2,3,0,0,,一,1\n", {"2|序号|x1|序号应为 1 到 99"});
        row("slot taken twice",
            "1,3,音乐,07:30,,1,2,3,0,0,,一,1\n2,3,外设,8:00,9:00,,,,,,,一,1\n1,03,外设,8:00,9:00,,,,,,,一,"
            "1\n",
            {"4|序号|03|与第 2 行的序号相同"});
        row("unknown kind", "1,1,闹钟,07:30,,,,,,,,一,1\n",
            {"2|类型|闹钟|类型应为“音乐”、“录音”、“收音”或“外设”"});
        row("hour 24", "1,1,音乐,24:00,,1,2,3,0,0,,一,1\n", {"2|开始|24:00|不是 0:00 到 23:59 之间的时间"});
        row("minute 60", "1,1,音乐,7:60,,1,2,3,0,0,,一,1\n", {"2|开始|7:60|不是 0:00 到 23:59 之间的时间"});
        row("seconds", "1,1,音乐,7:30:15,,1,2,3,0,0,,一,1\n",
            {"2|开始|7:30:15|不是 0:00 到 23:59 之间的时间"});
        row("13 PM", "1,1,音乐,13:00 PM,,1,2,3,0,0,,一,1\n",
            {"2|开始|13:00 PM|不是 0:00 到 23:59 之间的时间"});
        row("a date", "1,1,音乐,2001-12-03,,1,2,3,0,0,,一,1\n",
            {"2|开始|2001-12-03|不是 0:00 到 23:59 之间的时间"});
        row("start of a new timing missing", "1,7,音乐,,,1,2,3,0,0,,一,1\n", {"2|开始||缺少时间"});
        // An empty cell is no value, in a timing already there too; only a column left out keeps one.
        row("start of a timing there emptied", "1,1,音乐,,,1,2,3,0,0,,一,1\n", {"2|开始||缺少时间"});
        row("a span without its end and station", "1,1,收音,06:00,,,,,,,,一,1\n",
            {"2|结束||缺少时间", "2|电台||缺少电台"});
        row("track above 99", "1,1,音乐,07:30,,1,100,3,0,0,,一,1\n", {"2|曲目2|100|曲目号应为 0 到 99"});
        row("recording under music", "1,1,音乐,07:30,,97,2,3,0,0,,一,1\n",
            {"2|曲目1|97|曲目 95 到 99 是录音，类型应为“录音”"});
        row("music under recording", "1,1,录音,07:30,,12,2,3,0,0,,一,1\n",
            {"2|曲目1|12|录音的曲目1应为 95 到 99"});
        row("a column the kind has not",
            "1,1,外设,07:30,08:00,,,,,,5,一,1\n1,2,音乐,07:30,08:00,1,2,3,0,0,,一,1\n",
            {"2|电台|5|外设定时没有这一项", "3|结束|08:00|音乐定时没有这一项"});
        row("days", "1,1,音乐,07:30,,1,2,3,0,0,,一八,1\n", {"2|星期|一八|星期只能由“一二三四五六日”组成"});
        row("zones", "1,1,音乐,07:30,,1,2,3,0,0,,一,15\n", {"2|分区|15|分区只能是 1 到 4 的数字"});
        row("a cell under no column", "1,1,音乐,07:30,,1,2,3,0,0,,一,1,x\n", {"2||x|标题行没有这一列"});
        QByteArray hundred;
        for (int n = 0; n < 100; ++n)
            hundred += "2,,外设,07:30,08:00,,,,,,,一,1\n";
        row("more timings than a program holds", hundred,
            {"101|序号||一个程序最多 99 条定时，这一行已没有空位"});
        row("every bad row",
            "1,1,音乐,07:30,,1,2,3,0,0,,一,1\n9,1,音乐,07:30,,1,2,3,0,0,,一,1\n1,2,音乐,25:00,,1,2,3,0,0,,一,"
            "1\n",
            {"3|程序|9|程序应为 1 到 4", "4|开始|25:00|不是 0:00 到 23:59 之间的时间"});
        row("a quote that never ends", "1,1,音乐,07:30,,1,2,3,0,0,,\"一,1\n",
            {"2|||引号没有结束", "2|星期|一,1\n|星期只能由“一二三四五六日”组成"});
        QTest::newRow("unknown, twice and missing columns")
            << QByteArray("程序,类型,备注,kind,星期\n1,音乐,x,音乐,一\n")
            << QStringList{"1|备注||不认识这一列", "1|kind||这一列出现了两次", "1|开始||缺少这一列"};
        QTest::newRow("not text") << QByteArray("\xff\xfe\x00\x01\x80", 5)
                                  << QStringList{"1|||既不是 UTF-8 也不是 GB18030 编码的文本"};
        QTest::newRow("nothing at all") << QByteArray(kUtf8Bom) << QStringList{"1|||没有标题行"};
    }
    void importRefusesBadRows()
    {
        QFETCH(QByteArray, table);
        QFETCH(QStringList, faults);
        const TableImport imported = importInto(timingsFile(0, 5), table);
        QCOMPARE(faultTexts(imported), faults);
        QVERIFY(imported.refused() && imported.image.empty() && imported.programs.empty());
    }

    // In each program the table names, its rows are the timings: one that reads as before keeps every
    // byte, a changed one the bytes no column names (byte 3, a span's hidden tracks), a new one
    // (no 序号) takes the lowest position no row names and nothing of what was there, and a timing
    // the table does not name is deleted as 删除本条 deletes it. Other programs, the header, gaps
    // and the slots beyond 99 are untouched.
    void importReplacesTheNamedPrograms()
    {
        QByteArray file = fullSchedule();
        const TimingEntry radio = entryAt(file, 0, 2);  // 收音 02:14-03:14, hidden tracks 2 and 2
        QVERIFY(radio.RadioFlag == 1 && radio.SecondTrack != 0);
        const QList<QByteArray> rows = exported(file, 0).split('\n');
        QByteArray table = rows[0] + '\n' + rows[1] + '\n';  // timing 1 as it is
        table += "1,2,收音,02:15,03:14,,,,,,2,一日,2\n";     // timing 2 a minute later
        table += "1,,音乐,09:00,,5,,,,,,一,1\n";             // new, at position 3
        table += "2,7,外设,10:00,10:30,,,,,,,日,4\n";        // program 2 has only this one now
        const TableImport imported = importInto(file, table);
        QCOMPARE(faultTexts(imported), QStringList());
        const QByteArray result = bytesOf(imported.image);

        QCOMPARE(bytesOf(entryAt(result, 0, 1)), bytesOf(entryAt(file, 0, 1)));
        TimingEntry later = radio;
        later.Minute = 15;
        QCOMPARE(bytesOf(entryAt(result, 0, 2)), bytesOf(later));
        QCOMPARE(bytesOf(entryAt(result, 0, 3)), bytesOf(timingEntry(3, 9, 0, 5, 0, 0, 0, 0, 0x02, 0x01)));
        for (int position = 4; position <= kMaxTimings; ++position)
            QCOMPARE(bytesOf(entryAt(result, 0, position)), bytesOf(deletedEntry()));
        const TimingEntry before = entryAt(file, 1, 7);
        TimingEntry device = timingEntry(7, 10, 0, kPeripheralTrack, before.SecondTrack, before.ThirdTrack,
                                         10, 30, 0x01, 0x08);
        device.Reserved3 = before.Reserved3;
        QCOMPARE(bytesOf(entryAt(result, 1, 7)), bytesOf(device));
        QCOMPARE(bytesOf(entryAt(result, 1, 10)), bytesOf(deletedEntry()));  // a gap stays a gap
        QCOMPARE(bytesOf(entryAt(result, 0, 100)), bytesOf(entryAt(file, 0, 100)));
        QCOMPARE(result.left(kHeaderSize), file.left(kHeaderSize));
        QCOMPARE(result.mid(int(programOffset(2))), file.mid(int(programOffset(2))));
        QCOMPARE(imported.programs.size(), std::size_t(2));
        QCOMPARE(imported.programs.at(0).size(), std::size_t(3));
    }

    // Export then import gives the same bytes: a full set, an empty one, and bytes no editor writes.
    void exportThenImportKeepsEveryByte_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("full set") << fullSchedule();
        QTest::newRow("empty set") << emptyFile(3);
        QByteArray odd = timingsFile(1, 3);
        putEntry(odd, 1, 2, timingEntry(2, 25, 61, 150, 200, 3, 30, 99, 0xFF, 0xF5, 1));
        QTest::newRow("bytes no editor writes") << odd;
    }
    void exportThenImportKeepsEveryByte()
    {
        QFETCH(QByteArray, file);
        for (const std::optional<int> program : {std::optional<int>(), std::optional<int>(1)}) {
            const TableImport imported = importInto(file, exported(file, program));
            QCOMPARE(faultTexts(imported), QStringList());
            QCOMPARE(bytesOf(imported.image), file);
        }
    }

    // The full set as a spreadsheet saved it again (tests/data/README.md says how): every text
    // quoted, times as "01:07:00 AM", no mark, LF; it imports to the same bytes.
    void spreadsheetRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("table");
        QTest::newRow("as exported") << testData("full-set.csv");
        QTest::newRow("LibreOffice, UTF-8") << testData("full-set-calc-utf8.csv");
        QTest::newRow("LibreOffice, GB18030") << testData("full-set-calc-gb18030.csv");
    }
    void spreadsheetRoundTrip()
    {
        QFETCH(QByteArray, table);
        QCOMPARE(exported(fullSchedule()), testData("full-set.csv"));
        QVERIFY(!table.isEmpty());
        const TableImport imported = importInto(fullSchedule(), table);
        QCOMPARE(faultTexts(imported), QStringList());
        QCOMPARE(bytesOf(imported.image), fullSchedule());
    }

    // The cells a spreadsheet could take for something else are never written so: numbers plain,
    // quotes only where a cell needs them, CRLF after each row.
    void rowsAreWrittenAndReadAsSpreadsheetsDo()
    {
        QCOMPARE(writeCsvRow({"1", "a,b", "say \"hi\"", "two\nlines", ""}),
                 std::string("1,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\r\n"));
        const CsvText table = readCsv("a;\"b;c\";\"d\"\"\"\r\n\r\n;;\n\"x\ny\";2\n");
        QCOMPARE(table.separator, ';');
        QCOMPARE(table.rows.size(), std::size_t(2));
        QCOMPARE(table.rows[0].cells, std::vector<std::string>({"a", "b;c", "d\""}));
        QCOMPARE(table.rows[1].line, 4);
        QCOMPARE(table.rows[1].cells, std::vector<std::string>({"x\ny", "2"}));
        QCOMPARE(exported(emptyFile(0)), QByteArray(kUtf8Bom) + kHeader);
        QCOMPARE(exported(timingsFile(0, 1)).split('\n').at(1),
                 QByteArray("1,1,音乐,07:01,,1,2,3,10,20,,一二三四五,13\r"));
    }
};

QTEST_GUILESS_MAIN(ScheduleTableTest)
#include "schedule_table_test.moc"
