#include "TimingCheckList.h"

#include "CheckListPrint.h"
#include "CheckListTexts.h"
#include "CompareWindow.h"
#include "ControlNames.h"
#include "DataFile.h"
#include "DialogUnits.h"
#include "Dialogs.h"
#include "FileMessages.h"
#include "Fonts.h"
#include "ImportWindow.h"
#include "PrintPages.h"
#include "RoomyRows.h"
#include "ScheduleDiff.h"
#include "ScheduleTable.h"
#include "SeriesTimes.h"
#include "ToolDialogs.h"
#include "UndoKeys.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QScrollBar>
#include <QShortcut>
#include <QStandardPaths>
#include <QStyle>
#include <QTreeWidget>
#include <algorithm>
#include <iterator>

namespace quennet {

namespace {
const char kPrintFailedMessage[] = "定时信息无法打印,请检查打印机或文件!";
const QKeySequence kWeekPlanKey(Qt::CTRL | Qt::Key_L);
const char kNoRoomMessage[] = "只有 %1 个空位，需要 %2 个";
const char kLeavesDayMessage[] = "平移后下列定时的开始时间将不在 00:00–23:59 之内，没有平移：";
const char kBadTimeMessage[] = "无法识别的时间：%1";
const char kNoTimeMessage[] = "请输入至少一个时间，例如 08:00 或 08:00-12:00/45。";
const char kIntegerMessage[] = "请键入一个整数。";
const char kTableFilter[] = "CSV 表格 (*.csv *.txt);;所有文件 (*)";
const char kDataFileFilter[] = "定时数据文件 (*.kqd *.KQD);;所有文件 (*)";
const char kTableWriteFailed[] = "%1 无法写入,没有导出!";
const char kTableReadFailed[] = "%1 无法读取,没有导入!";
const char kNothingToImport[] = "表格与正在编辑的定时相同，没有要导入的修改。";
const char kImportRefused[] = "表格中有 %1 处错误，没有导入任何定时。";
constexpr int kFaultsShown = 10;  // in the box; its details hold them all

// Spreadsheets and other people's files live in the documents folder, not on the player's card.
QString documentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

// "第 2 行，“开始”列，“25:00”：…"; a fault of the whole line or file names no column or value.
QString faultText(const TableFault& fault)
{
    QString text = QStringLiteral("第 %1 行").arg(fault.line);
    if (!fault.column.empty())
        text += QStringLiteral("，“%1”列").arg(QString::fromStdString(fault.column));
    if (!fault.value.empty())
        text += QStringLiteral("，“%1”").arg(QString::fromStdString(fault.value));
    return text + QStringLiteral("：") + QString::fromStdString(fault.reason);
}
}  // namespace

TimingCheckList::TimingCheckList(DataFile& file, Dialogs& dialogs, int programIndex, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      file_(file),
      dialogs_(dialogs),
      programIndex_(programIndex),
      filePath_(QString::fromStdString(file.filePath())),
      list_(new QTreeWidget(this))
{
    setObjectName(QString::fromLatin1(kCheckListWindow));
    setWindowModality(Qt::WindowModal);
    setFont(dialogFont(10));
    const DialogUnits du(font());
    // The tools take a row below the Parts' own controls.
    setFixedSize(du.size(333, 190));

    list_->setObjectName(QString::fromLatin1(kTimingList));
    list_->setGeometry(du.rect(7, 7, 319, 142));
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
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
    connect(weekPlan, &QPushButton::clicked, this, &TimingCheckList::weekPlanRequested);

    undo_ =
        addTool(QStringLiteral("撤销"), du.rect(7, 151, 40, 14), kUndoButton, &TimingCheckList::undoClick);
    redo_ =
        addTool(QStringLiteral("重做"), du.rect(50, 151, 40, 14), kRedoButton, &TimingCheckList::redoClick);
    selectionTools_ = {addTool(QStringLiteral("批量添加"), du.rect(7, 169, 58, 14), kSeriesButton,
                               &TimingCheckList::seriesClick),
                       addTool(QStringLiteral("复制到…"), du.rect(69, 169, 58, 14), kCopyButton,
                               &TimingCheckList::copyClick),
                       addTool(QStringLiteral("平移时间"), du.rect(131, 169, 58, 14), kShiftButton,
                               &TimingCheckList::shiftClick),
                       addTool(QStringLiteral("星期与分区"), du.rect(193, 169, 58, 14), kDaysZonesButton,
                               &TimingCheckList::daysZonesClick),
                       addTool(QStringLiteral("删除"), du.rect(276, 169, 50, 14), kDeleteSelectionButton,
                               &TimingCheckList::deleteClick)};
    addTool(QStringLiteral("导出…"), du.rect(96, 151, 38, 14), kExportButton, &TimingCheckList::exportClick)
        ->setToolTip(QStringLiteral("把本套定时存为电子表格可以打开的 CSV 表格"));
    addTool(QStringLiteral("导入…"), du.rect(137, 151, 38, 14), kImportButton, &TimingCheckList::importClick)
        ->setToolTip(QStringLiteral("用 CSV 表格中的定时取代表格中各套程序的定时；可以撤销"));
    addTool(QStringLiteral("比较…"), du.rect(178, 151, 38, 14), kCompareButton,
            &TimingCheckList::compareClick)
        ->setToolTip(QStringLiteral("与另一个数据文件（例如卡上的）比较播放机的运行"));
    selectionTools_.back()->setShortcut(QKeySequence::Delete);
    selectionTools_.front()->setToolTip(QStringLiteral("以最上面一条所选定时为样板，在多个时间各添加一条"));
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &TimingCheckList::updateTools);
    new UndoKeys(
        this, [this] { undoClick(); }, [this] { redoClick(); });

    setWindowTitle(checkListTitle(programIndex));
    table_ = QStringLiteral("程序%1").arg(programIndex + 1);
    reload({});

    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this,
            &TimingCheckList::printList);
}

QPushButton* TimingCheckList::addTool(const QString& text, QRect rect, const char* id,
                                      void (TimingCheckList::*click)())
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString::fromLatin1(id));
    button->setGeometry(rect);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, click);
    return button;
}

// An unreadable file leaves the list empty.
void TimingCheckList::reload(const std::vector<int>& selection)
{
    const QSignalBlocker quiet(list_);
    list_->setUpdatesEnabled(false);
    list_->clear();
    entries_ = file_.ListTimings(programIndex_).value_or(std::vector<TimingEntry>{});
    QList<QTreeWidgetItem*> rows;
    for (const TimingEntry& entry : entries_)
        rows.append(new QTreeWidgetItem(checkListRow(int(rows.size()) + 1, entry)));
    list_->addTopLevelItems(rows);
    QItemSelection selected;
    for (std::size_t row = 0; row < entries_.size(); ++row) {
        if (std::binary_search(selection.begin(), selection.end(), int(entries_[row].EntryNo))) {
            const QModelIndex index = list_->model()->index(int(row), 0);
            selected.select(index, index);
        }
    }
    list_->selectionModel()->select(selected, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    if (!selected.isEmpty()) {
        const QModelIndex topmost = selected.first().topLeft();
        list_->selectionModel()->setCurrentIndex(topmost, QItemSelectionModel::NoUpdate);
        list_->scrollTo(topmost);
    }
    list_->setUpdatesEnabled(true);
    updateTools();
}

void TimingCheckList::updateTools()
{
    const bool selected = !list_->selectedItems().isEmpty();
    for (QPushButton* tool : selectionTools_)
        tool->setEnabled(selected);
    const ScheduleHistory& history = file_.history();
    undo_->setEnabled(history.canUndo());
    undo_->setToolTip(history.canUndo()
                          ? QStringLiteral("撤销：%1").arg(QString::fromStdString(history.nextUndo().name))
                          : QString());
    redo_->setEnabled(history.canRedo());
    redo_->setToolTip(history.canRedo()
                          ? QStringLiteral("重做：%1").arg(QString::fromStdString(history.nextRedo().name))
                          : QString());
}

std::vector<int> TimingCheckList::selectedPositions() const
{
    std::vector<int> positions;
    for (QTreeWidgetItem* item : list_->selectedItems())
        positions.push_back(entries_[std::size_t(list_->indexOfTopLevelItem(item))].EntryNo);
    std::sort(positions.begin(), positions.end());
    return positions;
}

std::optional<ProgramTable> TimingCheckList::readTable()
{
    ProgramTable table;
    const FileError error = file_.readProgram(programIndex_, table);
    if (!error.failed())
        return table;
    dialogs_.message(this, readFailedMessage(filePath_), Dialogs::Icon::Warning, reasonOf(error));
    return std::nullopt;
}

QString TimingCheckList::describe(const std::vector<int>& positions) const
{
    QStringList lines;
    for (std::size_t row = 0; row < entries_.size(); ++row) {
        if (std::binary_search(positions.begin(), positions.end(), int(entries_[row].EntryNo)))
            lines << checkListRow(int(row) + 1, entries_[row]).mid(0, 3).join(QStringLiteral("  "));
    }
    return lines.join(QLatin1Char('\n'));
}

bool TimingCheckList::editProgram(const std::function<BulkEdit(const ProgramTable&)>& edit, const char* name)
{
    const std::optional<ProgramTable> table = readTable();
    if (!table)
        return false;
    const BulkEdit bulk = edit(*table);
    if (bulk.refused()) {
        reportRefusal(bulk.refusal);
        return false;
    }
    const std::vector<int> selection = selectedPositions();
    ScheduleStep step;
    step.name = QString::fromUtf8(name).arg(bulk.changes.size()).toStdString();
    step.entries = bulk.changes;
    step.shownBefore = selection;
    step.shownAfter = selection;
    const FileError error = file_.apply(std::move(step));
    if (error.failed()) {
        dialogs_.message(this, writeFailedMessage(filePath_), Dialogs::Icon::Warning, reasonOf(error));
        return false;
    }
    reload(selection);
    return true;
}

void TimingCheckList::reportRefusal(const Refusal& refusal)
{
    if (refusal.kind == Refusal::Kind::NoRoom)
        dialogs_.message(this, QString::fromUtf8(kNoRoomMessage).arg(refusal.free).arg(refusal.needed),
                         Dialogs::Icon::Warning);
    else
        dialogs_.message(this, QString::fromUtf8(kLeavesDayMessage), Dialogs::Icon::Warning,
                         describe(refusal.positions));
}

// The selection goes back to the timings the step was done on, when this list did it.
void TimingCheckList::walkHistory(bool back)
{
    const ScheduleHistory& history = file_.history();
    if (back ? !history.canUndo() : !history.canRedo())
        return;
    const std::any shown = back ? history.nextUndo().shownBefore : history.nextRedo().shownAfter;
    const FileError error = back ? file_.undo() : file_.redo();
    if (error.failed())
        dialogs_.message(this, writeFailedMessage(filePath_), Dialogs::Icon::Warning, reasonOf(error));
    const auto* selection = std::any_cast<std::vector<int>>(&shown);
    reload(selection && !error.failed() ? *selection : selectedPositions());
}

void TimingCheckList::seriesClick()
{
    const std::vector<int> selection = selectedPositions();
    if (selection.empty())
        return;
    const int model = selection.front();
    auto* dialog = new SeriesDialog(this, describe({model}));
    dialog->onOk([this, dialog, model] {
        const SeriesTimes times = parseSeriesTimes(dialog->times().toStdString());
        QString problem;
        if (!times.badPart.empty())
            problem = QString::fromUtf8(kBadTimeMessage).arg(QString::fromStdString(times.badPart));
        else if (times.starts.empty())
            problem = QString::fromUtf8(kNoTimeMessage);
        if (!problem.isEmpty()) {
            dialogs_.message(dialog, problem, Dialogs::Icon::Warning);
            return false;
        }
        return editProgram(
            [&](const ProgramTable& table) { return addSeries(table, programIndex_, model, times.starts); },
            "批量添加 %1 条定时");
    });
    dialog->open();
}

void TimingCheckList::copyClick()
{
    const std::vector<int> selection = selectedPositions();
    if (selection.empty())
        return;
    auto* dialog = new CopyDialog(this, entryAt(selection.front()));
    dialog->onOk([this, dialog, selection] {
        return editProgram(
            [&](const ProgramTable& table) {
                return copyTimings(table, programIndex_, selection, dialog->dayBits(), dialog->zoneBits());
            },
            "复制 %1 条定时");
    });
    dialog->open();
}

void TimingCheckList::shiftClick()
{
    const std::vector<int> selection = selectedPositions();
    if (selection.empty())
        return;
    auto* dialog = new ShiftDialog(this);
    dialog->onOk([this, dialog, selection] {
        static const QRegularExpression minutes(QStringLiteral("^\\s*[+-]?[0-9]{1,5}\\s*$"));
        if (!minutes.match(dialog->minutes()).hasMatch()) {
            dialogs_.message(dialog, QString::fromUtf8(kIntegerMessage), Dialogs::Icon::None);
            return false;
        }
        const int by = dialog->minutes().trimmed().toInt();
        return editProgram(
            [&](const ProgramTable& table) { return shiftTimings(table, programIndex_, selection, by); },
            "平移 %1 条定时");
    });
    dialog->open();
}

void TimingCheckList::daysZonesClick()
{
    const std::vector<int> selection = selectedPositions();
    if (selection.empty())
        return;
    std::vector<TimingEntry> selected;
    for (int position : selection)
        selected.push_back(entryAt(position));
    auto* dialog = new DaysZonesDialog(this, selected);
    dialog->onOk([this, dialog, selection] {
        return editProgram(
            [&](const ProgramTable& table) {
                return setDaysAndZones(table, programIndex_, selection, dialog->days(), dialog->zones());
            },
            "修改 %1 条定时的星期与分区");
    });
    dialog->open();
}

// No question: the deletion can be undone.
void TimingCheckList::deleteClick()
{
    const std::vector<int> selection = selectedPositions();
    if (!selection.empty())
        editProgram([&](const ProgramTable& table) { return deleteTimings(table, programIndex_, selection); },
                    "删除 %1 条定时");
}

void TimingCheckList::exportClick()
{
    const QString proposed = documentsFolder() + QLatin1Char('/') + QFileInfo(filePath_).completeBaseName()
        + QLatin1Char('-') + table_ + QStringLiteral(".csv");
    const QString path =
        dialogs_.saveFileName(this, QStringLiteral("导出定时"), proposed, QString::fromUtf8(kTableFilter));
    if (path.isEmpty())
        return;
    const DataFile::Listing listing = file_.listAllTimings();
    if (listing.failure.failed()) {
        dialogs_.message(this, readFailedMessage(filePath_), Dialogs::Icon::Warning,
                         reasonOf(listing.failure));
        return;
    }
    const QByteArray bytes = QByteArray::fromStdString(exportTable(listing.programs, programIndex_));
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        dialogs_.message(this, QString::fromUtf8(kTableWriteFailed).arg(path), Dialogs::Icon::Warning,
                         out.errorString());
}

// The table is read and checked whole first; the window then shows what will change, and only 导入
// writes, as one step.
void TimingCheckList::importClick()
{
    const QString path = dialogs_.openFileName(this, QStringLiteral("导入定时"), documentsFolder(),
                                               QString::fromUtf8(kTableFilter));
    if (path.isEmpty())
        return;
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        dialogs_.message(this, QString::fromUtf8(kTableReadFailed).arg(path), Dialogs::Icon::Warning,
                         in.errorString());
        return;
    }
    const QByteArray bytes = in.readAll();
    std::vector<std::uint8_t> image;
    const FileError error = file_.readImage(image);
    if (error.failed()) {
        dialogs_.message(this, readFailedMessage(filePath_), Dialogs::Icon::Warning, reasonOf(error));
        return;
    }
    const TableImport imported = importTable(image, bytes.toStdString());
    if (imported.refused()) {
        QStringList all;
        for (const TableFault& fault : imported.faults)
            all << faultText(fault);
        QStringList shown = all.mid(0, kFaultsShown);
        if (all.size() > kFaultsShown)
            shown << QStringLiteral("……");
        dialogs_.message(this, QString::fromUtf8(kImportRefused).arg(all.size()), Dialogs::Icon::Warning,
                         shown.join(QLatin1Char('\n')), all.join(QLatin1Char('\n')));
        return;
    }
    if (imported.image == image) {
        dialogs_.message(this, QString::fromUtf8(kNothingToImport), Dialogs::Icon::None);
        return;
    }
    auto* window = new ImportWindow(
        QFileInfo(path).fileName(),
        diffSchedules(DataFile::listImage(image), DataFile::listImage(imported.image)), this);
    connect(window, &QDialog::accepted, this, [this, programs = imported.programs] {
        std::size_t count = 0;
        for (const auto& program : programs)
            count += program.second.size();
        const FileError failure =
            file_.replacePrograms(programs, QStringLiteral("导入 %1 条定时").arg(count).toStdString());
        if (failure.failed())
            dialogs_.message(this, writeFailedMessage(filePath_), Dialogs::Icon::Warning, reasonOf(failure));
        reload({});
    });
    window->open();
}

void TimingCheckList::compareClick()
{
    const QString path = dialogs_.openFileName(this, QStringLiteral("比较定时"), documentsFolder(),
                                               QString::fromUtf8(kDataFileFilter));
    if (path.isEmpty())
        return;
    const DataFile::Listing open = file_.listAllTimings();
    const DataFile::Listing other = DataFile::atPath(QFile::encodeName(path).toStdString()).listAllTimings();
    for (const auto& [listing, name] : {std::pair(&open, filePath_), std::pair(&other, path)}) {
        if (listing->failure.failed()) {
            dialogs_.message(this, unreadableMessage(listing->failure, name), Dialogs::Icon::Warning);
            return;
        }
    }
    auto* window = new CompareWindow(dialogs_, path, filePath_, diffSchedules(other, open), this);
    window->show();
}

const TimingEntry& TimingCheckList::entryAt(int position) const
{
    return *std::find_if(entries_.begin(), entries_.end(),
                         [position](const TimingEntry& entry) { return entry.EntryNo == position; });
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
    PrintPages::remember(printer);
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
