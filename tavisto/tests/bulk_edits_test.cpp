// The bulk edits of a table and the history of a set, without a window: where copies go, what is
// refused as a whole, spans across midnight, and undo and redo giving back the very bytes.

#include "BulkEdits.h"
#include "ScheduleHistory.h"
#include "SeriesTimes.h"
#include "TextConversions.h"
#include "WeekPlan.h"

#include <QtTest>

using namespace tavisto;

namespace {

const SlotSelection kMusic{1, TimingType::Music, 1};
const SlotSelection kDevice{1, TimingType::Peripheral, 1};
const SlotSelection kRandom{kRandomProgram, TimingType::Music, 1};

struct Timing {
    int slot;
    int start;     // minute of the day
    int end = -1;  // spans only
    int days = 0x1F;
    int zones = 0x03;
};

// A set whose table `table` holds `timings` (track 1 of music, range 1..20 of random), and whose
// slots `stamped` were only visited: their number and zeros.
TimingSet setOf(const SlotSelection& table, const std::vector<Timing>& timings,
                const std::vector<int>& stamped = {})
{
    TimingSet set = TimingSet::fresh();
    for (const Timing& t : timings) {
        CP cp;
        cp.Serial = std::uint8_t(t.slot);
        cp.StartHour = toBcd(t.start / 60);
        cp.StartMinute = toBcd(t.start % 60);
        if (t.end >= 0) {
            cp.EndHour = toBcd(t.end / 60);
            cp.EndMinute = toBcd(t.end % 60);
        }
        cp.Track1 = cp.FirstTrack = 1;
        cp.LastTrack = 20;
        cp.Weekdays = std::uint8_t(t.days);
        cp.Zones = std::uint8_t(t.zones);
        SaveCPtoBuf(set.Buffer, table, cp.Serial, cp);
    }
    for (int slot : stamped) {
        CP cp;
        cp.Serial = std::uint8_t(slot);
        ClearCP(cp);
        SaveCPtoBuf(set.Buffer, table, cp.Serial, cp);
    }
    return set;
}

// The table's timings as "slot start[-end] days zones", e.g. "03 08:45-08:50 1f 03".
QStringList listing(const TimingSet& set, const SlotSelection& table)
{
    QStringList lines;
    for (int slot = 1; slot <= kProgramSlots; ++slot) {
        if ((table.EditObject == kRandomProgram && slot > kRandomSlots) || !slotHoldsTiming(set, table, slot))
            continue;
        CP cp;
        LoadBuftoCP(set.Buffer, table, std::uint8_t(slot), cp);
        QString line = QString::fromStdString(MyIntToStr(slot) + " " + MyBcdToStr(cp.StartHour) + ":"
                                              + MyBcdToStr(cp.StartMinute));
        if (table.EditObject == kRandomProgram || table.Type == TimingType::Peripheral)
            line += QString::fromStdString("-" + MyBcdToStr(cp.EndHour) + ":" + MyBcdToStr(cp.EndMinute));
        lines << line
                + QStringLiteral(" %1 %2")
                      .arg(cp.Weekdays, 2, 16, QLatin1Char('0'))
                      .arg(cp.Zones, 2, 16, QLatin1Char('0'));
    }
    return lines;
}

// Every slot 1..last but the ones in `free` holds a music timing at 06:00.
std::vector<Timing> allBut(std::vector<int> free, int last = kProgramSlots - 1)
{
    std::vector<Timing> timings;
    for (int slot = 1; slot <= last; ++slot)
        if (std::find(free.begin(), free.end(), slot) == free.end())
            timings.push_back({slot, 6 * 60, 7 * 60});
    return timings;
}

// What an edit did: the table after it (unless left empty) and the slots written, or the refusal
// and the timings it names.
struct Expected {
    QStringList listing;
    QString refusal;
    QList<int> touched;
};

Expected listed(const QStringList& listing, const QList<int>& touched = {})
{
    return {listing, QString(), touched};
}

Expected refusedAs(const QString& refusal, const QList<int>& concerned = {})
{
    return {QStringList(), refusal, concerned};
}

void check(const BulkOutcome& outcome, const TimingSet& before, const SlotSelection& table,
           const Expected& expected)
{
    QCOMPARE(QString::fromStdString(outcome.refusal), expected.refusal);
    QCOMPARE(outcome.set.has_value(), expected.refusal.isEmpty());
    if (!expected.touched.isEmpty())
        QCOMPARE(QList<int>(outcome.touched.begin(), outcome.touched.end()), expected.touched);
    if (!outcome.set)
        return;
    if (!expected.listing.isEmpty())
        QCOMPARE(listing(*outcome.set, table), expected.listing);
    // Slot 100 and the settings are never touched.
    if (table.EditObject != kRandomProgram)
        QVERIFY(std::equal(before.Buffer.programSlot(1, table.Type, 100),
                           before.Buffer.programSlot(1, table.Type, 100) + kProgramSlotSize,
                           outcome.set->Buffer.programSlot(1, table.Type, 100)));
    QCOMPARE(outcome.set->RunProgram, before.RunProgram);
    QCOMPARE(outcome.set->RandomEnabled, before.RandomEnabled);
}

using Edit = std::function<BulkOutcome(const TimingSet&, const SlotSelection&, const std::vector<int>&)>;

}  // namespace

Q_DECLARE_METATYPE(Edit)
Q_DECLARE_METATYPE(TimingSet)
Q_DECLARE_METATYPE(SlotSelection)
Q_DECLARE_METATYPE(Expected)

class BulkEditsTest : public QObject {
    Q_OBJECT
private slots:
    void seriesTimes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("minutes");
        QTest::addColumn<QString>("unreadable");
        QTest::newRow("blanks, commas, lines")
            << "7:55, 8:40\n09:35\t10:30" << QList<int>{475, 520, 575, 630} << "";
        QTest::newRow("full-width marks")
            << "8：00，9:00、10:00　11:00" << QList<int>{480, 540, 600, 660} << "";
        QTest::newRow("sorted, each once") << "9:00 8:00 9:00" << QList<int>{480, 540} << "";
        QTest::newRow("range landing on its end") << "08:00-09:30/45" << QList<int>{480, 525, 570} << "";
        QTest::newRow("range stopping before its end") << "08:00-09:00/45" << QList<int>{480, 525} << "";
        QTest::newRow("range and times") << "7:00 08:00-08:20/10" << QList<int>{420, 480, 490, 500} << "";
        QTest::newRow("nothing") << " \n " << QList<int>{} << "";
        QTest::newRow("hour 24") << "8:00 24:00" << QList<int>{} << "24:00";
        QTest::newRow("one minute digit") << "8:5" << QList<int>{} << "8:5";
        QTest::newRow("no colon") << "800" << QList<int>{} << "800";
        QTest::newRow("range backwards") << "09:00-08:00/10" << QList<int>{} << "09:00-08:00/10";
        QTest::newRow("range without step") << "08:00-09:00" << QList<int>{} << "08:00-09:00";
        QTest::newRow("range step 0") << "08:00-09:00/0" << QList<int>{} << "08:00-09:00/0";
    }
    void seriesTimes()
    {
        QFETCH(QString, text);
        QFETCH(QList<int>, minutes);
        QFETCH(QString, unreadable);
        const SeriesTimes series = parseSeriesTimes(text.toStdString());
        QCOMPARE(QList<int>(series.minutes.begin(), series.minutes.end()), minutes);
        QCOMPARE(QString::fromStdString(series.unreadable), unreadable);
    }

    void series_data()
    {
        QTest::addColumn<SlotSelection>("table");
        QTest::addColumn<TimingSet>("set");
        QTest::addColumn<int>("model");
        QTest::addColumn<QList<int>>("minutes");
        QTest::addColumn<Expected>("expected");
        QTest::newRow("in time order, gaps and visited slots first")
            << kMusic << setOf(kMusic, {{1, 480}, {3, 600}}, {2}) << 1 << QList<int>{585, 525}
            << listed({"01 08:00 1f 03", "02 08:45 1f 03", "03 10:00 1f 03", "04 09:45 1f 03"});
        QTest::newRow("the model's own time left out")
            << kMusic << setOf(kMusic, {{1, 480}}) << 1 << QList<int>{480, 525}
            << listed({"01 08:00 1f 03", "02 08:45 1f 03"});
        QTest::newRow("a span keeps its length, past midnight")
            << kDevice << setOf(kDevice, {{5, 475, 480}}) << 5 << QList<int>{1438}
            << listed({"01 23:58-00:03 1f 03", "05 07:55-08:00 1f 03"});
        QTest::newRow("the last free slot is 99, never 100")
            << kMusic << setOf(kMusic, allBut({99})) << 1 << QList<int>{480} << listed({}, {99});
        QTest::newRow("no room: nothing added")
            << kMusic << setOf(kMusic, allBut({98, 99})) << 1 << QList<int>{480, 540, 600}
            << refusedAs("只有 2 个空位，需要 3 个", {});
        QTest::newRow("random table: ten slots")
            << kRandom << setOf(kRandom, allBut({}, 9)) << 1 << QList<int>{480, 540}
            << refusedAs("只有 1 个空位，需要 2 个", {});
        QTest::newRow("a model that holds no timing")
            << kMusic << setOf(kMusic, {}, {4}) << 4 << QList<int>{480} << refusedAs("选中的行没有定时", {});
        QTest::newRow("only the model's time") << kMusic << setOf(kMusic, {{1, 480}}) << 1 << QList<int>{480}
                                               << refusedAs("没有要添加的时间", {});
    }
    void series()
    {
        QFETCH(SlotSelection, table);
        QFETCH(TimingSet, set);
        QFETCH(QList<int>, minutes);
        QFETCH(Expected, expected);
        QFETCH(int, model);
        check(addSeries(set, table, model, {minutes.begin(), minutes.end()}), set, table, expected);
    }

    void copyShiftAndSet_data()
    {
        QTest::addColumn<SlotSelection>("table");
        QTest::addColumn<TimingSet>("set");
        QTest::addColumn<QList<int>>("chosen");
        QTest::addColumn<Edit>("edit");
        QTest::addColumn<Expected>("expected");
        const auto copyTo = [](int days, int zones) -> Edit {
            return [=](const TimingSet& s, const SlotSelection& t, const std::vector<int>& c) {
                return copyTimings(s, t, c, std::uint8_t(days), std::uint8_t(zones));
            };
        };
        const auto shiftBy = [](int minutes) -> Edit {
            return [=](const TimingSet& s, const SlotSelection& t, const std::vector<int>& c) {
                return shiftTimings(s, t, c, minutes);
            };
        };
        const auto daysZones = [](BitChange days, BitChange zones) -> Edit {
            return [=](const TimingSet& s, const SlotSelection& t, const std::vector<int>& c) {
                return setDaysAndZones(s, t, c, days, zones);
            };
        };
        const TimingSet bells = setOf(kMusic, {{1, 480}, {2, 525, -1, 0x1F, 0x0F}, {4, 600}}, {3});

        QTest::newRow("copy: slot order, days and zones as chosen")
            << kMusic << bells << QList<int>{2, 1, 3} << copyTo(0x20, 0x10)
            << listed({"01 08:00 1f 03", "02 08:45 1f 0f", "03 08:00 20 10", "04 10:00 1f 03",
                       "05 08:45 20 10"});
        QTest::newRow("copy: no room") << kMusic << setOf(kMusic, allBut({99})) << QList<int>{1, 2}
                                       << copyTo(0x20, 1) << refusedAs("只有 1 个空位，需要 2 个", {});
        QTest::newRow("copy: no day")
            << kMusic << bells << QList<int>{1} << copyTo(0, 1) << refusedAs("没有选择星期", {});
        QTest::newRow("copy: only visited slots")
            << kMusic << bells << QList<int>{3} << copyTo(1, 1) << refusedAs("选中的行没有定时", {});
        QTest::newRow("shift later; a visited slot stays as it is")
            << kMusic << bells << QList<int>{1, 3, 4} << shiftBy(10)
            << listed({"01 08:10 1f 03", "02 08:45 1f 0f", "04 10:10 1f 03"});
        QTest::newRow("shift earlier to midnight") << kMusic << setOf(kMusic, {{1, 5}}) << QList<int>{1}
                                                   << shiftBy(-5) << listed({"01 00:00 1f 03"});
        QTest::newRow("shift: ends move past midnight with their start")
            << kDevice << setOf(kDevice, {{1, 1420, 1435}, {2, 600, 5}}) << QList<int>{1, 2} << shiftBy(15)
            << listed({"01 23:55-00:10 1f 03", "02 10:15-00:20 1f 03"});
        QTest::newRow("shift: a start leaving the day refuses all, naming it")
            << kDevice << setOf(kDevice, {{1, 1420, 1435}, {2, 1380, 1400}, {3, 1439, 1}})
            << QList<int>{1, 2, 3} << shiftBy(20) << refusedAs("平移后开始时间将超出 00:00–23:59", {1, 3});
        QTest::newRow("shift: before midnight") << kMusic << bells << QList<int>{1, 2} << shiftBy(-481)
                                                << refusedAs("平移后开始时间将超出 00:00–23:59", {1});
        QTest::newRow("days and zones: on adds, off removes, the rest kept")
            << kMusic << bells << QList<int>{2, 4} << daysZones({0x40, 0x01}, {0x20, 0x02})
            << listed({"01 08:00 1f 03", "02 08:45 5e 2d", "04 10:00 5e 21"});
        QTest::newRow("days and zones: only visited slots")
            << kMusic << bells << QList<int>{3} << daysZones({1, 0}, {}) << refusedAs("选中的行没有定时", {});
    }
    void copyShiftAndSet()
    {
        QFETCH(SlotSelection, table);
        QFETCH(TimingSet, set);
        QFETCH(QList<int>, chosen);
        QFETCH(Edit, edit);
        QFETCH(Expected, expected);
        check(edit(set, table, {chosen.begin(), chosen.end()}), set, table, expected);
    }

    // Clearing leaves each slot as the overview's 清除定时 does: Serial 0 and zeros, held or not.
    void clearing()
    {
        const TimingSet set = setOf(kRandom, {{2, 480, 540}, {10, 600, 660}});
        const BulkOutcome outcome = clearTimings(set, kRandom, {2, 5});
        QVERIFY(outcome.set);
        QCOMPARE(listing(*outcome.set, kRandom), QStringList{"10 10:00-11:00 1f 03"});
        for (int slot : {2, 5})
            QVERIFY(std::all_of(outcome.set->Buffer.randomSlot(slot),
                                outcome.set->Buffer.randomSlot(slot) + kRandomSlotSize,
                                [](std::uint8_t b) { return b == 0; }));
    }

    // Undo gives back the set before a step, redo the set after it; a new step drops the steps
    // undone; the saved image is known wherever the history stands.
    void history()
    {
        ScheduleHistory<int> history;
        const TimingSet opened = setOf(kMusic, {{1, 480}});
        history.restart(opened);
        QVERIFY(!history.nextUndo() && !history.nextRedo());
        const TimingSet a = *addSeries(opened, kMusic, 1, {540}).set;
        const TimingSet b = *shiftTimings(a, kMusic, {1, 2}, 5).set;
        history.record({"批量添加 1 条定时", opened, a, 1, 2});
        history.record({"平移 2 条定时", a, b, 2, 3});
        QCOMPARE(history.nextUndo()->name, std::string("平移 2 条定时"));

        const auto* step = history.undo();
        QVERIFY(step->before == a && step->viewBefore == 2);
        QVERIFY(history.undo()->before == opened);
        QVERIFY(!history.undo());
        QVERIFY(history.isSaved(opened));
        QVERIFY(history.redo()->after == a);
        QVERIFY(!history.isSaved(a));
        history.markSaved(a);
        QCOMPARE(history.nextRedo()->name, std::string("平移 2 条定时"));
        history.record({"清除 1 条定时", a, *clearTimings(a, kMusic, {1}).set, 2, 2});
        QVERIFY(!history.nextRedo());
        QVERIFY(history.undo()->before == a && history.isSaved(a));

        for (std::size_t i = 0; i < ScheduleHistory<int>::kMaxSteps + 5; ++i)
            history.record({"step", opened, a, 0, 0});
        std::size_t undone = 0;
        while (history.undo())
            ++undone;
        QCOMPARE(undone, ScheduleHistory<int>::kMaxSteps);
    }
};

QTEST_GUILESS_MAIN(BulkEditsTest)
#include "bulk_edits_test.moc"
