// The week the player runs and its check, from the valid entries of a program, in the words of
// `quennet --week` and `quennet --check`; no window, no file.
#include "FileFixtures.h"
#include "WeekCheck.h"
#include "WeekText.h"

#include <QTest>

using namespace quennet;
using namespace quennet::testing;

namespace {
// DayBits, Sunday first.
constexpr int kSun = 0x01, kMon = 0x02, kTue = 0x04, kWorkdays = 0x3E, kSat = 0x40, kEveryDay = 0x7F;

QByteArray music(int position, int hour, int minute, int days, int zones, int track = 1)
{
    return bytesOf(timingEntry(position, hour, minute, track, 2, 3, 10, 20, days, zones));
}
QByteArray radio(int position, int hour, int minute, int endHour, int endMinute, int days, int zones,
                 int station = 5)
{
    return bytesOf(timingEntry(position, hour, minute, station, 0, 0, endHour, endMinute, days, zones, 1));
}
QByteArray device(int position, int hour, int minute, int endHour, int endMinute, int days, int zones)
{
    return bytesOf(
        timingEntry(position, hour, minute, kPeripheralTrack, 0, 0, endHour, endMinute, days, zones));
}

std::array<std::vector<TimingEntry>, kProgramCount> programsOf(const QByteArray& program1)
{
    std::array<std::vector<TimingEntry>, kProgramCount> programs;
    for (int at = 0; at + kEntrySize <= program1.size(); at += kEntrySize) {
        TimingEntry entry;
        std::memcpy(static_cast<void*>(&entry), program1.constData() + at, kEntrySize);
        programs[0].push_back(entry);
    }
    return programs;
}

template<class Item>
QStringList linesOf(const std::vector<Item>& items, std::string (*line)(const Item&))
{
    QStringList lines;
    for (const Item& item : items)
        lines << QString::fromStdString(line(item));
    return lines;
}
}  // namespace

class WeekCheckTest : public QObject {
    Q_OBJECT

private slots:
    void weekLists_data()
    {
        QTest::addColumn<QByteArray>("entries");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("instants and spans of every kind, each day in turn")
            << music(1, 7, 30, kMon | kTue, 0x03) + music(2, 7, 30, kMon, 0x01, 97)
                + radio(3, 6, 0, 6, 30, kSat, 0x0F) + device(4, 8, 0, 8, 45, kMon, 0x05)
            << QStringList{"星期一\t07:30\t\t1,2\t音乐 01-02-03 随机10-20\t程序1 第 01 条",
                           "星期一\t07:30\t\t1\t录音 97-02-03 随机10-20\t程序1 第 02 条",
                           "星期一\t08:00\t08:45\t1,3\t外设\t程序1 第 04 条",
                           "星期二\t07:30\t\t1,2\t音乐 01-02-03 随机10-20\t程序1 第 01 条",
                           "星期六\t06:00\t06:30\t1,2,3,4\t收音 电台05\t程序1 第 03 条"};
        QTest::newRow("past midnight listed once, on its start day; Sunday last")
            << device(1, 23, 0, 1, 0, kSun, 0x01) + radio(2, 22, 30, 0, 0, kMon, 0x02)
            << QStringList{"星期一\t22:30\t次日00:00\t2\t收音 电台05\t程序1 第 02 条",
                           "星期日\t23:00\t次日01:00\t1\t外设\t程序1 第 01 条"};
    }
    void weekLists()
    {
        QFETCH(QByteArray, entries);
        QFETCH(QStringList, lines);
        const WeekReview review = reviewWeek(programsOf(entries), 0, 0);
        QCOMPARE(linesOf(review.week.events, weekLine), lines);
    }

    void checkFinds_data()
    {
        QTest::addColumn<QByteArray>("entries");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("same minute, a zone in common")
            << music(1, 7, 30, kWorkdays, 0x03) + music(2, 7, 30, kWorkdays | kSat, 0x06)
            << QStringList{"冲突\t星期一至星期五\t07:30\t2\t程序1 第 01 条 / 程序1 第 02 "
                           "条\t音乐定时在同一分钟开始"};
        QTest::newRow("same minute, different zones, different minutes") << music(1, 7, 30, kEveryDay, 0x03)
                + music(2, 7, 30, kEveryDay, 0x0C)
                + music(3, 7, 31, kEveryDay, 0x01) << QStringList{};
        QTest::newRow("music at the first and the last minute of a radio span, not at its end")
            << radio(1, 8, 0, 9, 0, kMon, 0x01) + music(2, 8, 0, kMon, 0x01) + music(3, 8, 59, kMon, 0x01)
                + music(4, 9, 0, kMon, 0x01) + music(5, 7, 59, kMon, 0x01)
            << QStringList{
                   "冲突\t星期一\t08:00\t1\t程序1 第 01 条 / 程序1 第 02 条\t音乐定时在收音时段内开始",
                   "冲突\t星期一\t08:59\t1\t程序1 第 01 条 / 程序1 第 03 条\t音乐定时在收音时段内开始"};
        QTest::newRow("Sunday's radio past midnight reaches into Monday")
            << radio(1, 23, 0, 1, 0, kSun, 0x03) + music(2, 0, 30, kMon, 0x02)
                + radio(3, 0, 45, 2, 0, kMon, 0x01)
            << QStringList{
                   "冲突\t星期一\t00:30\t2\t程序1 第 01 条 / 程序1 第 02 条\t音乐定时在收音时段内开始",
                   "冲突\t星期一\t00:45-01:00\t1\t程序1 第 01 条 / 程序1 第 03 条\t收音时段重叠",
                   "提示\t星期日\t23:00-次日01:00\t1,2\t程序1 第 01 "
                   "条\t跨过午夜，到次日结束；星期日的到星期一结束"};
        QTest::newRow("peripheral spans overlapping are a note")
            << device(1, 8, 0, 9, 0, kTue, 0x01) + device(2, 8, 30, 10, 0, kTue, 0x0F)
                + device(3, 9, 0, 9, 30, kTue, 0x01)
            << QStringList{"提示\t星期二\t08:30-09:00\t1\t程序1 第 01 条 / 程序1 第 02 "
                           "条\t外设定时重叠，外设连续工作",
                           "提示\t星期二\t09:00-09:30\t1\t程序1 第 02 条 / 程序1 第 03 "
                           "条\t外设定时重叠，外设连续工作"};
        QTest::newRow("timings that cannot do anything, and bytes the file cannot hold")
            << music(1, 7, 0, 0, 0x0F) + music(2, 7, 0, kMon, 0) + device(3, 8, 0, 8, 0, kMon, 0x01)
                + music(4, 24, 0, kMon, 0x01) + radio(5, 6, 0, 6, 60, kMon, 0x01)
                + radio(7, 6, 0, 7, 0, kTue, 0x01, 100) + music(8, 7, 0, 0x80, 0xF1)
                + bytesOf(timingEntry(9, 7, 0, 1, 100, 3, 10, 20, kMon, 0x01))
            << QStringList{"无效\t星期一\t\t1\t程序1 第 04 条\t开始时间无效",
                           "无效\t星期一\t\t1\t程序1 第 05 条\t结束时间无效",
                           "无效\t星期一\t07:00\t1\t程序1 第 09 条\t曲目号超过 99",
                           "无效\t星期一\t08:00-08:00\t1\t程序1 第 03 条\t开始时间等于结束时间",
                           "无效\t星期二\t06:00-07:00\t1\t程序1 第 07 条\t电台号超过 99",
                           "无效\t\t07:00\t1,2,3,4\t程序1 第 01 条\t没有选择星期",
                           "无效\t\t07:00\t1\t程序1 第 08 条\t没有选择星期",
                           "不播放\t星期一\t07:00\t\t程序1 第 02 条\t没有选择分区",
                           "不播放\t\t\t\t程序1\t播放机运行程序1，但它没有会播放的定时"};
    }
    void checkFinds()
    {
        QFETCH(QByteArray, entries);
        QFETCH(QStringList, lines);
        const WeekReview review = reviewWeek(programsOf(entries), 0, 0);
        QCOMPARE(linesOf(review.findings, findingLine), lines);
        QCOMPARE(passes(review.findings),
                 !lines.join(QString()).contains(QRegularExpression("冲突|无效|不播放")));
    }

    // Programs the player does not run are named, the one it runs never; another program's week is
    // checked against the run one.
    void otherProgramsAreNoted()
    {
        std::array<std::vector<TimingEntry>, kProgramCount> programs = programsOf(music(1, 7, 0, kMon, 0x01));
        programs[2] = programs[0];
        programs[2].push_back(timingEntry(2, 7, 0, 1, 2, 3, 0, 0, kMon, 0x01));
        const QStringList notes{"不播放\t\t\t\t程序2\t播放机运行程序2，但它没有会播放的定时",
                                "提示\t\t\t\t程序1\t有 1 条定时，播放机运行程序2，这些定时保留但不播放",
                                "提示\t\t\t\t程序3\t有 2 条定时，播放机运行程序2，这些定时保留但不播放"};
        QCOMPARE(linesOf(reviewWeek(programs, 1, 1).findings, findingLine), notes);
        const std::vector<Finding> third = reviewWeek(programs, 2, 0).findings;
        QCOMPARE(third.size(), std::size_t(2));
        QCOMPARE(QString::fromStdString(findingLine(third[0])),
                 "冲突\t星期一\t07:00\t1\t程序3 第 01 条 / 程序3 第 02 条\t音乐定时在同一分钟开始");
        QCOMPARE(QString::fromStdString(findingLine(third[1])),
                 "提示\t\t\t\t程序3\t有 2 条定时，播放机运行程序1，这些定时保留但不播放");
    }
};

QTEST_APPLESS_MAIN(WeekCheckTest)
#include "week_check_test.moc"
