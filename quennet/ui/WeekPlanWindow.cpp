#include "WeekPlanWindow.h"

#include "AppSettings.h"
#include "ControlNames.h"
#include "Dialogs.h"
#include "Fonts.h"
#include "PrintPages.h"
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
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSlider>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <iterator>

namespace quennet {

namespace {
const char kPrintFailedMessage[] = "周计划无法打印,请检查打印机或文件!";
const char kNothingToReport[] = "没有冲突，也没有无效的定时";

// The view the user zoomed or scrolled to last, for the next opening.
const QString kViewFirstKey = QStringLiteral("weekPlan/firstMinute");
const QString kViewHoursKey = QStringLiteral("weekPlan/hours");

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
}  // namespace

WeekPlanWindow::WeekPlanWindow(Dialogs& dialogs, QWidget* editor)
    : QWidget(editor, Qt::Window),
      dialogs_(dialogs),
      program_(new QComboBox(this)),
      zoom_(new QSlider(Qt::Horizontal, this)),
      zoomText_(new QLabel(this)),
      picture_(new WeekPicture(this)),
      findings_(new QTreeWidget(this))
{
    setObjectName(QString::fromLatin1(kWeekPlanWindow));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(planFont());

    program_->setObjectName(QString::fromLatin1(kWeekProgramList));
    for (int program = 0; program < kProgramCount; ++program)
        program_->addItem(QStringLiteral("程序%1").arg(program + 1));
    program_->setToolTip(QStringLiteral("预览任一程序的周计划"));
    auto* programLabel = new QLabel(QStringLiteral("预览(&P)："), this);
    programLabel->setBuddy(program_);

    // The slider counts the hours in view; to the right fewer of them, larger.
    zoom_->setObjectName(QString::fromLatin1(kWeekZoomSlider));
    zoom_->setRange(WeekPicture::kFewestHours, WeekPicture::kMostHours);
    zoom_->setInvertedAppearance(true);
    zoom_->setInvertedControls(true);
    zoom_->setPageStep(1);
    zoom_->setFixedWidth(fontMetrics().averageCharWidth() * 20);
    zoom_->setToolTip(QStringLiteral("放大到小时（Ctrl+滚轮）"));
    auto* zoomLabel = new QLabel(QStringLiteral("缩放(&Z)："), this);
    zoomLabel->setBuddy(zoom_);
    zoomText_->setObjectName(QString::fromLatin1(kWeekZoomText));
    zoomText_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("24 小时 ")));

    auto* top = new QHBoxLayout;
    top->addWidget(programLabel);
    top->addWidget(program_);
    top->addStretch();
    top->addWidget(zoomLabel);
    top->addWidget(zoom_);
    top->addWidget(zoomText_);

    picture_->setObjectName(QString::fromLatin1(kWeekPicture));

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
    print->setObjectName(QString::fromLatin1(kWeekPrintButton));
    print->setToolTip(QStringLiteral("打印周计划和检查结果（Ctrl+P）"));
    auto* back = new QPushButton(QStringLiteral("关闭"), this);
    back->setObjectName(QString::fromLatin1(kWeekCloseButton));
    back->setToolTip(QStringLiteral("关闭周计划（Esc）"));
    for (QPushButton* button : {print, back})
        button->setAutoDefault(false);  // Enter in the finding list shows the timing
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(print);
    bottom->addWidget(back);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(picture_, 3);
    layout->addWidget(findings_, 1);
    layout->addLayout(bottom);

    // Only a choice made in the list counts; an arrow key on the closed list opens it.
    connect(program_, &QComboBox::activated, this, &WeekPlanWindow::showProgram);
    program_->installEventFilter(this);
    connect(zoom_, &QSlider::valueChanged, picture_, [this](int hours) {
        const int middle = picture_->firstMinute() + picture_->hoursShown() * 30;
        picture_->setView(middle - hours * 30, hours);
    });
    connect(picture_, &WeekPicture::viewChanged, this, &WeekPlanWindow::viewChanged);
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
                [this, steps = steps] { picture_->zoomBy(steps); });
    connect(print, &QPushButton::clicked, this, &WeekPlanWindow::printPlan);
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this,
            &WeekPlanWindow::printPlan);
    connect(back, &QPushButton::clicked, this, &QWidget::close);

    // The whole week fits the screen at once.
    const QRect screen = (editor ? editor->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    resize(kPreferredSize.boundedTo(screen.size() * 9 / 10));
    setFocusProxy(picture_);
    viewChanged();
}

void WeekPlanWindow::setSchedule(const DataFile::Listing& listing, const QString& filePath, bool unsaved)
{
    listing_ = listing;
    filePath_ = filePath;
    unsaved_ = unsaved;
    redraw();
    if (!viewOpened_)
        openView();
}

// The view the user left the plan in last time, else the hours the week uses.
void WeekPlanWindow::openView()
{
    const QVariant first = setting(kViewFirstKey), hours = setting(kViewHoursKey);
    if (first.isValid() && hours.isValid()) {
        picture_->setView(first.toInt(), hours.toInt());
    } else {
        const MinuteRange range = minutesInUse(review_.week.events);
        picture_->setView(range.first, (range.last - range.first + 59) / 60);
    }
    viewOpened_ = true;
}

void WeekPlanWindow::viewChanged()
{
    const QSignalBlocker blocker(zoom_);
    zoom_->setValue(picture_->hoursShown());
    zoomText_->setText(QStringLiteral("%1 小时").arg(picture_->hoursShown()));
    if (!viewOpened_)
        return;
    keepSetting(kViewFirstKey, picture_->firstMinute());
    keepSetting(kViewHoursKey, picture_->hoursShown());
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
    fillFindings(selected);
    picture_->setDrawing(weekDrawing(review_.week, review_.findings, pickedFinding()));
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
    const QColor warning = clashColour(palette());
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
}

int WeekPlanWindow::pickedFinding() const
{
    const int row = findings_->currentItem() ? findings_->indexOfTopLevelItem(findings_->currentItem()) : -1;
    return row >= 0 && std::size_t(row) < review_.findings.size() ? row : -1;
}

// The events of the selected finding are picked out, its time brought into view; every clash is
// outlined all the time.
void WeekPlanWindow::findingSelected(QTreeWidgetItem*)
{
    const int picked = pickedFinding();
    if (picked >= 0 && review_.findings[std::size_t(picked)].start)
        picture_->showMinute(*review_.findings[std::size_t(picked)].start);
    picture_->setDrawing(weekDrawing(review_.week, review_.findings, picked));
}

bool WeekPlanWindow::eventFilter(QObject* watched, QEvent* event)
{
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

WeekPlanDocument WeekPlanWindow::document() const
{
    WeekPlanDocument document{windowTitle(),
                              PrintPages::sourceName(filePath_, unsaved_) + QStringLiteral("    ")
                                  + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                              weekDrawing(review_.week, review_.findings),
                              findingColumns(),
                              {}};
    for (int row = 0; row < findings_->topLevelItemCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < findings_->columnCount(); ++column)
            cells << findings_->topLevelItem(row)->text(column);
        document.rows << cells;
    }
    return document;
}

void WeekPlanWindow::printPlan()
{
    QPrinter printer(QPrinter::HighResolution);
    prepareWeekPlan(printer, windowTitle(), filePath_, chosenProgram_.value_or(listing_.runProgram));
    if (!dialogs_.printDialog(this, printer))
        return;
    PrintPages::remember(printer);
    if (!printWeekPlan(printer, document()))
        dialogs_.message(this, QString::fromUtf8(kPrintFailedMessage), Dialogs::Icon::Warning);
}

}  // namespace quennet
