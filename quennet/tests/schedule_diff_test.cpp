// What `--diff` tells of two schedules: what plays differently, never where it is stored.
#include "DataFile.h"
#include "FileFixtures.h"
#include "ScheduleDiff.h"

#include <QTest>

using namespace quennet;
using namespace quennet::testing;

namespace {
DataFile::Listing listingOf(const QByteArray& file)
{
    return DataFile::listImage({file.begin(), file.end()});
}

// Program 1: music on Monday at 07:30 in zones 1 and 2, radio on Monday 06:00-06:30 in zone 1.
QByteArray base()
{
    QByteArray file = emptyFile(0);
    putEntry(file, 0, 1, timingEntry(1, 7, 30, 1, 2, 3, 0, 0, 0x02, 0x03));
    putEntry(file, 0, 2, timingEntry(2, 6, 0, 5, 0, 0, 6, 30, 0x02, 0x01, 1));
    return file;
}
}  // namespace

class ScheduleDiffTest : public QObject {
    Q_OBJECT

private slots:
    void pairs_data()
    {
        QTest::addColumn<QByteArray>("b");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("the same") << base() << QStringList();
        QByteArray moved = base();
        putEntry(moved, 0, 1, deletedEntry());
        putEntry(moved, 0, 9, timingEntry(9, 7, 30, 1, 2, 3, 0, 0, 0x02, 0x03));
        moved[3 + int(entryOffset(0, 9))] = 0x33;  // and a byte the player never reads
        QTest::newRow("a timing moved to another slot") << moved << QStringList();
        QByteArray later = base();
        putEntry(later, 0, 1, timingEntry(1, 7, 45, 1, 2, 3, 0, 0, 0x02, 0x03));
        QTest::newRow("a time changed")
            << later
            << QStringList{"- 程序1\t星期一\t07:30\t\t1,2\t音乐 01-02-03 随机00-00",
                           "+ 程序1\t星期一\t07:45\t\t1,2\t音乐 01-02-03 随机00-00"};
        QByteArray added = base();
        putEntry(added, 2, 1, timingEntry(1, 8, 0, kPeripheralTrack, 0, 0, 9, 0, 0x01, 0x08));
        QTest::newRow("a timing in another program")
            << added << QStringList{"+ 程序3\t星期日\t08:00\t09:00\t4\t外设"};
        QByteArray twice = base();
        putEntry(twice, 0, 3, timingEntry(3, 7, 30, 1, 2, 3, 0, 0, 0x02, 0x03));
        QTest::newRow("the same timing twice")
            << twice << QStringList{"+ 程序1\t星期一\t07:30\t\t1,2\t音乐 01-02-03 随机00-00"};
        QByteArray run = base();
        run[101] = 2;
        QTest::newRow("the run program") << run << QStringList{"- 运行程序\t程序1", "+ 运行程序\t程序3"};
        QByteArray silent = base();
        putEntry(silent, 0, 4, timingEntry(4, 8, 0, 7, 0, 0, 0, 0, 0x02, 0x00));
        QTest::newRow("a timing that never plays")
            << silent
            << QStringList{"+ 程序1\t不播放\t星期一\t08:00\t\t音乐 07-00-00 随机00-00\t没有选择分区"};
        QByteArray everything = later;
        everything[101] = 1;
        putEntry(everything, 0, 2, deletedEntry());
        QTest::newRow("in order: programs by day and time, then the settings")
            << everything
            << QStringList{"- 程序1\t星期一\t06:00\t06:30\t1\t收音 电台05",
                           "- 程序1\t星期一\t07:30\t\t1,2\t音乐 01-02-03 随机00-00",
                           "+ 程序1\t星期一\t07:45\t\t1,2\t音乐 01-02-03 随机00-00", "- 运行程序\t程序1",
                           "+ 运行程序\t程序2"};
    }
    void pairs()
    {
        QFETCH(QByteArray, b);
        QFETCH(QStringList, lines);
        const ScheduleDiff diff = diffSchedules(listingOf(base()), listingOf(b));
        QStringList texts;
        for (const std::string& line : diff.lines)
            texts << QString::fromStdString(line);
        QCOMPARE(texts, lines);
        QCOMPARE(diff.differs(), !lines.isEmpty());
    }
};

QTEST_GUILESS_MAIN(ScheduleDiffTest)
#include "schedule_diff_test.moc"
