// The cell texts of the overview list: every kind of table, empty slots, day and zone texts.

#include "OverviewText.h"

#include <QtTest>

using namespace tavisto;

namespace {

const SlotSelection kMusic{1, TimingType::Music, 1};
const SlotSelection kDevice{2, TimingType::Peripheral, 1};
const SlotSelection kRandom{kRandomProgram, TimingType::Music, 1};

QStringList texts(const OverviewRow& row)
{
    QStringList result;
    for (const std::string& cell : row)
        result << QString::fromStdString(cell);
    return result;
}

CP timing(std::uint8_t startHour, std::uint8_t startMinute, std::uint8_t endHour, std::uint8_t endMinute)
{
    CP cp;
    cp.Serial = 1;
    cp.StartHour = startHour;
    cp.StartMinute = startMinute;
    cp.EndHour = endHour;
    cp.EndMinute = endMinute;
    return cp;
}

}  // namespace

Q_DECLARE_METATYPE(tavisto::SlotSelection)
Q_DECLARE_METATYPE(tavisto::CP)

class OverviewTextTest : public QObject {
    Q_OBJECT
private slots:
    void linkStr_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("every day") << 0x7F << "1-2-3-4-5-6-日";
        QTest::newRow("bit 7 ignored") << 0xFF << "1-2-3-4-5-6-日";
        QTest::newRow("Mon Wed Fri") << 0x15 << "1- -3- -5- - ";
        QTest::newRow("no day") << 0x00 << " - - - - - - ";
        QTest::newRow("only bit 7") << 0x80 << " - - - - - - ";
        QTest::newRow("Sunday only") << 0x40 << " - - - - - -日";
    }
    void linkStr()
    {
        QFETCH(int, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(LinkStr(std::uint8_t(value))), text);
    }

    void cells_data()
    {
        QTest::addColumn<SlotSelection>("selection");
        QTest::addColumn<int>("slot");
        QTest::addColumn<CP>("cp");
        QTest::addColumn<QStringList>("cells");

        CP music = timing(0x07, 0x30, 0, 0);
        music.Track1 = 1, music.Track2 = 12, music.Track3 = 3;
        music.Weekdays = 0x7F, music.Zones = 0x03;
        QTest::newRow("music") << kMusic << 1 << music
                               << QStringList{"01", "指定曲目 01 - 12 - 03", "07:30", "1-2-3-4-5-6-日",
                                              "1-2- - - - - "};

        CP bigTracks = music;
        bigTracks.Track1 = 100, bigTracks.Track2 = 5, bigTracks.Track3 = 255;
        QTest::newRow("tracks of 100 and more")
            << kMusic << 42 << bigTracks
            << QStringList{"42", "指定曲目 100 - 05 - 255", "07:30", "1-2-3-4-5-6-日", "1-2- - - - - "};

        CP device = timing(0x08, 0x00, 0x08, 0x45);
        device.Weekdays = 0x15, device.Zones = 0xFF;  // zone bits 6 and 7 never show
        QTest::newRow("peripheral") << kDevice << 99 << device
                                    << QStringList{"99", "外设工作", "从 08:00 到 08:45", "1- -3- -5- - ",
                                                   "1-2-3-4-5-6- "};

        CP inOrder = timing(0x23, 0x59, 0x00, 0x05);
        inOrder.FirstTrack = 5, inOrder.LastTrack = 20, inOrder.PlayMode = 1;
        QTest::newRow("random in order")
            << kRandom << 10 << inOrder
            << QStringList{"10", "曲目范围从 05 到 20 顺序播放", "从 23:59 到 00:05", " - - - - - - ",
                           " - - - - - - "};

        CP atRandom = inOrder;
        atRandom.PlayMode = 2;  // anything but 1 plays at random
        QTest::newRow("random at random")
            << kRandom << 3 << atRandom
            << QStringList{"03", "曲目范围从 05 到 20 随机播放", "从 23:59 到 00:05", " - - - - - - ",
                           " - - - - - - "};
    }
    void cells()
    {
        QFETCH(SlotSelection, selection);
        QFETCH(int, slot);
        QFETCH(CP, cp);
        QFETCH(QStringList, cells);
        QCOMPARE(texts(overviewRow(selection, slot, cp)), cells);
    }

    // An empty slot, read through LoadBuftoCP, shows exactly like a timing whose fields are all 0.
    void emptySlotLikeZeroTiming_data()
    {
        QTest::addColumn<SlotSelection>("selection");
        QTest::addColumn<QStringList>("cells");
        const QString noBits = " - - - - - - ";
        QTest::newRow("music") << kMusic
                               << QStringList{"07", "指定曲目 00 - 00 - 00", "00:00", noBits, noBits};
        QTest::newRow("peripheral") << kDevice
                                    << QStringList{"07", "外设工作", "从 00:00 到 00:00", noBits, noBits};
        QTest::newRow("random") << kRandom
                                << QStringList{"07", "曲目范围从 00 到 00 随机播放", "从 00:00 到 00:00",
                                               noBits, noBits};
    }
    void emptySlotLikeZeroTiming()
    {
        QFETCH(SlotSelection, selection);
        QFETCH(QStringList, cells);
        for (std::uint8_t marker : {std::uint8_t(0x00), std::uint8_t(0xFF)}) {
            TimingBuffer buffer;
            buffer.fill(0x5A);
            std::uint8_t* slot = selection.EditObject == kRandomProgram
                ? buffer.randomSlot(7)
                : buffer.programSlot(selection.EditObject, selection.Type, 7);
            slot[0] = marker;
            CP loaded;
            LoadBuftoCP(buffer, selection, 7, loaded);
            QCOMPARE(texts(overviewRow(selection, 7, loaded)), cells);
        }
        CP zero;
        ClearCP(zero);
        zero.Serial = 7;
        QCOMPARE(texts(overviewRow(selection, 7, zero)), cells);
    }

    void rowCounts()
    {
        QCOMPARE(lastSlot(kMusic), 99);
        QCOMPARE(lastSlot(kDevice), 99);
        QCOMPARE(lastSlot(kRandom), 10);
    }
};

QTEST_APPLESS_MAIN(OverviewTextTest)
#include "overview_text_test.moc"
