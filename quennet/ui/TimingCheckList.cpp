#include "TimingCheckList.h"

#include "CheckListPrint.h"
#include "CheckListTexts.h"
#include "ControlNames.h"
#include "DataFile.h"
#include "DialogUnits.h"
#include "Dialogs.h"
#include "FileMessages.h"
#include "Fonts.h"
#include "PrintPages.h"
#include "RoomyRows.h"

#include <QDateTime>
#include <QHeaderView>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QTreeWidget>
#include <iterator>

namespace quennet {

namespace {
const char kPrintFailedMessage[] = "定时信息无法打印,请检查打印机或文件!";
const QKeySequence kWeekPlanKey(Qt::CTRL | Qt::Key_L);
}  // namespace

TimingCheckList::TimingCheckList(DataFile& file, Dialogs& dialogs, int programIndex, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      file_(file),
      dialogs_(dialogs),
      filePath_(QString::fromStdString(file.filePath())),
      list_(new QTreeWidget(this))
{
    setObjectName(QString::fromLatin1(kCheckListWindow));
    setFont(dialogFont(10));
    const DialogUnits du(font());
    setFixedSize(du.size(333, 172));

    list_->setObjectName(QString::fromLatin1(kTimingList));
    list_->setGeometry(du.rect(7, 7, 319, 142));
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels(checkListColumns());
    list_->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    list_->setItemDelegate(new RoomyRows(list_));
    list_->setToolTip(QStringLiteral("按 Ctrl+P 打印本套定时信息"));
    fitColumns();

    auto* back = new QPushButton(QStringLiteral("返回"), this);
    back->setObjectName(QString::fromLatin1(kDefaultButton));
    back->setGeometry(du.rect(276, 151, 50, 14));
    back->setDefault(true);
    connect(back, &QPushButton::clicked, this, &QDialog::accept);

    auto* weekPlan = new QPushButton(QStringLiteral("周计划"), this);
    weekPlan->setObjectName(QString::fromLatin1(kWeekPlanButton));
    weekPlan->setGeometry(du.rect(220, 151, 50, 14));
    weekPlan->setAutoDefault(false);
    weekPlan->setShortcut(kWeekPlanKey);
    weekPlan->setToolTip(QStringLiteral("显示播放机一周的运行计划和冲突（%1）")
                             .arg(kWeekPlanKey.toString(QKeySequence::NativeText)));
    connect(weekPlan, &QPushButton::clicked, this, &TimingCheckList::weekPlanClick);

    setWindowTitle(checkListTitle(programIndex));
    table_ = QStringLiteral("程序%1").arg(programIndex + 1);
    // An unreadable file leaves the list empty.
    int row = 0;
    for (const TimingEntry& entry : file.ListTimings(programIndex).value_or(std::vector<TimingEntry>{}))
        list_->addTopLevelItem(new QTreeWidgetItem(checkListRow(++row, entry)));

    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this,
            &TimingCheckList::printList);
}

std::optional<TimingRef> TimingCheckList::run(DataFile& file, Dialogs& dialogs, int programIndex,
                                              QWidget* parent)
{
    TimingCheckList list(file, dialogs, programIndex, parent);
    list.exec();
    return list.chosen_;
}

// The plan reads the file afresh, for all four programs and the one the player runs; a file that
// cannot be read is reported rather than shown as an empty week.
void TimingCheckList::weekPlanClick()
{
    const DataFile::Listing listing = file_.listAllTimings();
    if (listing.failure.failed()) {
        dialogs_.message(this, unreadableMessage(listing.failure, filePath_), Dialogs::Icon::Warning);
        return;
    }
    chosen_ = dialogs_.showWeekPlan(this, listing, filePath_);
    if (chosen_)
        accept();
}

// The columns keep the proportions of their widths in pixels but share the list's own width,
// room for a scroll bar kept, so that the list never scrolls sideways.
void TimingCheckList::fitColumns()
{
    list_->ensurePolished();
    const int room = list_->maximumViewportSize().width()
        - list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list_->verticalScrollBar());
    const int last = int(std::size(kCheckListColumnWidths)) - 1;
    int used = 0;
    for (int column = 0; column < last; ++column) {
        list_->setColumnWidth(column, kCheckListColumnWidths[column] * room / kCheckListTotalWidth);
        used += list_->columnWidth(column);
    }
    list_->header()->setStretchLastSection(false);
    list_->setColumnWidth(last, room - used);  // the last takes what rounding left
}

void TimingCheckList::printList()
{
    QPrinter printer(QPrinter::HighResolution);
    PrintPages::prepare(printer, windowTitle(), filePath_, table_);
    if (!dialogs_.printDialog(this, printer))
        return;
    CheckListDocument document{
        windowTitle(),
        filePath_ + QStringLiteral("    ")
            + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")),
        {}};
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < list_->columnCount(); ++column)
            cells.append(list_->topLevelItem(row)->text(column));
        document.rows.append(cells);
    }
    if (!printCheckList(printer, document))
        dialogs_.message(this, QString::fromUtf8(kPrintFailedMessage), Dialogs::Icon::Warning);
}

}  // namespace quennet
