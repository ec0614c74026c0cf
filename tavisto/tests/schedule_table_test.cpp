// The schedule as a table: rows read as spreadsheets write them, every bad row refused with where
// and why, what the file does not name kept, and the round trip through a spreadsheet.
#include "CsvText.h"
#include "FullSet.h"
#include "ScheduleTable.h"

#include <QFile>
#include <QTest>
#include <iconv.h>

using namespace tavisto;

namespace {

const std::string kHeader =
    "程序,类型,序号,开始,结束,曲目1,曲目2,曲目3,起始曲目,终止曲目,播放方式,星期,分区\n";

// Music timing 01 of program 1 and peripheral timing 02 with a reserved byte from elsewhere.
TimingSet baseSet()
{
    TimingSet set = TimingSet::fresh();
    const std::uint8_t music[] = {0x01, 0x07, 0x30, 0x01, 0x0C, 0x03, 0x1F, 0x03};
    const std::uint8_t device[] = {0x02, 0x06, 0x30, 0x07, 0x15, 0x77, 0x1F, 0x05};
    std::copy(music, music + 8, set.Buffer.programSlot(1, TimingType::Music, 1));
    std::copy(device, device + 8, set.Buffer.programSlot(1, TimingType::Peripheral, 2));
    return set;
}

QByteArray slotHex(const TimingSet& set, int program, char kind, int slot)
{
    const std::uint8_t* bytes = program == 0
        ? set.Buffer.randomSlot(slot)
        : set.Buffer.programSlot(program, kind == 'm' ? TimingType::Music : TimingType::Peripheral, slot);
    return QByteArray(reinterpret_cast<const char*>(bytes), program == 0 ? 10 : 8).toHex(' ');
}

std::string gb18030(const std::string& utf8)
{
    iconv_t converter = ::iconv_open("GB18030", "UTF-8");
    std::string out(utf8.size() * 2, '\0');
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size(), outLeft = out.size();
    char* at = out.data();
    ::iconv(converter, &in, &inLeft, &at, &outLeft);
    ::iconv_close(converter);
    out.resize(out.size() - outLeft);
    return out;
}

std::string faultsText(const std::vector<TableFault>& faults)
{
    std::string text;
    for (const TableFault& fault : faults)
        text += std::to_string(fault.line) + "|" + fault.column + "|" + fault.value + "\n";
    return text;
}

std::string readData(const char* name)
{
    QFile file(QStringLiteral(TAVISTO_TEST_DATA "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

}  // namespace

class ScheduleTableTest : public QObject {
    Q_OBJECT

private slots:
    // Encodings, separators, time forms, English headers, columns in any order, quoting, leading
    // zeros, an empty 序号: each row gives the bytes of one slot.
    void readsWhatSpreadsheetsWrite_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<int>("program");  // 0: the random program
        QTest::addColumn<char>("kind");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QByteArray>("bytes");
        auto row = [](const char* name, const std::string& csv, int program, char kind, int slot,
                      const char* bytes) {
            QTest::newRow(name) << QByteArray::fromStdString(csv) << program << kind << slot
                                << QByteArray(bytes);
        };
        const std::string music = "1,音乐,5,8:30,,1,12,3,,,,一二三四五,12\n";
        const char* musicBytes = "05 08 30 01 0c 03 1f 03";
        row("UTF-8 with mark, commas", kUtf8Bom + kHeader + music, 1, 'm', 5, musicBytes);
        row("UTF-8, CRLF", kHeader + "1,音乐,5,8:30,,1,12,3,,,,一二三四五,12\r\n", 1, 'm', 5, musicBytes);
        row("GB18030", gb18030(kHeader + music), 1, 'm', 5, musicBytes);
        row("semicolons",
            "程序;类型;序号;开始;曲目1;曲目2;曲目3;星期;分区\n1;音乐;5;8:30;1;12;3;一二三四五;12\n", 1, 'm',
            5, musicBytes);
        row("tabs",
            "程序\t类型\t序号\t开始\t曲目1\t曲目2\t曲目3\t星期\t分区\n1\t音乐\t5\t8:"
            "30\t1\t12\t3\t一二三四五\t12\n",
            1, 'm', 5, musicBytes);
        row("English headers, leading zeros",
            "zones,days,track3,track2,track1,start,slot,kind,program\n\"12\",五四三二一,003,12,01,08:30,005,"
            "音乐,01\n",
            1, 'm', 5, musicBytes);
        for (const auto& [form, bytes] : {std::pair{"08:30:00", "05 08 30"},
                                          {"8:30:00 AM", "05 08 30"},
                                          {"下午 2:05", "05 14 05"},
                                          {"下午2:05:00", "05 14 05"},
                                          {"2:05 pm", "05 14 05"},
                                          {"上午 12:00", "05 00 00"},
                                          {"2:05:00 下午", "05 14 05"},
                                          {"PM 2:05", "05 14 05"},
                                          {"12:00 PM", "05 12 00"},
                                          {"23:59", "05 23 59"}})
            row((std::string("time ") + form).c_str(),
                "程序,类型,序号,开始\n1,音乐,5," + std::string(form) + "\n", 1, 'm', 5,
                (std::string(bytes) + " 00 00 00 00 00").c_str());
        row("quoted cells", "程序,类型,序号,开始\n\"1\",\"音乐\",\"5\",\" 8:30\"\n", 1, 'm', 5,
            "05 08 30 00 00 00 00 00");
        row("peripheral: the reserved byte of an entry there stays",
            kHeader + "1,外设,2,06:30,07:45,,,,,,,一,1\n", 1, 'p', 2, "02 06 30 07 45 77 01 01");
        row("days and zones with separators",
            "程序,类型,序号,开始,星期,分区\n1,音乐,5,8:30,\"一、三, 五\",\"1,2\"\n", 1, 'm', 5,
            "05 08 30 00 00 00 15 03");
        row("a column left out keeps the entry's field", "程序,类型,序号,星期\n1,音乐,1,日\n", 1, 'm', 1,
            "01 07 30 01 0c 03 40 03");
        row("an empty 序号 takes the lowest free slot",
            kHeader + "1,音乐,1,7:30,,1,12,3,,,,一二三四五,12\n1,音乐,,9:00,,4,,,,,,六,6\n", 1, 'm', 2,
            "02 09 00 04 00 00 20 20");
        row("random, in order", kHeader + "随机,随机,10,23:00,1:00,,,,5,20,顺序,日,123456\n", 0, 'r', 10,
            "0a 23 00 01 00 01 40 3f 05 14");
        row("random, shuffled as the editor stores it", kHeader + "随机,随机,,23:00,1:00,,,,5,20,随机,,\n", 0,
            'r', 1, "01 23 00 01 00 00 00 00 05 14");
    }
    void readsWhatSpreadsheetsWrite()
    {
        QFETCH(QByteArray, csv);
        QFETCH(int, program);
        QFETCH(char, kind);
        QFETCH(int, slot);
        QFETCH(QByteArray, bytes);
        const TableImport imported = importTable(baseSet(), csv.toStdString());
        QVERIFY2(imported.set, faultsText(imported.faults).c_str());
        QCOMPARE(slotHex(*imported.set, program, kind, slot), bytes);
    }

    // Every bad row is told with its line, column and value, and nothing is imported.
    void refusesBadRows_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QByteArray>("faults");  // line|column|value per fault
        auto row = [](const char* name, const std::string& csv, const char* faults) {
            QTest::newRow(name) << QByteArray::fromStdString(csv) << QByteArray(faults);
        };
        row("hour out of range, every row told",
            kHeader
                + "1,音乐,1,24:00,,1,2,3,,,,一,1\n1,音乐,2,8:60,,1,2,3,,,,一,1\n1,音乐,3,8:30:15,,1,2,3,,,,"
                  "一,1\n",
            "2|开始|24:00\n3|开始|8:60\n4|开始|8:30:15\n");
        row("times never guessed",
            kHeader + "1,音乐,1,13:00 PM,,1,,,,,,,\n1,音乐,2,830,,,,,,,,,\n1,音乐,3,,,,,,,,,,\n",
            "2|开始|13:00 PM\n3|开始|830\n4|开始|\n");
        row("program and kind",
            kHeader
                + "5,音乐,1,8:00,,,,,,,,,\n1,录音,1,8:00,,,,,,,,,\n随机,音乐,1,8:00,,,,,,,,,\n1,随机,1,8:00,"
                  "9:00,,,,,,,,\n",
            "2|程序|5\n3|类型|录音\n4|类型|音乐\n5|类型|随机\n");
        row("slots",
            kHeader
                + "1,音乐,100,8:00,,,,,,,,,\n1,音乐,0,8:00,,,,,,,,,\n随机,随机,11,8:00,9:00,,,,,,随机,,\n",
            "2|序号|100\n3|序号|0\n4|序号|11\n");
        row("a slot taken twice", kHeader + "1,外设,4,8:00,9:00,,,,,,,,\n1,外设,04,10:00,11:00,,,,,,,,\n",
            "3|序号|4\n");
        row("tracks, days, zones, order",
            kHeader + "1,音乐,1,8:00,,100,-1,x,,,,一八,7\n随机,随机,1,8:00,9:00,,,,1,2,乱序,,0\n",
            "2|曲目1|100\n2|曲目2|-1\n2|曲目3|x\n2|星期|一八\n2|分区|7\n3|播放方式|乱序\n3|分区|0\n");
        row("a cell of another kind", kHeader + "1,音乐,1,8:00,9:00,,,,,,,,\n1,外设,1,8:00,9:00,1,,,,,,,\n",
            "2|结束|9:00\n3|曲目1|1\n");
        row("a cell beyond the header", "程序,类型,开始\n1,音乐,8:00,x\n", "2||x\n");
        row("headers", "程序,kind,类型,when,开始\n", "1|类型|类型\n1|when|when\n");
        row("a header without 类型", "程序,开始\n1,8:00\n", "1|类型|\n");
        row("lines counted across a quoted line break",
            kHeader + "1,音乐,1,\"8:00\n\",,,,,,,,,\n1,音乐,2,25:00,,,,,,,,,\n",
            "2|开始|8:00\n\n4|开始|25:00\n");
        row("a quote never closed", "程序,类型,开始\n1,音乐,\"8:00\n", "2|开始|8:00\n\n2||\n");
        row("neither UTF-8 nor GB18030", "\xFF\xFE\xFD", "1||\n");
        std::string full = "程序,类型,开始\n";
        for (int i = 0; i < 100; ++i)
            full += "2,外设,8:00\n";
        row("more timings than a table holds", full + "2,外设,8:00\n", "101|序号|\n102|序号|\n");
    }
    void refusesBadRows()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QByteArray, faults);
        const TableImport imported = importTable(baseSet(), csv.toStdString());
        QVERIFY(imported.refused() && !imported.set);
        QCOMPARE(QByteArray::fromStdString(faultsText(imported.faults)), faults);
        for (const TableFault& fault : imported.faults)
            QVERIFY(!fault.reason.empty());
    }

    // In the tables the file names, what it does not name is cleared as 清除定时 clears it and a
    // slot without a timing keeps its bytes; the other tables and the settings stay as they are.
    void keepsWhatTheFileDoesNotName()
    {
        TimingSet set = fullTimingSet();
        std::uint8_t* stamped = set.Buffer.programSlot(2, TimingType::Music, 9);
        std::fill(stamped + 1, stamped + 8, std::uint8_t{0});  // visited only: no timing
        const TableImport imported = importTable(set, kHeader + "2,音乐,5,8:00,,1,2,3,,,,一,1\n");
        QVERIFY(imported.set);
        TimingSet expected = set;
        for (int slot = 1; slot < kProgramSlots; ++slot)
            if (slot != 9)
                std::fill_n(expected.Buffer.programSlot(2, TimingType::Music, slot), 8, std::uint8_t{0});
        const std::uint8_t five[] = {0x05, 0x08, 0x00, 0x01, 0x02, 0x03, 0x01, 0x01};
        // The entry there keeps the high bits no column names.
        std::copy(five, five + 8, expected.Buffer.programSlot(2, TimingType::Music, 5));
        QCOMPARE(slotHex(*imported.set, 2, 'm', 5), slotHex(expected, 2, 'm', 5));
        QCOMPARE(slotHex(*imported.set, 2, 'm', 100), slotHex(set, 2, 'm', 100));
        QVERIFY(*imported.set == expected);
        // A header alone names no table.
        QVERIFY(*importTable(set, kHeader).set == set);
    }

    // Export then import gives the same bytes, for a full set and an empty one, also through the
    // files a spreadsheet wrote from the export (tests/data, see its README).
    void roundTrip_data()
    {
        QTest::addColumn<bool>("full");
        QTest::addColumn<QByteArray>("csv");
        QTest::newRow("full") << true << QByteArray::fromStdString(exportTable(fullTimingSet()));
        QTest::newRow("empty") << false << QByteArray::fromStdString(exportTable(TimingSet::fresh()));
        QTest::newRow("exported file") << true << QByteArray::fromStdString(readData("full-set.csv"));
        QTest::newRow("spreadsheet, UTF-8")
            << true << QByteArray::fromStdString(readData("full-set-calc-utf8.csv"));
        QTest::newRow("spreadsheet, GB18030")
            << true << QByteArray::fromStdString(readData("full-set-calc-gb18030.csv"));
    }
    void roundTrip()
    {
        QFETCH(bool, full);
        QFETCH(QByteArray, csv);
        const TimingSet set = full ? fullTimingSet() : TimingSet::fresh();
        QVERIFY(!csv.isEmpty());
        const TableImport back = importTable(set, csv.toStdString());
        QVERIFY2(back.set, faultsText(back.faults).c_str());
        QVERIFY(*back.set == set);
        // Into a new set it gives the same table again.
        const TableImport fresh = importTable(TimingSet::fresh(), csv.toStdString());
        QVERIFY(fresh.set);
        QCOMPARE(exportTable(*fresh.set), exportTable(set));
    }

    // What the export writes: the header, numbers without leading zeros, no cell a spreadsheet
    // takes for a date, one program at a time.
    void exportsRows()
    {
        const std::string table = exportTable(baseSet());
        QCOMPARE(QByteArray::fromStdString(table),
                 QByteArray::fromStdString(
                     kUtf8Bom
                     + writeCsvRow({"程序", "类型", "序号", "开始", "结束", "曲目1", "曲目2", "曲目3",
                                    "起始曲目", "终止曲目", "播放方式", "星期", "分区"})
                     + "1,音乐,1,07:30,,1,12,3,,,,一二三四五,12\r\n"
                       "1,外设,2,06:30,07:15,,,,,,,一二三四五,13\r\n"));
        QCOMPARE(exportTable(baseSet(), 2), exportTable(TimingSet::fresh()));
        QCOMPARE(writeCsvRow({"a,b", "say \"x\"", " 1", "line\nbreak"}),
                 std::string("\"a,b\",\"say \"\"x\"\"\",\" 1\",\"line\nbreak\"\r\n"));
    }
};

QTEST_GUILESS_MAIN(ScheduleTableTest)
#include "schedule_table_test.moc"
