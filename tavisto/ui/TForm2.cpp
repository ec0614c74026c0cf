#include "TForm2.h"

#include "ControlNames.h"
#include "Dialogs.h"
#include "Fonts.h"
#include "ListPrint.h"
#include "PrintPages.h"
#include "WindowSetup.h"

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

constexpr QSize kWindowSize(800, 589);
constexpr QRect kPanel(16, 0, 769, 537);
constexpr int kHeaderHeight = 24;
constexpr int kButtonTop = 552;
constexpr QSize kButtonSize(75, 25);
constexpr int kButtonLefts[] = {216, 336, 510, 600};  // 周计划 beside 返回
constexpr int kButtonCount = 4;
constexpr QSize kSmallestSize(320, 200);
const QKeySequence kWeekPlanKey(Qt::CTRL | Qt::Key_L);

QPushButton* addButton(QWidget* window, const char* name, const QString& text, int left)
{
    auto* button = new QPushButton(text, window);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(QRect(QPoint(left, kButtonTop), kButtonSize));
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
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setMinimumSectionSize(1);
    StringGrid1->verticalHeader()->setDefaultSectionSize(18);
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    placeHeader();
    StringGrid1->setToolTip(QStringLiteral("按 Ctrl+P 打印本表已设定的定时"));

    auto* clear = addButton(this, kOverviewClearButton, QStringLiteral("清除定时"), kButtonLefts[0]);
    auto* edit = addButton(this, kOverviewEditButton, QStringLiteral("编辑定时"), kButtonLefts[1]);
    auto* weekPlan = addButton(this, kWeekPlanButton, QStringLiteral("周计划"), kButtonLefts[2]);
    weekPlan->setShortcut(kWeekPlanKey);
    weekPlan->setToolTip(QStringLiteral("显示播放机一周的运行计划和冲突（%1）")
                             .arg(kWeekPlanKey.toString(QKeySequence::NativeText)));
    auto* back = addButton(this, kOverviewBackButton, QStringLiteral("返回"), kButtonLefts[3]);
    buttons_[0] = clear;
    buttons_[1] = edit;
    buttons_[2] = weekPlan;
    buttons_[3] = back;
    connect(clear, &QPushButton::clicked, this, &TForm2::Button1Click);
    connect(edit, &QPushButton::clicked, this, &TForm2::Button2Click);
    connect(weekPlan, &QPushButton::clicked, this, &TForm2::weekPlanRequested);
    connect(back, &QPushButton::clicked, this, &QWidget::close);  // Button3Click

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
// three buttons move up and together.
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
    const int gap =
        lost.width() == 0 ? 0 : (size.width() - kButtonCount * kButtonSize.width()) / (kButtonCount + 1);
    for (int i = 0; i < kButtonCount; ++i) {
        const int left = lost.width() == 0 ? kButtonLefts[i] : gap + i * (kButtonSize.width() + gap);
        buttons_[i]->move(left, kButtonTop - lost.height());
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
}

void TForm2::setRow(int row, const OverviewRow& cells, bool used)
{
    usedRows_[row] = used;
    for (int column = 0; column < kOverviewColumns; ++column) {
        const QString text = QString::fromStdString(cells[column]);
        if (QTableWidgetItem* item = StringGrid1->item(row, column))
            item->setText(text);
        else
            StringGrid1->setItem(row, column, new QTableWidgetItem(text));
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
    if (dialogs_.printDialog(this, printer) && !tavisto::printList(printout(), printer))
        dialogs_.message(this, Dialogs::Kind::Error, QStringLiteral("打印失败！"), Dialogs::Buttons::Ok);
}

int TForm2::currentRow() const
{
    return qMax(0, StringGrid1->currentRow());
}

void TForm2::Button1Click()
{
    if (dialogs_.message(this, Dialogs::Kind::Confirmation, QStringLiteral("确认清除本条定时的设置？"),
                         Dialogs::Buttons::YesNo)
        == Dialogs::Answer::Yes)
        emit clearTimingConfirmed(currentRow());
}

void TForm2::Button2Click()
{
    QPointer<TForm2> self(this);
    emit editTimingRequested(currentRow());
    if (self && isVisible())
        close();
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
