#include "TForm2.h"

#include "BulkDialogs.h"
#include "ControlNames.h"
#include "Dialogs.h"
#include "Fonts.h"
#include "ListPrint.h"
#include "PrintPages.h"
#include "WindowSetup.h"

#include <algorithm>

#include <QCloseEvent>
#include <QDate>
#include <QFrame>
#include <QHeaderView>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QWindow>

namespace tavisto {

namespace {

// The window of the list grows by a row of buttons for the bulk tools, below the list's own.
constexpr QSize kWindowSize(800, 622);
constexpr QRect kPanel(16, 0, 769, 537);
constexpr int kHeaderHeight = 24;
constexpr int kButtonTops[] = {552, 585};
constexpr QSize kButtonSize(75, 25);
constexpr int kButtonLefts[2][9] = {{216, 336, 510, 600},  // 周计划 beside 返回
                                    {16, 96, 216, 296, 376, 456, 536, 616, 696}};
constexpr QSize kSmallestSize(320, 200);
const QKeySequence kWeekPlanKey(Qt::CTRL | Qt::Key_L);

QPushButton* addButton(QWidget* window, const char* name, const QString& text, int row, int column)
{
    auto* button = new QPushButton(text, window);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(QRect(QPoint(kButtonLefts[row][column], kButtonTops[row]), kButtonSize));
    return button;
}

}  // namespace

TForm2::TForm2(Dialogs& dialogs, QWidget* mainWindow)
    : QWidget(nullptr,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      dialogs_(dialogs)
{
    setUpSecondaryWindow(*this, kOverviewWindow, QStringLiteral("定时查看－"), kWindowSize);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QLatin1String(kOverviewPanel));
    Panel1->setGeometry(kPanel);
    QWidget* panel = Panel1;

    auto* sections = new QStandardItemModel(0, kOverviewColumns, this);
    sections->setHorizontalHeaderLabels({QStringLiteral("序号"), QStringLiteral("播放内容"),
                                         QStringLiteral("定时时间"), QStringLiteral("星期"),
                                         QStringLiteral("分区")});
    HeaderControl1 = new QHeaderView(Qt::Horizontal, panel);
    HeaderControl1->setObjectName(QLatin1String(kOverviewHeader));
    HeaderControl1->setModel(sections);
    HeaderControl1->setDefaultAlignment(Qt::AlignCenter);
    HeaderControl1->setSectionResizeMode(QHeaderView::Interactive);
    HeaderControl1->setStretchLastSection(false);
    HeaderControl1->setSectionsClickable(false);

    StringGrid1 = new QTableWidget(0, kOverviewColumns, panel);
    StringGrid1->setObjectName(QLatin1String(kOverviewGrid));
    StringGrid1->setGeometry(0, kHeaderHeight, kPanel.width(), kPanel.height() - kHeaderHeight);
    StringGrid1->setFont(songFont(13));
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Several rows at once, with Shift and Ctrl, for the bulk tools.
    StringGrid1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setMinimumSectionSize(1);
    StringGrid1->verticalHeader()->setDefaultSectionSize(18);
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    placeHeader();
    StringGrid1->setToolTip(QStringLiteral("按 Ctrl+P 打印本表已设定的定时"));

    auto* clear = addButton(this, kOverviewClearButton, QStringLiteral("清除定时"), 0, 0);
    auto* edit = addButton(this, kOverviewEditButton, QStringLiteral("编辑定时"), 0, 1);
    auto* weekPlan = addButton(this, kWeekPlanButton, QStringLiteral("周计划"), 0, 2);
    weekPlan->setShortcut(kWeekPlanKey);
    weekPlan->setToolTip(QStringLiteral("显示播放机一周的运行计划和冲突（%1）")
                             .arg(kWeekPlanKey.toString(QKeySequence::NativeText)));
    auto* back = addButton(this, kOverviewBackButton, QStringLiteral("返回"), 0, 3);
    buttons_[0] = {clear, edit, weekPlan, back};
    connect(clear, &QPushButton::clicked, this, &TForm2::Button1Click);
    connect(edit, &QPushButton::clicked, this, &TForm2::Button2Click);
    connect(weekPlan, &QPushButton::clicked, this, &TForm2::weekPlanRequested);
    connect(back, &QPushButton::clicked, this, &QWidget::close);  // Button3Click
    addBulkTools();

    FormCreate();
    connect(HeaderControl1, &QHeaderView::sectionResized, this, &TForm2::HeaderControl1SectionResize);
    // The grid also scrolls sideways without its bar, to bring a selected cell into view; by pixels,
    // so that the header can follow it exactly.
    StringGrid1->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    connect(StringGrid1->horizontalScrollBar(), &QScrollBar::valueChanged, HeaderControl1,
            &QHeaderView::setOffset);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this), &QShortcut::activated, this,
            &TForm2::printList);
    // The main window's frame tells how much the window manager adds around a window.
    fitToScreen(mainWindow ? mainWindow->frameGeometry().size() - mainWindow->size() : QSize(0, 0));

    if (mainWindow && mainWindow->windowHandle()) {
        create();
        windowHandle()->setTransientParent(mainWindow->windowHandle());
    }
}

// On a screen smaller than the window (a small display, or a large scale factor) the window
// shrinks to the screen: the list shows fewer rows and scrolls sideways under its header, and the
// rows of buttons move up and together.
void TForm2::fitToScreen(QSize frame)
{
    const QScreen* shownOn = screen();
    if (!shownOn)
        return;
    const QSize room = (shownOn->availableGeometry().size() - frame).expandedTo(kSmallestSize);
    const QSize size = kWindowSize.boundedTo(room);
    if (size == kWindowSize)
        return;
    const QSize lost = kWindowSize - size;
    setFixedSize(size);
    const QRect panel = kPanel.adjusted(0, 0, -lost.width(), -lost.height());
    Panel1->setGeometry(panel);
    StringGrid1->setGeometry(0, kHeaderHeight, panel.width(), panel.height() - kHeaderHeight);
    placeHeader();
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Spread evenly across a narrower window, and narrower themselves where a row would not fit.
    constexpr int kLeastGap = 2;
    for (int row = 0; row < 2; ++row) {
        const int count = int(buttons_[row].size());
        const int width = std::min(kButtonSize.width(), (size.width() - (count + 1) * kLeastGap) / count);
        const int gap = (size.width() - count * width) / (count + 1);
        for (int i = 0; i < count; ++i) {
            const int left = lost.width() == 0 ? kButtonLefts[row][i] : gap + i * (width + gap);
            buttons_[row][i]->setGeometry(left, kButtonTops[row] - lost.height(), width,
                                          kButtonSize.height());
        }
    }
    centreOnScreen(*this, frame);
}

// The header begins where the grid's cells begin, inside the frame the style draws around them, so
// that every heading stands exactly over its column.
void TForm2::placeHeader()
{
    StringGrid1->ensurePolished();
    const int inset = StringGrid1->frameWidth();
    HeaderControl1->setGeometry(inset, 1, StringGrid1->width() - 2 * inset, kHeaderHeight);
}

void TForm2::keyPressEvent(QKeyEvent* event)
{
    if (!closeOnEscape(*this, *event))
        QWidget::keyPressEvent(event);
}

void TForm2::FormCreate()
{
    const int columnWidths[kOverviewColumns] = {40, 240, 240, 110, 110};
    for (int i = 0; i < kOverviewColumns; ++i) {
        StringGrid1->setColumnWidth(i, columnWidths[i]);
        HeaderControl1->resizeSection(i, columnWidths[i]);
    }
}

void TForm2::setRowCount(int rows)
{
    StringGrid1->setRowCount(rows);
    usedRows_.fill(false, rows);
    rowBits_.fill({}, rows);
}

void TForm2::setRowBits(int row, std::uint8_t days, std::uint8_t zones)
{
    rowBits_[row] = {days, zones};
}

void TForm2::setRow(int row, const OverviewRow& cells, bool used)
{
    usedRows_[row] = used;
    // A slot without a timing reads like a timing of zeros: greyed, it shows which rows hold one.
    const QBrush text =
        StringGrid1->palette().brush(used ? QPalette::Active : QPalette::Disabled, QPalette::Text);
    for (int column = 0; column < kOverviewColumns; ++column) {
        QTableWidgetItem* item = StringGrid1->item(row, column);
        if (!item) {
            item = new QTableWidgetItem;
            StringGrid1->setItem(row, column, item);
        }
        item->setText(QString::fromStdString(cells[column]));
        item->setForeground(text);
    }
}

void TForm2::setSource(const QString& fileName, const QString& table)
{
    fileName_ = fileName;
    table_ = table;
}

PrintedList TForm2::printout() const
{
    PrintedList list;
    list.title = windowTitle();
    for (int column = 0; column < kOverviewColumns; ++column) {
        list.columns << HeaderControl1->model()->headerData(column, Qt::Horizontal).toString();
        list.widths << StringGrid1->columnWidth(column);
    }
    for (int row = 0; row < StringGrid1->rowCount(); ++row) {
        if (!usedRows_.value(row))
            continue;
        QStringList cells;
        for (int column = 0; column < kOverviewColumns; ++column)
            cells << (StringGrid1->item(row, column) ? StringGrid1->item(row, column)->text() : QString());
        list.rows << cells;
    }
    list.notes << QStringLiteral("共 %1 条定时").arg(list.rows.size())
               << QStringLiteral("%1    %2").arg(fileName_, QDate::currentDate().toString(Qt::ISODate));
    return list;
}

void TForm2::printList()
{
    QPrinter printer;
    PrintPages::prepare(printer, windowTitle(), fileName_, table_);
    if (!dialogs_.printDialog(this, printer))
        return;
    PrintPages::remember(printer);
    if (!tavisto::printList(printout(), printer))
        dialogs_.message(this, Dialogs::Kind::Error, QStringLiteral("打印失败！"), Dialogs::Buttons::Ok);
}

int TForm2::currentRow() const
{
    return qMax(0, StringGrid1->currentRow());
}

QList<int> TForm2::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : StringGrid1->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows.isEmpty() ? QList<int>{currentRow()} : rows;
}

void TForm2::selectRows(const QList<int>& rows)
{
    QItemSelection selection;
    for (int row : rows)
        selection.select(StringGrid1->model()->index(row, 0),
                         StringGrid1->model()->index(row, kOverviewColumns - 1));
    StringGrid1->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (!rows.isEmpty()) {
        StringGrid1->selectionModel()->setCurrentIndex(StringGrid1->model()->index(rows.first(), 0),
                                                       QItemSelectionModel::NoUpdate);
        StringGrid1->scrollTo(StringGrid1->model()->index(rows.first(), 0));
    }
}

void TForm2::Button1Click()
{
    const QList<int> rows = selectedRows();
    const QString question = rows.size() == 1
        ? QStringLiteral("确认清除本条定时的设置？")
        : QStringLiteral("确认清除选中的 %1 条定时的设置？").arg(rows.size());
    if (dialogs_.message(this, Dialogs::Kind::Confirmation, question, Dialogs::Buttons::YesNo)
        == Dialogs::Answer::Yes)
        emit clearTimingConfirmed(rows);
}

void TForm2::Button2Click()
{
    QPointer<TForm2> self(this);
    emit editTimingRequested(currentRow());
    if (self && isVisible())
        close();
}

void TForm2::addBulkTools()
{
    undo_ = addButton(this, kUndoButton, QStringLiteral("撤销"), 1, 0);
    redo_ = addButton(this, kRedoButton, QStringLiteral("重做"), 1, 1);
    auto* series = addButton(this, kSeriesButton, QStringLiteral("批量添加"), 1, 2);
    auto* copy = addButton(this, kCopyToButton, QStringLiteral("复制到…"), 1, 3);
    auto* shift = addButton(this, kShiftButton, QStringLiteral("平移时间"), 1, 4);
    auto* daysZones = addButton(this, kDaysZonesButton, QStringLiteral("星期与分区"), 1, 5);
    series->setToolTip(QStringLiteral("以选中的定时为样板，在多个时间各添加一条"));
    copy->setToolTip(QStringLiteral("把选中的定时复制到其他星期或分区"));
    shift->setToolTip(QStringLiteral("把选中的定时提前或推后若干分钟"));
    daysZones->setToolTip(QStringLiteral("为选中的定时加上或去掉星期和分区"));
    auto* exportTable = addButton(this, kExportButton, QStringLiteral("导出…"), 1, 6);
    auto* importTable = addButton(this, kImportButton, QStringLiteral("导入…"), 1, 7);
    auto* compare = addButton(this, kCompareButton, QStringLiteral("比较…"), 1, 8);
    exportTable->setToolTip(QStringLiteral("把本程序的定时存为电子表格（CSV）"));
    importTable->setToolTip(QStringLiteral("从电子表格（CSV）读入定时，先显示将有的变化"));
    compare->setToolTip(QStringLiteral("与另一个定时文件（例如卡上的）比较播放的内容"));
    buttons_[1] = {undo_, redo_, series, copy, shift, daysZones, exportTable, importTable, compare};
    connect(exportTable, &QPushButton::clicked, this, &TForm2::exportRequested);
    connect(importTable, &QPushButton::clicked, this, &TForm2::importRequested);
    connect(compare, &QPushButton::clicked, this, &TForm2::compareRequested);
    connect(undo_, &QPushButton::clicked, this, &TForm2::undoRequested);
    connect(redo_, &QPushButton::clicked, this, &TForm2::redoRequested);
    connect(series, &QPushButton::clicked, this, &TForm2::openSeries);
    connect(copy, &QPushButton::clicked, this, &TForm2::openCopy);
    connect(shift, &QPushButton::clicked, this, &TForm2::openShift);
    connect(daysZones, &QPushButton::clicked, this, &TForm2::openDaysZones);
    addHistoryKeys(
        *this, [this] { emit undoRequested(); }, [this] { emit redoRequested(); });
    setHistory({}, {});
}

void TForm2::setHistory(const QString& undoName, const QString& redoName)
{
    undo_->setEnabled(!undoName.isEmpty());
    undo_->setToolTip(undoName.isEmpty() ? QString() : QStringLiteral("撤销：") + undoName);
    redo_->setEnabled(!redoName.isEmpty());
    redo_->setToolTip(redoName.isEmpty() ? QString() : QStringLiteral("重做：") + redoName);
}

// Each dialog is made once and kept, so that it shows again what was typed into it last.
void TForm2::openSeries()
{
    if (!series_) {
        series_ = new SeriesDialog(this);
        connect(series_, &QDialog::accepted, this, [this] { emit seriesRequested(series_->times()); });
    }
    series_->open();
}

void TForm2::openCopy()
{
    if (!copy_) {
        copy_ = new CopyDialog(this);
        connect(copy_, &QDialog::accepted, this,
                [this] { emit copyRequested(copy_->days(), copy_->zones()); });
    }
    // The model's days and zones, to be changed where the copies differ.
    const RowBits model = rowBits_.value(selectedRows().constFirst());
    copy_->preset(model.days, model.zones);
    copy_->open();
}

void TForm2::openShift()
{
    if (!shift_) {
        shift_ = new ShiftDialog(dialogs_, this);
        connect(shift_, &QDialog::accepted, this, [this] { emit shiftRequested(shift_->minutes()); });
    }
    shift_->open();
}

void TForm2::openDaysZones()
{
    if (!daysZones_) {
        daysZones_ = new DaysZonesDialog(this);
        connect(daysZones_, &QDialog::accepted, this,
                [this] { emit daysZonesRequested(daysZones_->days(), daysZones_->zones()); });
    }
    // On: every selected timing has it; partly: some have it.
    std::uint8_t allDays = 0x7F, anyDays = 0, allZones = 0x3F, anyZones = 0;
    bool anyUsed = false;
    for (int row : selectedRows()) {
        if (!usedRows_.value(row))
            continue;
        anyUsed = true;
        const RowBits bits = rowBits_.value(row);
        allDays &= bits.days;
        anyDays |= bits.days;
        allZones &= bits.zones;
        anyZones |= bits.zones;
    }
    if (!anyUsed)
        allDays = allZones = 0;
    daysZones_->preset(allDays, anyDays, allZones, anyZones);
    daysZones_->open();
}

void TForm2::HeaderControl1SectionResize()
{
    for (int i = 0; i < kOverviewColumns; ++i)
        StringGrid1->setColumnWidth(i, HeaderControl1->sectionSize(i));
}

void TForm2::closeEvent(QCloseEvent* event)
{
    emit closed();
    QWidget::closeEvent(event);
}

}  // namespace tavisto
