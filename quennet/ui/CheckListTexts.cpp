#include "CheckListTexts.h"

#include "TimingEntry.h"

namespace quennet {

namespace {
QString timeText(int hour, int minute)
{
    return QString::asprintf("%02d:%02d", hour, minute);
}

// "日" for Sunday, then the digits of the set days Monday (1) to Saturday (6).
QString daysText(std::uint8_t bits)
{
    QString text = (bits & 1) ? QStringLiteral("日") : QString();
    for (int day = 1; day <= 6; ++day) {
        if (bits & (1 << day))
            text += QString::number(day);
    }
    return text;
}

QString zonesText(std::uint8_t bits)
{
    QString text;
    for (int zone = 0; zone < 4; ++zone) {
        if (bits & (1 << zone))
            text += QString::number(zone + 1);
    }
    return text;
}
}  // namespace

QString checkListTitle(int programIndex)
{
    return QString::asprintf(" 定时程序第 %d 套,定时信息检查", programIndex + 1);
}

QStringList checkListColumns()
{
    return {QStringLiteral("序号"),     QStringLiteral("定时时间"), QStringLiteral("类型"),
            QStringLiteral("播放内容"), QStringLiteral("星期"),     QStringLiteral("分区")};
}

QStringList checkListRow(int row, const TimingEntry& entry)
{
    const QString start = timeText(entry.Hour, entry.Minute);
    const QString span =
        start + QLatin1Char('-') + timeText(entry.RangeFromOrEndHour, entry.RangeToOrEndMinute);
    QString when, kind, content;
    switch (kindOf(entry)) {
    case TimingKind::Radio:
        when = span;
        kind = QStringLiteral("FM收音");
        content = QString::asprintf("电台%02d", entry.MainTrack);
        break;
    case TimingKind::Music:
        when = start;
        kind = isRecording(entry) ? QStringLiteral("录音") : QStringLiteral("音乐");
        content = QString::asprintf("曲目%02d-%02d-%02d,随机%02d-%02d", entry.MainTrack, entry.SecondTrack,
                                    entry.ThirdTrack, entry.RangeFromOrEndHour, entry.RangeToOrEndMinute);
        break;
    default:
        when = span;
        kind = QStringLiteral("外设");
        content = QStringLiteral("(外部设备)");
        break;
    }
    return {QString::number(row), when, kind, content, daysText(entry.DayBits), zonesText(entry.ZoneBits)};
}

}  // namespace quennet
