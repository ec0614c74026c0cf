#include "WeekPlanWindow.h"

#include "AppIcon.h"
#include "AppSettings.h"
#include "ControlNames.h"
#include "Dialogs.h"
#include "Fonts.h"
#include "PrintPages.h"
#include "WeekPicture.h"
#include "WeekPlanPrint.h"
#include "WeekText.h"
#include "WindowSetup.h"

#include <QComboBox>
#include <QDate>
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
#include <QWindow>

namespace tavisto {

namespace {

constexpr QSize kWindowSize(1200, 740);  // the whole week on a 1280 x 800 screen
constexpr int kFindingColumns = 6;
// The view the user zoomed or scrolled to last, for the next opening.
const QString kViewFirstKey = QStringLiteral("weekPlan/firstMinute");
const QString kViewHoursKey = QStringLiteral("weekPlan/hours");

QString planTitle(int program, int runProgram)
{
    return QStringLiteral("周计划－程序%1（播放机运行程序%2）").arg(program).arg(runProgram);
}

}  // namespace

WeekPlanWindow::WeekPlanWindow(Dialogs& dialogs, QWidget* mainWindow)
    : QWidget(nullptr, Qt::Window), dialogs_(dialogs)
{
    setObjectName(QLatin1String(kWeekPlanWindow));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowIcon(appIcon());
    setFont(planFont());

    program_ = new QComboBox(this);
    program_->setObjectName(QLatin1String(kWeekProgramList));
    for (int program = 1; program <= kProgramCount; ++program)
        program_->addItem(QStringLiteral("程序%1").arg(program), program);
    program_->setToolTip(QStringLiteral("预览任一程序的周计划"));
    auto* programLabel = new QLabel(QStringLiteral("预览(&P)："), this);
    programLabel->setBuddy(program_);

    // The slider counts the hours in view; to the right fewer of them, larger.
    zoom_ = new QSlider(Qt::Horizontal, this);
    zoom_->setObjectName(QLatin1String(kWeekZoomSlider));
    zoom_->setRange(WeekPicture::kFewestHours, WeekPicture::kMostHours);
    zoom_->setInvertedAppearance(true);
    zoom_->setInvertedControls(true);
    zoom_->setPageStep(1);
    zoom_->setFixedWidth(fontMetrics().averageCharWidth() * 20);
    zoom_->setToolTip(QStringLiteral("放大到小时（Ctrl+滚轮）"));
    auto* zoomLabel = new QLabel(QStringLiteral("缩放(&Z)："), this);
    zoomLabel->setBuddy(zoom_);
    zoomText_ = new QLabel(this);
    zoomText_->setObjectName(QLatin1String(kWeekZoomText));
    zoomText_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("24 小时 ")));

    auto* top = new QHBoxLayout;
    top->addWidget(programLabel);
    top->addWidget(program_);
    top->addStretch();
    top->addWidget(zoomLabel);
    top->addWidget(zoom_);
    top->addWidget(zoomText_);

    picture_ = new WeekPicture(this);
    picture_->setObjectName(QLatin1String(kWeekPicture));

    findingList_ = new QTreeWidget(this);
    findingList_->setObjectName(QLatin1String(kFindingList));
    findingList_->setColumnCount(kFindingColumns);
    findingList_->setHeaderLabels({QStringLiteral("级别"), QStringLiteral("星期"), QStringLiteral("时间"),
                                   QStringLiteral("分区"), QStringLiteral("定时"), QStringLiteral("说明")});
    findingList_->setRootIsDecorated(false);
    findingList_->setUniformRowHeights(true);
    findingList_->setAllColumnsShowFocus(true);
    findingList_->header()->setStretchLastSection(true);
    findingList_->setMinimumHeight(120);

    auto* print = new QPushButton(QStringLiteral("打印"), this);
    print->setObjectName(QLatin1String(kWeekPrintButton));
    print->setToolTip(QStringLiteral("打印周计划和检查结果（Ctrl+P）"));
    auto* close = new QPushButton(QStringLiteral("关闭"), this);
    close->setObjectName(QLatin1String(kWeekCloseButton));
    close->setToolTip(QStringLiteral("关闭周计划（Esc）"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(picture_, 3);
    layout->addWidget(findingList_, 1);
    layout->addLayout(buttons);

    // Only a choice made in the list counts; an arrow key on the closed list opens it.
    connect(program_, &QComboBox::activated, this, [this] { showProgram(program_->currentData().toInt()); });
    program_->installEventFilter(this);
    connect(zoom_, &QSlider::valueChanged, picture_, [this](int hours) {
        const int middle = picture_->firstMinute() + picture_->hoursShown() * 30;
        picture_->setView(middle - hours * 30, hours);
    });
    connect(picture_, &WeekPicture::viewChanged, this, &WeekPlanWindow::viewChanged);
    connect(picture_, &WeekPicture::timingChosen, this, &WeekPlanWindow::timingChosen);
    connect(findingList_, &QTreeWidget::itemSelectionChanged, this, &WeekPlanWindow::highlightFinding);
    connect(findingList_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const int index = item->data(0, Qt::UserRole).toInt();
        if (index >= 0)
            emit timingChosen(findings_[index].timings.front());
    });
    connect(print, &QPushButton::clicked, this, &WeekPlanWindow::printPlan);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this,
            &WeekPlanWindow::printPlan);
    connect(new QShortcut(QKeySequence::ZoomIn, this), &QShortcut::activated, this,
            [this] { picture_->zoomBy(1); });
    connect(new QShortcut(QKeySequence::ZoomOut, this), &QShortcut::activated, this,
            [this] { picture_->zoomBy(-1); });

    if (const QScreen* shownOn = mainWindow ? mainWindow->screen() : screen())
        resize(kWindowSize.boundedTo(shownOn->availableGeometry().size() - QSize(40, 60)));
    else
        resize(kWindowSize);
    if (mainWindow && mainWindow->windowHandle()) {
        create();
        windowHandle()->setTransientParent(mainWindow->windowHandle());
    }
    setFocusProxy(picture_);
    viewChanged();
}

void WeekPlanWindow::setSchedule(const TimingSet& timings, const QString& fileName, bool unsaved)
{
    timings_ = timings;
    fileName_ = fileName;
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
        const MinuteRange range = minutesInUse(plan_.events);
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
    const int picked = pickedFinding();
    const std::vector<std::string> pickedCells =
        picked >= 0 ? findingCells(findings_[std::size_t(picked)]) : std::vector<std::string>();
    const int program = chosenProgram_.value_or(playedProgram(timings_));
    plan_ = expandWeek(timings_, program);
    findings_ = checkWeek(timings_, plan_);
    setWindowTitle(planTitle(program, plan_.runProgram));
    program_->setCurrentIndex(program - 1);
    fillFindings(pickedCells);
    picture_->setDrawing(weekDrawing(plan_, findings_, pickedFinding()));
}

// The finding selected before is selected again where it still stands.
void WeekPlanWindow::fillFindings(const std::vector<std::string>& selected)
{
    const QSignalBlocker blocker(findingList_);
    findingList_->clear();
    const QColor warning = clashColour(palette());
    for (std::size_t i = 0; i < findings_.size(); ++i) {
        QStringList cells;
        for (const std::string& cell : findingCells(findings_[i]))
            cells << QString::fromStdString(cell);
        auto* item = new QTreeWidgetItem(findingList_, cells);
        item->setData(0, Qt::UserRole, int(i));
        item->setToolTip(kFindingColumns - 1, cells.last());
        item->setToolTip(kFindingColumns - 2, cells[kFindingColumns - 2]);
        if (findings_[i].level == Finding::Level::Clash)
            item->setForeground(0, warning);
        if (!selected.empty() && findingCells(findings_[i]) == selected)
            findingList_->setCurrentItem(item);
    }
    if (findings_.empty()) {
        auto* item = new QTreeWidgetItem(findingList_);
        item->setText(kFindingColumns - 1, QStringLiteral("没有冲突，也没有无效的定时"));
        item->setData(0, Qt::UserRole, -1);
    }
    // Wide enough for the longest usual text of each column; the reason takes the rest.
    const QString samples[kFindingColumns - 1] = {
        QStringLiteral("冲突"), QStringLiteral("星期一至星期五,星期日"), QStringLiteral("22:00-次日06:00"),
        QStringLiteral("1,2,3,4,5,6"), QStringLiteral("程序1 音乐定时 01 / 程序1 音乐定时 02")};
    for (int column = 0; column < kFindingColumns - 1; ++column)
        findingList_->setColumnWidth(column,
                                     findingList_->fontMetrics().horizontalAdvance(samples[column]) + 16);
}

int WeekPlanWindow::pickedFinding() const
{
    const QTreeWidgetItem* selected = findingList_->currentItem();
    return selected && selected->isSelected() ? selected->data(0, Qt::UserRole).toInt() : -1;
}

// The events of the selected finding are picked out; every clash is outlined all the time.
void WeekPlanWindow::highlightFinding()
{
    const int picked = pickedFinding();
    if (picked >= 0 && findings_[picked].start)
        picture_->showMinute(*findings_[picked].start);
    picture_->setDrawing(weekDrawing(plan_, findings_, picked));
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
    if (!closeOnEscape(*this, *event))
        QWidget::keyPressEvent(event);
}

WeekPrintout WeekPlanWindow::printout() const
{
    WeekPrintout printout;
    printout.title = windowTitle();
    printout.notes << QStringLiteral("%1    %2")
                          .arg(PrintPages::sourceName(fileName_, unsaved_),
                               QDate::currentDate().toString(Qt::ISODate));
    printout.drawing = weekDrawing(plan_, findings_);
    printout.findings = &findings_;
    return printout;
}

void WeekPlanWindow::printPlan()
{
    QPrinter printer;
    PrintPages::prepare(printer, windowTitle(), fileName_,
                        QStringLiteral("程序%1-周计划").arg(plan_.program));
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!dialogs_.printDialog(this, printer))
        return;
    PrintPages::remember(printer);
    if (!printWeekPlan(printout(), printer))
        dialogs_.message(this, Dialogs::Kind::Error, QStringLiteral("打印失败！"), Dialogs::Buttons::Ok);
}

}  // namespace tavisto
