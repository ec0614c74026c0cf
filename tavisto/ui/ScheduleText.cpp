#include "ScheduleText.h"

#include "AppTexts.h"
#include "OverviewText.h"
#include "WeekPlan.h"

namespace tavisto {

namespace {

QStringList tableLines(const TimingSet& timings, const SlotSelection& table)
{
    QStringList lines;
    for (const auto& [timing, cp] : usedTimings(timings, table)) {
        QStringList cells;
        for (const std::string& cell : overviewRow(table, timing.slot, cp))
            cells << QString::fromStdString(cell);
        lines << cells.join(QLatin1Char('\t'));
    }
    if (!lines.isEmpty())
        lines.prepend(overviewTitle(table, timings.RandomEnabled));
    return lines;
}

}  // namespace

QStringList scheduleLines(const TimingSet& timings)
{
    QStringList lines;
    for (std::uint8_t program = 1; program <= kProgramCount; ++program)
        for (TimingType type : {TimingType::Music, TimingType::Peripheral})
            lines << tableLines(timings, {program, type, 1});
    lines << tableLines(timings, {kRandomProgram, TimingType::Music, 1});
    lines << QStringLiteral("运行设定：程序%1").arg(timings.RunProgram);
    lines << QStringLiteral("随机播放：%1")
                 .arg(timings.RandomEnabled == 1 ? QStringLiteral("开启") : QStringLiteral("关闭"));
    return lines;
}

}  // namespace tavisto
