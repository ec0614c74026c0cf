// What two schedules do differently, on a table of pairs.
#include "ScheduleDiff.h"

#include <QStringList>
#include <QTest>

using namespace tavisto;

namespace {

void put(TimingSet& set, int program, TimingType type, int slot, std::initializer_list<std::uint8_t> bytes)
{
    std::copy(bytes.begin(), bytes.end(), set.Buffer.programSlot(program, type, slot));
}

// Music timing 01 on Mondays, one that never plays (no day) in 02, and a random span on Sundays.
TimingSet first()
{
    TimingSet set = TimingSet::fresh();
    put(set, 1, TimingType::Music, 1, {0x01, 0x07, 0x30, 0x01, 0x0C, 0x03, 0x01, 0x03});
    put(set, 1, TimingType::Music, 2, {0x02, 0x09, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01});
    const std::uint8_t random[] = {0x01, 0x08, 0x00, 0x09, 0x45, 0x01, 0x40, 0x01, 0x05, 0x14};
    std::copy(random, random + 10, set.Buffer.randomSlot(1));
    return set;
}

const QString kMonday = QStringLiteral("星期一\t07:30\t\t1,2\t音乐 01-12-03");
const QString kSunday = QStringLiteral("星期日\t08:00\t09:45\t1\t随机 顺序 05-20");

struct Pair {
    const char* name;
    void (*change)(TimingSet&);
    QStringList lines;
};

const Pair kPairs[] = {
    {"the same", [](TimingSet&) {}, {}},
    {"a timing moved to another slot",
     [](TimingSet& s) {
         put(s, 1, TimingType::Music, 1, {0x00, 0, 0, 0, 0, 0, 0, 0});
         put(s, 1, TimingType::Music, 7, {0x07, 0x07, 0x30, 0x01, 0x0C, 0x03, 0x01, 0x03});
     },
     {}},
    {"a time changed",
     [](TimingSet& s) { s.Buffer.programSlot(1, TimingType::Music, 1)[2] = 0x35; },
     {"- 程序1\t" + kMonday, "+ 程序1\t星期一\t07:35\t\t1,2\t音乐 01-12-03"}},
    {"a day added",
     [](TimingSet& s) { s.Buffer.programSlot(1, TimingType::Music, 1)[6] = 0x03; },
     {"+ 程序1\t星期二\t07:30\t\t1,2\t音乐 01-12-03"}},
    {"another program gains a timing",
     [](TimingSet& s) {
         put(s, 2, TimingType::Peripheral, 4, {0x04, 0x06, 0x00, 0x07, 0x00, 0x00, 0x01, 0x01});
     },
     {"+ 程序2\t星期一\t06:00\t07:00\t1\t外设"}},
    {"the random program switched off",
     [](TimingSet& s) { s.RandomEnabled = 0; },
     {"- 随机程序\t" + kSunday, "- 随机播放\t开启", "+ 随机播放\t关闭",
      "+ 随机程序\t曲目范围从 05 到 20 顺序播放\t从 08:00 到 09:45\t - - - - - -日\t1- - - - - - \t"
      "随机程序已关闭，这些随机定时不会播放"}},
    {"another run program",
     [](TimingSet& s) { s.RunProgram = 2; },
     {"- 运行设定\t程序1", "+ 运行设定\t程序2"}},
    {"a timing that never plays changed",
     [](TimingSet& s) { s.Buffer.programSlot(1, TimingType::Music, 2)[3] = 2; },
     {"- 程序1 音乐定时\t指定曲目 01 - 00 - 00\t09:00\t - - - - - - \t1- - - - - - \t没有选择星期",
      "+ 程序1 音乐定时\t指定曲目 02 - 00 - 00\t09:00\t - - - - - - \t1- - - - - - \t没有选择星期"}},
    {"a timing cleared, another added the same minute",
     [](TimingSet& s) {
         put(s, 1, TimingType::Music, 1, {0x00, 0, 0, 0, 0, 0, 0, 0});
         put(s, 1, TimingType::Music, 3, {0x03, 0x07, 0x30, 0x02, 0x00, 0x00, 0x01, 0x03});
     },
     {"- 程序1\t" + kMonday, "+ 程序1\t星期一\t07:30\t\t1,2\t音乐 02-00-00"}},
};

}  // namespace

class ScheduleDiffTest : public QObject {
    Q_OBJECT

private slots:
    void differences_data()
    {
        QTest::addColumn<int>("pair");
        for (int i = 0; i < int(std::size(kPairs)); ++i)
            QTest::newRow(kPairs[i].name) << i;
    }
    void differences()
    {
        QFETCH(int, pair);
        TimingSet second = first();
        kPairs[pair].change(second);
        const ScheduleDiff diff = diffSchedules(first(), second);
        QStringList lines;
        for (const std::string& line : diff.lines)
            lines << QString::fromStdString(line);
        QCOMPARE(lines, kPairs[pair].lines);
        QCOMPARE(diff.differs(), !kPairs[pair].lines.isEmpty());
        // The other way round, the signs change places.
        QStringList back;
        for (const std::string& line : diffSchedules(second, first()).lines)
            back << QString::fromStdString(line);
        QCOMPARE(back.size(), lines.size());
        for (const QString& line : back)
            QVERIFY(!line.startsWith("- ") || lines.contains("+ " + line.mid(2)));
    }
};

QTEST_GUILESS_MAIN(ScheduleDiffTest)
#include "schedule_diff_test.moc"
