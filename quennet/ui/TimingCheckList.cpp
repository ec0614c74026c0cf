#include "TimingCheckList.h"

#include "ControlNames.h"
#include "DataFile.h"
#include "DialogUnits.h"
#include "Fonts.h"
#include "RoomyRows.h"

#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTreeWidget>
#include <iterator>
#include <numeric>

namespace quennet {

namespace {
QString Time(int hour, int minute)
{
    return QString::asprintf("%02d:%02d", hour, minute);
}

// "日" for Sunday, then the digits of the set days Monday (1) to Saturday (6).
QString Days(std::uint8_t bits)
{
    QString text = (bits & 1) ? QStringLiteral("日") : QString();
    for (int day = 1; day <= 6; ++day) {
        if (bits & (1 << day))
            text += QString::number(day);
    }
    return text;
}

QString Zones(std::uint8_t bits)
{
    QString text;
    for (int zone = 0; zone < 4; ++zone) {
        if (bits & (1 << zone))
            text += QString::number(zone + 1);
    }
    return text;
}
}  // namespace

TimingCheckList::TimingCheckList(DataFile& file, int programIndex, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      list_(new QTreeWidget(this))
{
    setObjectName(QString::fromLatin1(kCheckListWindow));
    setFont(dialogFont(10));
    const DialogUnits du(font());
    setFixedSize(du.size(333, 172));

    list_->setObjectName(QString::fromLatin1(kTimingList));
    list_->setGeometry(du.rect(7, 7, 319, 142));
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({QStringLiteral("序号"), QStringLiteral("定时时间"), QStringLiteral("类型"),
                            QStringLiteral("播放内容"), QStringLiteral("星期"), QStringLiteral("分区")});
    list_->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    list_->setItemDelegate(new RoomyRows(list_));
    fitColumns();

    auto* back = new QPushButton(QStringLiteral("返回"), this);
    back->setObjectName(QString::fromLatin1(kDefaultButton));
    back->setGeometry(du.rect(276, 151, 50, 14));
    back->setDefault(true);
    connect(back, &QPushButton::clicked, this, &QDialog::accept);

    setWindowTitle(QString::asprintf(" 定时程序第 %d 套,定时信息检查", programIndex + 1));
    // An unreadable file leaves the list empty.
    int row = 0;
    for (const TimingEntry& entry : file.ListTimings(programIndex).value_or(std::vector<TimingEntry>{}))
        list_->addTopLevelItem(new QTreeWidgetItem(rowTexts(++row, entry)));
}

// The columns keep the proportions of their widths in pixels, 45, 100, 80, 200, 100 and 80, but
// share the list's own width, room for a scroll bar kept, so that the list never scrolls sideways.
void TimingCheckList::fitColumns()
{
    const int widths[] = {45, 100, 80, 200, 100, 80};
    const int total = std::accumulate(std::begin(widths), std::end(widths), 0);
    list_->ensurePolished();
    const int room = list_->maximumViewportSize().width()
        - list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list_->verticalScrollBar());
    int used = 0;
    for (int column = 0; column < 5; ++column) {
        list_->setColumnWidth(column, widths[column] * room / total);
        used += list_->columnWidth(column);
    }
    list_->header()->setStretchLastSection(false);
    list_->setColumnWidth(5, room - used);  // the last takes what rounding left
}

QStringList TimingCheckList::rowTexts(int row, const TimingEntry& entry)
{
    const QString start = Time(entry.Hour, entry.Minute);
    const QString span = start + QLatin1Char('-') + Time(entry.RangeFromOrEndHour, entry.RangeToOrEndMinute);
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
    return {QString::number(row), when, kind, content, Days(entry.DayBits), Zones(entry.ZoneBits)};
}

}  // namespace quennet
