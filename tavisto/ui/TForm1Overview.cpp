// The overview list of the edited table: opening it, filling its rows, its two commands, and the
// week plan it opens.
#include "TForm1.h"

#include "AppTexts.h"
#include "PrintPages.h"
#include "TForm2.h"
#include "WeekPlanWindow.h"

namespace tavisto {

void TForm1::Button11Click()
{
    // The shown timing is stored first, so the list shows it as it stands.
    if (!storeShownTiming())
        return;
    overview_ = new TForm2(dialogs_, this);
    overview_->setAttribute(Qt::WA_QuitOnClose, false);
    overview_->show();
    overview_->setWindowTitle(overviewTitle(state_.selection(), state_.Timings.RandomEnabled));
    overview_->setSource(printedFileName(), tableName(state_.selection()));
    connect(overview_, &TForm2::clearTimingConfirmed, this, &TForm1::clearSelected);
    connect(overview_, &TForm2::seriesRequested, this, &TForm1::addSeries);
    connect(overview_, &TForm2::copyRequested, this, &TForm1::copySelected);
    connect(overview_, &TForm2::shiftRequested, this, &TForm1::shiftSelected);
    connect(overview_, &TForm2::daysZonesRequested, this, &TForm1::setDaysZones);
    connect(overview_, &TForm2::undoRequested, this, &TForm1::undoStep);
    connect(overview_, &TForm2::redoRequested, this, &TForm1::redoStep);
    connect(overview_, &TForm2::editTimingRequested, this, [this](int row) {
        state_.SlotNo = static_cast<std::uint8_t>(row + 1);
        showSlotNo();
    });
    connect(overview_, &TForm2::weekPlanRequested, this, &TForm1::showWeekPlan);
    connect(overview_, &TForm2::exportRequested, this, &TForm1::exportProgramTable);
    connect(overview_, &TForm2::importRequested, this, &TForm1::importTableFile);
    connect(overview_, &TForm2::compareRequested, this, &TForm1::compareWithFile);
    connect(overview_, &TForm2::closed, this, [this] {
        overview_ = nullptr;
        setEnabled(true);
    });
    CreatList();
    showHistory();
    setEnabled(false);
}

void TForm1::showWeekPlan()
{
    // As for the overview: what the editor shows is stored first, so the plan shows it too.
    if (!storeShownTiming())
        return;
    if (!weekPlan_) {
        weekPlan_ = new WeekPlanWindow(dialogs_, this);
        connect(weekPlan_, &WeekPlanWindow::timingChosen, this, [this](const TimingRef& timing) {
            if (overview_)
                overview_->close();
            showTiming(timing);
            activateWindow();
        });
        followSchedule();
    }
    weekPlan_->show();
    weekPlan_->raise();
    weekPlan_->activateWindow();
    weekPlan_->setFocus();
}

void TForm1::followSchedule()
{
    if (overview_)
        overview_->setSource(printedFileName(), tableName(state_.selection()));
    if (!weekPlan_)
        return;
    if (state_.Document.hasFile())
        weekPlan_->setSchedule(state_.Timings, fileNameShown(), state_.Document.Modified == 1);
    else
        weekPlan_->close();  // the plan goes with its file
}

QString TForm1::printedFileName() const
{
    return PrintPages::sourceName(fileNameShown(), state_.Document.Modified == 1);
}

void TForm1::showTiming(const TimingRef& timing)
{
    if (!storeShownTiming())
        return;
    const SlotSelection table = timing.table();
    state_.EditObject = table.EditObject;
    if (table.EditObject != kRandomProgram)  // the random program keeps the kind last edited
        state_.Type = table.Type;
    state_.SlotNo = static_cast<std::uint8_t>(std::clamp(timing.slot, 1, lastSlot(state_.selection())));
    checkModeButtons();
    applyModeLayout();
    showSlotNo();
}

void TForm1::CreatList()
{
    const int rows = lastSlot(state_.selection());
    overview_->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        LoadBuftoCP(static_cast<std::uint8_t>(row + 1));
        ReListCell(row);
    }
    // The rows were read through CP: give it back the shown timing.
    LoadBuftoCP(0);
}

QString TForm1::fileNameShown() const
{
    return state_.Document.NewFile == 1 ? QStringLiteral("新文件") : state_.fileName();
}

void TForm1::ReListCell(int row)
{
    overview_->setRow(
        row, overviewRow(state_.selection(), row + 1, state_.CP),
        holdsTiming(state_.Timings.Buffer, state_.selection(), static_cast<std::uint8_t>(row + 1)));
    overview_->setRowBits(row, state_.CP.Weekdays, state_.CP.Zones);
}

}  // namespace tavisto
