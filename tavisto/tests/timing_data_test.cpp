// Slot addressing and the transfer between the current record and the TimingBuffer.

#include "CurrentTiming.h"

#include <QtTest>
#include <array>
#include <vector>

using namespace tavisto;

namespace {

constexpr int kSize = 6500;

std::uint8_t* raw(TimingBuffer& buffer)
{
    return const_cast<std::uint8_t*>(buffer.bytes().data());
}

std::array<std::uint8_t*, 13> fields(CP& cp)
{
    return {&cp.Serial, &cp.StartHour,  &cp.StartMinute, &cp.EndHour,  &cp.EndMinute, &cp.Track1,  &cp.Track2,
            &cp.Track3, &cp.FirstTrack, &cp.LastTrack,   &cp.Weekdays, &cp.Zones,     &cp.PlayMode};
}

CP filled(int value, int step = 0)
{
    CP cp;
    for (std::uint8_t* f : fields(cp))
        *f = std::uint8_t(value), value += step;
    return cp;
}

QString differences(CP actual, CP expected)
{
    QString text;
    for (int f = 0; f < 13; ++f)
        if (*fields(actual)[f] != *fields(expected)[f])
            text += QString(" field %1: %2 not %3").arg(f).arg(*fields(actual)[f]).arg(*fields(expected)[f]);
    return text;
}

// The CP field (index into fields()) that each slot byte holds; -1 for the reserved byte.
const std::vector<int> kMusicLayout = {0, 1, 2, 5, 6, 7, 10, 11};
const std::vector<int> kDeviceLayout = {0, 1, 2, 3, 4, -1, 10, 11};
const std::vector<int> kRandomLayout = {0, 1, 2, 3, 4, 12, 10, 11, 8, 9};

}  // namespace

class TimingDataTest : public QObject {
    Q_OBJECT
private slots:
    void storeAndLoadAddressTheSlot_data()
    {
        QTest::addColumn<int>("editObject");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("slotNo");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("offset");  // -1: no table, nothing happens
        QTest::newRow("p1 music 1") << 1 << 0 << 9 << 1 << 0;
        QTest::newRow("p1 music 150 -> 100") << 1 << 0 << 1 << 150 << 792;
        QTest::newRow("p2 music shown 57") << 2 << 0 << 57 << 0 << 1248;
        QTest::newRow("p4 music 100") << 4 << 0 << 1 << 100 << 3192;
        QTest::newRow("p1 peripheral 1") << 1 << 1 << 1 << 1 << 3200;
        QTest::newRow("p3 peripheral shown 0 -> 1") << 3 << 1 << 0 << 0 << 4800;
        QTest::newRow("p4 peripheral 99") << 4 << 1 << 1 << 99 << 6384;
        QTest::newRow("p4 peripheral shown 150 -> 100") << 4 << 1 << 150 << 0 << 6392;
        QTest::newRow("random 1") << 5 << 0 << 7 << 1 << 6400;
        QTest::newRow("random shown 0 -> 1") << 5 << 1 << 0 << 0 << 6400;
        QTest::newRow("random 10") << 5 << 0 << 1 << 10 << 6490;
        QTest::newRow("random 11 -> 10") << 5 << 0 << 1 << 11 << 6490;
        QTest::newRow("random shown 255 -> 10") << 5 << 1 << 255 << 0 << 6490;
        QTest::newRow("edit object 0") << 0 << 0 << 1 << 1 << -1;
        QTest::newRow("edit object 6") << 6 << 1 << 1 << 1 << -1;
    }

    // A store writes exactly its slot in the layout of its kind (0 in a peripheral slot's reserved byte);
    // loading that slot reads exactly those fields and keeps the record's others.
    void storeAndLoadAddressTheSlot()
    {
        QFETCH(int, editObject);
        QFETCH(int, type);
        QFETCH(int, slotNo);
        QFETCH(int, slot);
        QFETCH(int, offset);
        const SlotSelection selection{std::uint8_t(editObject), TimingType(type), std::uint8_t(slotNo)};
        const std::vector<int> layout = offset < 0 ? std::vector<int>{}
            : editObject == 5                      ? kRandomLayout
            : type == 0                            ? kMusicLayout
                                                   : kDeviceLayout;
        CP stored = filled(0x21, 1);
        CP loaded = filled(0x77);
        for (int f : layout)
            if (f >= 0)
                *fields(loaded)[f] = *fields(stored)[f];

        TimingBuffer buffer;
        buffer.fill(0x5A);  // every slot used, every reserved byte not 0
        SaveCPtoBuf(buffer, selection, std::uint8_t(slot), stored);
        for (int i = 0; i < kSize; ++i) {
            const int k = i - offset;
            const bool inSlot = offset >= 0 && k >= 0 && k < int(layout.size());
            const int expected = !inSlot ? 0x5A : layout[k] < 0 ? 0 : *fields(stored)[layout[k]];
            QVERIFY2(buffer.bytes()[i] == expected, qPrintable(QString("byte %1").arg(i)));
        }

        CP cp = filled(0x77);
        LoadBuftoCP(buffer, selection, std::uint8_t(slot), cp);
        QCOMPARE(differences(cp, loaded), QString());
    }

    // Serial 0x00 and 0xFF both mark an empty slot: the other bytes are ignored, the record is cleared.
    void emptySlotLoadsAsClearedRecord()
    {
        const SlotSelection music{1, TimingType::Music, 1}, device{4, TimingType::Peripheral, 1},
            random{5, {}, 1};
        for (auto [selection, offset] : {std::pair{music, 0}, {device, 5600}, {random, 6400}})
            for (int marker : {0x00, 0xFF}) {
                TimingBuffer buffer;
                buffer.fill(0x33);
                raw(buffer)[offset] = std::uint8_t(marker);
                CP cp = filled(0x21, 1), expected = filled(0);
                expected.Serial = std::uint8_t(marker);
                LoadBuftoCP(buffer, selection, 0, cp);
                const QString wrong = differences(cp, expected);
                QVERIFY2(wrong.isEmpty(),
                         qPrintable(QString("slot at %1, Serial %2:").arg(offset).arg(marker) + wrong));
            }
    }

    // Whole tables, slot 100 included, and nothing beside them.
    void programOperationsTouchOnlyTheirTables()
    {
        // from 1..4: copy; 0: clear program `to`; to 0: clear the random table
        for (auto [from, to] : {std::pair{2, 4}, {4, 1}, {0, 1}, {0, 4}, {0, 0}}) {
            TimingBuffer buffer;
            for (int i = 0; i < kSize; ++i)
                raw(buffer)[i] = std::uint8_t(i * 7 + 3);
            std::vector<std::uint8_t> expected(buffer.bytes().begin(), buffer.bytes().end());
            if (to == 0) {
                buffer.clearRandomTable();
                std::fill(expected.begin() + 6400, expected.end(), 0xFF);
            } else {
                from ? buffer.copyProgram(from, to) : buffer.clearProgram(to);
                for (int table : {(to - 1) * 800, 3200 + (to - 1) * 800}) {  // music, peripheral
                    for (int i = table; i < table + 800; ++i)
                        expected[i] = from ? std::uint8_t((i + (from - to) * 800) * 7 + 3) : 0xFF;
                }
            }
            for (int i = 0; i < kSize; ++i)
                QVERIFY2(buffer.bytes()[i] == expected[i],
                         qPrintable(QString("%1 %2: byte %3").arg(from).arg(to).arg(i)));
        }
    }
};

QTEST_APPLESS_MAIN(TimingDataTest)
#include "timing_data_test.moc"
