#include "WeekPlanWindow.h"

#include "ControlNames.h"
#include "Dialogs.h"
#include "Fonts.h"
#include "RoomyRows.h"
#include "WeekPicture.h"
#include "WeekPlanPrint.h"
#include "WeekText.h"

#include <QComboBox>
#include <QDateTime>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSlider>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <iterator>

namespace quennet {

namespace {
const char kPrintFailedMessage[] = "周计划无法打印,请检查打印机或文件!";
const char kNothingToReport[] = "没有冲突，也没有无效的定时";

// How many times the whole day each zoom level shows: 24 hours down to one.
constexpr int kZoomFactors[] = {1, 2, 3, 4, 6, 8, 12, 24};
constexpr int kZoomLevels = int(std::size(kZoomFactors));

const QSize kPreferredSize(1200, 760);

QStringList cellsOf(const std::vector<std::string>& cells)
{
    QStringList texts;
    for (const std::string& cell : cells)
        texts << QString::fromStdString(cell);
    return texts;
}

QStringList findingColumns()
{
    return {QStringLiteral("级别"), QStringLiteral("星期"), QStringLiteral("时间"),
            QStringLiteral("分区"), QStringLiteral("定时"), QStringLiteral("说明")};
}

QLabel* swatch(const QColor& fill, const QColor& outline, int size, QWidget* parent)
{
    QPixmap pixmap(size, size);
    pixmap.fill(fill);
    if (outline.isValid()) {
        QPainter painter(&pixmap);
        painter.setPen(QPen(outline, 2));
        painter.drawRect(QRectF(1, 1, size - 2, size - 2));
    }
    auto* label = new QLabel(parent);
    label->setPixmap(pixmap);
    return label;
}
}  // namespace

WeekPlanWindow::WeekPlanWindow(Dialogs& dialogs, QWidget* editor)
    : QWidget(editor, Qt::Window),
      dialogs_(dialogs),
      program_(new QComboBox(this)),
      zoom_(new QSlider(Qt::Horizontal, this)),
      zoomText_(new QLabel(this)),
      scroll_(new QScrollArea(this)),
      picture_(new WeekPicture),
      findings_(new QTreeWidget(this))
{
    setObjectName(QString::fromLatin1(kWeekPlanWindow));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(dialogFont(9));

    program_->setObjectName(QString::fromLatin1(kWeekProgram));
    for (int program = 0; program < kProgramCount; ++program)
        program_->addItem(QStringLiteral("程序%1").arg(program + 1));
    program_->setToolTip(QStringLiteral("预览任一程序的周计划"));
    auto* programLabel = new QLabel(QStringLiteral("预览(&P)："), this);
    programLabel->setBuddy(program_);

    zoom_->setObjectName(QString::fromLatin1(kWeekZoom));
    zoom_->setRange(0, kZoomLevels - 1);
    zoom_->setPageStep(1);
    zoom_->setFixedWidth(fontMetrics().averageCharWidth() * 20);
    zoom_->setToolTip(QStringLiteral("放大到小时（Ctrl+滚轮）"));
    auto* zoomLabel = new QLabel(QStringLiteral("缩放(&Z)："), this);
    zoomLabel->setBuddy(zoom_);
    zoomText_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("24 小时 ")));

    auto* top = new QHBoxLayout;
    top->addWidget(programLabel);
    top->addWidget(program_);
    top->addSpacing(fontMetrics().averageCharWidth() * 4);
    const int size = fontMetrics().height() * 2 / 3;
    for (EventKind kind : {EventKind::Music, EventKind::Recording, EventKind::Radio, EventKind::Peripheral}) {
        top->addWidget(swatch(kindColor(kind), QColor(), size, this));
        top->addWidget(new QLabel(kindName(kind), this));
        top->addSpacing(fontMetrics().averageCharWidth());
    }
    top->addWidget(swatch(palette().color(QPalette::Base), warningColor(palette()), size, this));
    top->addWidget(new QLabel(QStringLiteral("冲突"), this));
    top->addStretch();
    top->addWidget(zoomLabel);
    top->addWidget(zoom_);
    top->addWidget(zoomText_);

    scroll_->setWidget(picture_);
    scroll_->setWidgetResizable(false);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->viewport()->installEventFilter(this);
    scroll_->setFocusPolicy(Qt::StrongFocus);

    findings_->setObjectName(QString::fromLatin1(kFindingList));
    findings_->setRootIsDecorated(false);
    findings_->setAllColumnsShowFocus(true);
    findings_->setHeaderLabels(findingColumns());
    findings_->setItemDelegate(new RoomyRows(findings_));
    findings_->setMinimumHeight(fontMetrics().height() * 9);
    // Every row is one line high, and each column is as wide as its longest usual text; measuring
    // hundreds of rows instead would cost more than the whole picture.
    findings_->setUniformRowHeights(true);
    const QString samples[] = {QStringLiteral("冲突"), QStringLiteral("星期一至星期五,星期日"),
                               QStringLiteral("22:00-次日06:00"), QStringLiteral("1,2,3,4"),
                               QStringLiteral("程序1 第 01 条 / 程序1 第 02 条")};
    for (int column = 0; column < int(std::size(samples)); ++column)
        findings_->setColumnWidth(
            column, fontMetrics().horizontalAdvance(samples[column]) + fontMetrics().averageCharWidth() * 3);

    auto* print = new QPushButton(QStringLiteral("打印"), this);
    print->setToolTip(QStringLiteral("打印周计划和检查结果（Ctrl+P）"));
    auto* back = new QPushButton(QStringLiteral("关闭"), this);
    back->setToolTip(QStringLiteral("关闭周计划（Esc）"));
    for (QPushButton* button : {print, back})
        button->setAutoDefault(false);  // Enter in the finding list shows the timing
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(print);
    bottom->addWidget(back);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(scroll_, 3);
    layout->addWidget(findings_, 1);
    layout->addLayout(bottom);

    // Only a choice made in the list counts; an arrow key on the closed list opens it.
    connect(program_, &QComboBox::activated, this, &WeekPlanWindow::showProgram);
    program_->installEventFilter(this);
    connect(zoom_, &QSlider::valueChanged, this, [this](int level) {
        const int middle = scroll_->viewport()->height() / 2;
        setZoom(level, picture_->minuteAt(scroll_->verticalScrollBar()->value() + middle), middle);
    });
    connect(picture_, &WeekPicture::zoomRequested, this, [this](int steps, double minute) {
        const int y = int(picture_->yOfMinute(minute)) - scroll_->verticalScrollBar()->value();
        zoom_->blockSignals(true);
        zoom_->setValue(zoom_->value() + steps);
        zoom_->blockSignals(false);
        setZoom(zoom_->value(), minute, y);
    });
    // The days at the top are painted where the view begins, so a scroll repaints them.
    connect(scroll_->verticalScrollBar(), &QScrollBar::valueChanged, picture_, qOverload<>(&QWidget::update));
    connect(picture_, &WeekPicture::timingChosen, this, &WeekPlanWindow::timingChosen);
    connect(findings_, &QTreeWidget::currentItemChanged, this, &WeekPlanWindow::findingSelected);
    connect(findings_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const int row = findings_->indexOfTopLevelItem(item);
        if (row >= 0 && std::size_t(row) < review_.findings.size() && !review_.findings[row].timings.empty())
            emit timingChosen(review_.findings[std::size_t(row)].timings.front());
    });
    for (const auto& [keys, steps] :
         {std::pair(QKeySequence::ZoomIn, 1), std::pair(QKeySequence::ZoomOut, -1)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this,
                [this, steps = steps] { zoom_->setValue(zoom_->value() + steps); });
    connect(print, &QPushButton::clicked, this, &WeekPlanWindow::printPlan);
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this,
            &WeekPlanWindow::printPlan);
    connect(back, &QPushButton::clicked, this, &QWidget::close);

    // The whole week fits the screen at once.
    const QRect screen = (editor ? editor->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    resize(kPreferredSize.boundedTo(screen.size() * 9 / 10));
    setZoom(0, 0, 0);
    setFocusProxy(scroll_);
}

void WeekPlanWindow::setSchedule(const DataFile::Listing& listing, const QString& filePath, bool unsaved)
{
    listing_ = listing;
    filePath_ = filePath;
    unsaved_ = unsaved;
    redraw();
}

void WeekPlanWindow::showProgram(int program)
{
    chosenProgram_ = program;
    redraw();
}

void WeekPlanWindow::redraw()
{
    QTreeWidgetItem* current = findings_->currentItem();
    const int row = current ? findings_->indexOfTopLevelItem(current) : -1;
    const std::vector<std::string> selected = row >= 0 && std::size_t(row) < review_.findings.size()
        ? findingCells(review_.findings[std::size_t(row)])
        : std::vector<std::string>();
    const int program = chosenProgram_.value_or(listing_.runProgram);
    program_->setCurrentIndex(program);
    setWindowTitle(
        QStringLiteral("周计划－程序%1（播放机运行程序%2）").arg(program + 1).arg(listing_.runProgram + 1));
    review_ = reviewWeek(listing_.programs, program, listing_.runProgram);
    WeekDrawing drawing;
    drawing.events = review_.week.events;
    for (const Finding& finding : review_.findings) {
        if (finding.level != Finding::Level::Clash)
            continue;
        for (int day = 0; day < kDaysPerWeek; ++day) {
            for (int zone = 0; zone < kZoneCount; ++zone) {
                if (!(finding.days & (1 << day)) || !(finding.zones & (1 << zone)))
                    continue;
                for (const TimingRef& timing : finding.timings)
                    drawing.clashes.insert({timing, day, zone});
            }
        }
    }
    picture_->setDrawing(std::move(drawing));
    fillFindings(selected);
}

// The finding selected before is selected again where it still stands.
void WeekPlanWindow::fillFindings(const std::vector<std::string>& selected)
{
    const QSignalBlocker blocker(findings_);
    findings_->clear();
    if (review_.findings.empty()) {
        auto* item = new QTreeWidgetItem(findings_);
        item->setText(findings_->columnCount() - 1, QString::fromUtf8(kNothingToReport));
        item->setFlags(Qt::ItemIsEnabled);
        return;
    }
    const QColor warning = warningColor(palette());
    for (const Finding& finding : review_.findings) {
        const QStringList cells = cellsOf(findingCells(finding));
        auto* item = new QTreeWidgetItem(cells);
        for (int column : {4, 5})  // the timings and the reason may be cut off
            item->setToolTip(column, cells[column]);
        if (finding.level == Finding::Level::Clash)
            item->setForeground(0, warning);
        findings_->addTopLevelItem(item);
        if (!selected.empty() && findingCells(finding) == selected)
            findings_->setCurrentItem(item);
    }
    const int row = findings_->indexOfTopLevelItem(findings_->currentItem());
    picture_->setHighlighted(row >= 0 ? review_.findings[std::size_t(row)].timings
                                      : std::vector<TimingRef>());
}

void WeekPlanWindow::findingSelected(QTreeWidgetItem* item)
{
    const int row = item ? findings_->indexOfTopLevelItem(item) : -1;
    if (row < 0 || std::size_t(row) >= review_.findings.size()) {
        picture_->setHighlighted({});
        return;
    }
    const Finding& finding = review_.findings[std::size_t(row)];
    picture_->setHighlighted(finding.timings);
    // Brings the finding's time into view.
    if (finding.start)
        scroll_->ensureVisible(0, int(picture_->yOfMinute(*finding.start)), 0,
                               scroll_->viewport()->height() / 3);
}

void WeekPlanWindow::setZoom(int level, double minute, int viewportY)
{
    level = std::clamp(level, 0, kZoomLevels - 1);
    const int hours = 24 / kZoomFactors[level];
    zoomText_->setText(QStringLiteral("%1 小时").arg(hours));
    fitPicture();
    scroll_->verticalScrollBar()->setValue(int(picture_->yOfMinute(minute)) - viewportY);
}

void WeekPlanWindow::fitPicture()
{
    const QSize room = scroll_->viewport()->size();
    picture_->resize(room.width(), room.height() * kZoomFactors[zoom_->value()]);
}

bool WeekPlanWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == scroll_->viewport() && event->type() == QEvent::Resize)
        fitPicture();
    if (watched == program_ && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End: program_->showPopup(); return true;
        default: break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void WeekPlanWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

void WeekPlanWindow::printPlan()
{
    QPrinter printer(QPrinter::HighResolution);
    prepareWeekPlan(printer, windowTitle(), filePath_);
    if (!dialogs_.printDialog(this, printer))
        return;
    WeekPlanDocument document{windowTitle(),
                              filePath_ + QStringLiteral("    ")
                                  + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                              picture_->drawing(),
                              findingColumns(),
                              {}};
    document.drawing.highlighted.clear();
    for (int row = 0; row < findings_->topLevelItemCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < findings_->columnCount(); ++column)
            cells << findings_->topLevelItem(row)->text(column);
        document.rows << cells;
    }
    if (!printWeekPlan(printer, document))
        dialogs_.message(this, QString::fromUtf8(kPrintFailedMessage), Dialogs::Icon::Warning);
}

}  // namespace quennet
