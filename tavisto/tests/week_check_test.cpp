// The week the player runs and its findings, from the bytes of a timing set: instants and spans,
// midnight and Sunday to Monday, zones in common, what cannot do anything, and the random switch.

#include "TextConversions.h"
#include "WeekText.h"

#include <QtTest>
#include <vector>

using namespace tavisto;

namespace {

struct Slot {
    TimingKind kind;
    int program;  // 0: the random table
    int slot;
    std::vector<std::uint8_t> bytes;  // the slot's bytes after Serial
};

Slot music(int slot, int hour, int minute, int days, int zones, int track = 1, int program = 1)
{
    return {TimingKind::Music,
            program,
            slot,
            {toBcd(hour), toBcd(minute), std::uint8_t(track), 0, 0, std::uint8_t(days), std::uint8_t(zones)}};
}
Slot device(int slot, int hour, int minute, int endHour, int endMinute, int days, int zones)
{
    return {TimingKind::Peripheral,
            1,
            slot,
            {toBcd(hour), toBcd(minute), toBcd(endHour), toBcd(endMinute), 0, std::uint8_t(days),
             std::uint8_t(zones)}};
}
Slot random(int slot, int hour, int minute, int endHour, int endMinute, int days, int zones, int last = 20)
{
    return {TimingKind::Random,
            0,
            slot,
            {toBcd(hour), toBcd(minute), toBcd(endHour), toBcd(endMinute), 1, std::uint8_t(days),
             std::uint8_t(zones), 1, std::uint8_t(last)}};
}
Slot raw(TimingKind kind, int slot, std::vector<std::uint8_t> bytes)
{
    return {kind, kind == TimingKind::Random ? 0 : 1, slot, std::move(bytes)};
}

constexpr int kMon = 0x01, kTue = 0x02, kSun = 0x40, kWorkdays = 0x1F;

TimingSet setOf(const std::vector<Slot>& given, std::uint8_t randomEnabled = 1)
{
    TimingSet set = TimingSet::fresh();
    set.RandomEnabled = randomEnabled;
    for (const Slot& slot : given) {
        std::uint8_t* bytes = slot.kind == TimingKind::Random
            ? set.Buffer.randomSlot(slot.slot)
            : set.Buffer.programSlot(
                slot.program, slot.kind == TimingKind::Music ? TimingType::Music : TimingType::Peripheral,
                slot.slot);
        bytes[0] = std::uint8_t(slot.slot);
        std::copy(slot.bytes.begin(), slot.bytes.end(), bytes + 1);
    }
    return set;
}

QStringList findingLines(const TimingSet& set)
{
    QStringList lines;
    for (const Finding& finding : checkWeek(set, expandWeek(set, playedProgram(set))))
        lines << QString::fromStdString(findingLine(finding));
    return lines;
}

struct Case {
    const char* name;
    std::vector<Slot> given;
    QStringList findings;
    std::uint8_t randomEnabled = 1;
    std::uint8_t runProgram = 1;
};

// What showing an empty slot and moving on leaves in it: its number and zeros.
Slot visited(TimingKind kind, int slot)
{
    return raw(kind, slot, std::vector<std::uint8_t>(kind == TimingKind::Random ? 9 : 7, 0));
}

void checkCases(const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        TimingSet set = setOf(c.given, c.randomEnabled);
        set.RunProgram = c.runProgram;
        const QStringList lines = findingLines(set);
        QVERIFY2(lines == c.findings, qPrintable(QString("%1: %2").arg(c.name, lines.join(" | "))));
        const bool clean = std::none_of(c.findings.begin(), c.findings.end(), [](const QString& line) {
            return !line.startsWith(QStringLiteral("提示"));
        });
        QVERIFY2(passes(checkWeek(set, expandWeek(set, 1))) == clean, c.name);
    }
}

}  // namespace

class WeekCheckTest : public QObject {
    Q_OBJECT
private slots:
    // The week's lines: by day and start, then the tables' order; a span past midnight once, on
    // its start day, Sunday's into Monday; what does nothing is left out.
    void weekLines()
    {
        const TimingSet set = setOf({music(1, 7, 30, kMon | kTue, 0x03, 12),
                                     device(15, 8, 0, 8, 45, kMon, 0x3F), device(2, 7, 30, 7, 30, kMon, 0x01),
                                     random(2, 23, 0, 1, 30, kSun, 0x04), music(3, 7, 30, kMon, 0x20, 5, 2)});
        QStringList lines;
        for (const WeekEvent& event : expandWeek(set, 1).events)
            lines << QString::fromStdString(weekLine(event));
        QCOMPARE(lines,
                 (QStringList{"星期一\t07:30\t\t1,2\t音乐 12-00-00\t程序1 音乐定时 01",
                              "星期一\t08:00\t08:45\t1,2,3,4,5,6\t外设\t程序1 外设定时 15",
                              "星期二\t07:30\t\t1,2\t音乐 12-00-00\t程序1 音乐定时 01",
                              "星期日\t23:00\t次日01:30\t3\t随机 顺序 01-20\t随机程序 02"}));
        QCOMPARE(expandWeek(set, 2).events.size(),
                 std::size_t(2));  // program 2's one day, and the random one
    }

    void findings()
    {
        const std::vector<Case> cases{
            {"same minute, zone in common",
             {music(1, 7, 30, kWorkdays, 0x03), music(2, 7, 30, kWorkdays, 0x06)},
             {"冲突\t星期一至星期五\t07:30\t2\t程序1 音乐定时 01 / 程序1 音乐定时 "
              "02\t音乐定时在同一分钟开始"}},
            {"same minute, other zones",
             {music(1, 7, 30, kWorkdays, 0x03), music(2, 7, 30, kWorkdays, 0x0C)},
             {}},
            {"first, inner and last minute of a random span",
             {random(1, 12, 0, 13, 0, kMon | 0x04, 0x01), music(1, 12, 0, kMon, 0x01),
              music(2, 12, 59, 0x04, 0x01), music(3, 13, 0, kMon, 0x01)},
             {"冲突\t星期一\t12:00\t1\t程序1 音乐定时 01 / 随机程序 01\t音乐定时在随机播放时段内开始",
              "冲突\t星期三\t12:59\t1\t程序1 音乐定时 02 / 随机程序 01\t音乐定时在随机播放时段内开始"}},
            {"random spans: overlapping, and back to back",
             {random(1, 12, 0, 13, 0, kMon, 0x01), random(2, 12, 30, 14, 0, kMon, 0x03),
              random(3, 14, 0, 15, 0, kMon, 0x03)},
             {"冲突\t星期一\t12:30-13:00\t1\t随机程序 01 / 随机程序 02\t随机播放时段重叠"}},
            {"Sunday's span into Monday",
             {random(1, 23, 0, 1, 0, kSun, 0x01), music(1, 0, 30, kMon, 0x01)},
             {"冲突\t星期一\t00:30\t1\t程序1 音乐定时 01 / 随机程序 01\t音乐定时在随机播放时段内开始",
              "提示\t星期日\t23:00-次日01:00\t1\t随机程序 01\t跨过午夜，到次日结束；星期日的到星期一结束"}},
            {"peripheral spans past midnight overlap",
             {device(1, 22, 0, 2, 0, kMon, 0x01), device(2, 1, 0, 3, 0, kTue, 0x03)},
             {"提示\t星期一\t22:00-次日02:00\t1\t程序1 外设定时 01\t跨过午夜，到次日结束",
              "提示\t星期二\t01:00-02:00\t1\t程序1 外设定时 01 / 程序1 外设定时 "
              "02\t外设定时重叠，外设连续工作"}},
            {"random switched off",
             {random(1, 12, 0, 13, 0, kMon, 0x01), random(3, 8, 0, 9, 0, kTue, 0x02),
              music(1, 12, 0, kMon, 0x01)},
             {"提示\t星期一至星期二\t\t1,2\t随机程序 01 / 随机程序 03\t随机程序已关闭，这些随机定时不会播放"},
             0},
            {"what cannot do anything",
             {music(1, 7, 0, 0, 0x01), music(2, 7, 0, kMon, 0x00), device(1, 8, 0, 8, 0, kMon, 0x01),
              music(3, 7, 0, kMon, 0x01, 0), random(1, 9, 0, 10, 0, kMon, 0x01, 1)},
             {"无效\t星期一\t07:00\t1\t程序1 音乐定时 03\t三首曲目都是 00",
              "无效\t星期一\t08:00-08:00\t1\t程序1 外设定时 01\t开始时间等于结束时间",
              "无效\t星期一\t09:00-10:00\t1\t随机程序 01\t首曲目与末曲目相同",
              "无效\t\t07:00\t1\t程序1 音乐定时 01\t没有选择星期",
              "不播放\t星期一\t07:00\t\t程序1 音乐定时 02\t没有选择分区",
              "不播放\t\t\t\t程序1\t播放机运行程序1，但它没有会播放的定时"}},
            {"bytes the file cannot hold",
             {raw(TimingKind::Music, 1, {0x2A, 0x00, 1, 0, 0, kMon, 0x01}),
              raw(TimingKind::Peripheral, 1, {0x08, 0x00, 0x09, 0x60, 0, kMon, 0x01}),
              raw(TimingKind::Music, 2, {0x07, 0x00, 1, 100, 0, kMon, 0x01}),
              raw(TimingKind::Music, 3, {0x07, 0x00, 1, 0, 0, 0xFF, 0xFF})},
             {"无效\t星期一\t\t1\t程序1 音乐定时 01\t开始时间无效",
              "无效\t星期一\t07:00\t1\t程序1 音乐定时 02\t曲目号超过 99",
              "无效\t星期一\t08:00\t1\t程序1 外设定时 01\t结束时间无效"}},
            {"programs not run",
             {music(1, 7, 0, kMon, 0x01, 1, 3), device(4, 8, 0, 9, 0, kMon, 0x01)},
             {"提示\t\t\t\t程序3\t有 1 条定时，播放机运行程序1，这些定时保留但不播放"}},
        };
        checkCases(cases);
    }

    // Whether the run program plays anything: a slot only visited holds no timing, a timing
    // without a zone is valid but plays nowhere, and the random program counts while it is on.
    void whatPlays()
    {
        const QString silent = QStringLiteral("不播放\t\t\t\t程序1\t播放机运行程序1，但它没有会播放的定时");
        const std::vector<Case> cases{
            {"slots visited in every table, beside a timing",
             {visited(TimingKind::Music, 1), visited(TimingKind::Peripheral, 2),
              visited(TimingKind::Random, 3), music(3, 7, 0, kMon, 0x01)},
             {}},
            {"nothing but visited slots",
             {visited(TimingKind::Music, 1), visited(TimingKind::Random, 1)},
             {silent}},
            {"no zone",
             {music(1, 7, 0, kMon, 0x00), music(2, 8, 0, kMon, 0x01)},
             {"不播放\t星期一\t07:00\t\t程序1 音乐定时 01\t没有选择分区"}},
            {"no zone is all there is",
             {music(1, 7, 0, kMon, 0x00)},
             {"不播放\t星期一\t07:00\t\t程序1 音乐定时 01\t没有选择分区", silent}},
            {"the run program is empty, another is not",
             {music(1, 7, 0, kMon, 0x01)},
             {"不播放\t\t\t\t程序2\t播放机运行程序2，但它没有会播放的定时",
              "提示\t\t\t\t程序1\t有 1 条定时，播放机运行程序2，这些定时保留但不播放"},
             1,
             2},
            {"random on: it plays", {random(1, 9, 0, 10, 0, kMon, 0x01)}, {}},
            {"random off: nothing plays",
             {random(1, 9, 0, 10, 0, kMon, 0x01)},
             {silent, "提示\t星期一\t\t1\t随机程序 01\t随机程序已关闭，这些随机定时不会播放"},
             0},
        };
        checkCases(cases);
    }
};

QTEST_GUILESS_MAIN(WeekCheckTest)
#include "week_check_test.moc"
