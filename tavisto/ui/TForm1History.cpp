// The history of the open set: every change is a step, undone and redone with the window as it was.
#include "TForm1.h"

#include "AppTexts.h"
#include "TForm2.h"
#include "TextConversions.h"

#include <algorithm>

namespace tavisto {

namespace {

bool sameSlot(const TimingSet& a, const TimingSet& b, const SlotSelection& shown)
{
    if (shown.EditObject == kRandomProgram)
        return std::equal(a.Buffer.randomSlot(shown.SlotNo),
                          a.Buffer.randomSlot(shown.SlotNo) + kRandomSlotSize,
                          b.Buffer.randomSlot(shown.SlotNo));
    const std::uint8_t* slot = a.Buffer.programSlot(shown.EditObject, shown.Type, shown.SlotNo);
    return std::equal(slot, slot + kProgramSlotSize,
                      b.Buffer.programSlot(shown.EditObject, shown.Type, shown.SlotNo));
}

}  // namespace

TForm1::StepView TForm1::currentView() const
{
    return {state_.EditObject, state_.Type, state_.SlotNo,
            overview_ ? overview_->selectedRows() : QList<int>()};
}

void TForm1::startHistory()
{
    history_.restart(state_.Timings);
    showHistory();
}

bool TForm1::applyStep(const QString& name, const TimingSet& timings)
{
    if (timings == state_.Timings)
        return false;
    History::Step step{name.toStdString(), state_.Timings, timings, currentView(), {}};
    // The edit area keeps what is typed into it unless the step changed the timing it shows.
    const bool shownChanged = !sameSlot(state_.Timings, timings, state_.selection());
    state_.Timings = timings;
    state_.Document.Modified = 1;
    showSchedule(shownChanged);
    step.viewAfter = currentView();
    history_.record(std::move(step));
    showHistory();
    emit scheduleChanged();
    return true;
}

// The store step is a step of its own when it changes a timing; one that only stamps a slot
// holding no timing, as browsing does, is not.
void TForm1::recordStore(const TimingSet& before)
{
    const SlotSelection shown = state_.selection();
    const bool held = slotHoldsTiming(before, shown, state_.SlotNo);
    const bool holds = slotHoldsTiming(state_.Timings, shown, state_.SlotNo);
    if (before == state_.Timings)
        return;
    if (!held && !holds) {
        history_.amendNewest(before, state_.Timings);
        return;
    }
    const QString slot = QString::fromStdString(MyIntToStr(state_.SlotNo));
    const QString name = !held ? QStringLiteral("添加定时 %1").arg(slot)
        : holds                ? QStringLiteral("修改定时 %1").arg(slot)
                               : QStringLiteral("清除定时 %1").arg(slot);
    history_.record({name.toStdString(), before, state_.Timings, currentView(), currentView()});
    showHistory();
    emit scheduleChanged();
}

void TForm1::undoStep()
{
    takeStep(true);
}

void TForm1::redoStep()
{
    takeStep(false);
}

void TForm1::takeStep(bool back)
{
    if (!state_.Document.hasFile() || !storeShownTiming())
        return;
    const History::Step* step = back ? history_.undo() : history_.redo();
    if (!step)
        return;
    state_.Timings = back ? step->before : step->after;
    const StepView& view = back ? step->viewBefore : step->viewAfter;
    state_.EditObject = view.EditObject;
    state_.Type = view.Type;
    state_.SlotNo = view.SlotNo;
    state_.Document.Modified = history_.isSaved(state_.Timings) ? 0 : 1;
    showSchedule(true);
    if (overview_)
        overview_->selectRows(view.rows);
    showHistory();
    emit scheduleChanged();
}

void TForm1::showSchedule(bool reloadShown)
{
    RedrawEdit();
    ReStateBar();
    if (overview_) {
        overview_->setWindowTitle(overviewTitle(state_.selection(), state_.Timings.RandomEnabled));
        overview_->setSource(fileNameShown(), tableName(state_.selection()));
        CreatList();
    }
    if (reloadShown)
        loadShownTiming();
}

void TForm1::showHistory()
{
    if (!overview_)
        return;
    const History::Step* undo = history_.nextUndo();
    const History::Step* redo = history_.nextRedo();
    overview_->setHistory(undo ? QString::fromStdString(undo->name) : QString(),
                          redo ? QString::fromStdString(redo->name) : QString());
}

}  // namespace tavisto
