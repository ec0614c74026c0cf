#include "TimingEditor.h"

#include "DataFile.h"
#include "DataFileLayout.h"
#include "Dialogs.h"
#include "FileMessages.h"
#include "WeekPlan.h"
#include "WeekPlanWindow.h"

#include <QApplication>
#include <QPushButton>
#include <algorithm>
#include <optional>

namespace quennet {

namespace {
const char kClearQuestion[] = "全部清空将删除四套定时程序中的所有定时,确定要清空吗?";
const char kSilentCloseQuestion[] = "程序%1 没有会播放的定时，关闭后播放机将运行程序%1。仍然关闭吗？";

// The row of position among the valid positions (position itself counted), 0 for none.
int ordinalOf(const std::vector<int>& positions, int position)
{
    if (position == 0)
        return 0;
    return int(std::lower_bound(positions.begin(), positions.end(), position) - positions.begin()) + 1;
}
}  // namespace

std::optional<ProgramTable> TimingEditor::readTable()
{
    ProgramTable table;
    const FileError error = file_.readProgram(state_.ProgramIndex, table);
    if (!error.failed())
        return table;
    reportFailure(readFailedMessage(filePath()), error);
    return std::nullopt;
}

std::optional<std::vector<int>> TimingEditor::validPositions()
{
    const std::optional<ProgramTable> table = readTable();
    if (!table)
        return std::nullopt;
    return positionsOf(*table);
}

std::vector<int> TimingEditor::positionsOf(const ProgramTable& table)
{
    std::vector<int> positions;
    for (const TimingEntry& entry : table.validEntries())
        positions.push_back(entry.EntryNo);
    return positions;
}

std::optional<ProgramTable> TimingEditor::takeFieldsAndRead()
{
    if (!takeFields())
        return std::nullopt;
    showFields();
    return readTable();
}

QString TimingEditor::filePath() const
{
    return QString::fromStdString(file_.filePath());
}

void TimingEditor::reportFailure(const QString& message, const FileError& error)
{
    dialogs_.message(this, message, Dialogs::Icon::Warning, reasonOf(error));
}

TimingEditor::EditorView TimingEditor::view() const
{
    return {state_, fields_, indicator_};
}

// The fields and the indicator as they were, the kind shown with them; the file stays as it is.
void TimingEditor::showView(const EditorView& view)
{
    const bool fileClosed = state_.FileClosed;
    const TimingKind shownKind = state_.TimingKind;
    state_ = view.state;
    state_.FileClosed = fileClosed;
    state_.TimingKind = shownKind;
    applyKind(view.state.TimingKind);
    showKind();
    fields_ = view.fields;
    indicator_ = view.indicator;
    showFields();
}

// The editor's own steps carry what it showed; after a step of the check list it shows the
// program the step changed, on the timing it showed while that still exists.
void TimingEditor::followStep(const ScheduleStep& step, DataFile::StepDirection direction)
{
    const std::any& shown = direction == DataFile::StepDirection::Undone ? step.shownBefore : step.shownAfter;
    if (const auto* own = std::any_cast<EditorView>(&shown)) {
        showView(*own);
    } else {
        if (!step.entries.empty())
            state_.ProgramIndex = step.entries.front().program;
        const std::optional<std::vector<int>> positions = validPositions();
        state_.TimingCount = positions ? int(positions->size()) : 0;
        if (positions && std::binary_search(positions->begin(), positions->end(), state_.ShownNo))
            showPosition(*positions, state_.ShownNo, false);
        else
            showLastTiming();
    }
    emit scheduleChanged();
}

bool TimingEditor::applyStep(ScheduleStep step)
{
    const FileError error = file_.apply(std::move(step));
    if (error.failed())
        reportFailure(writeFailedMessage(filePath()), error);
    return !error.failed();
}

void TimingEditor::undoStep()
{
    if (state_.FileClosed)
        return;
    const FileError error = file_.undo();
    if (error.failed())
        reportFailure(writeFailedMessage(filePath()), error);
}

void TimingEditor::redoStep()
{
    if (state_.FileClosed)
        return;
    const FileError error = file_.redo();
    if (error.failed())
        reportFailure(writeFailedMessage(filePath()), error);
}

void TimingEditor::openCloseClick()
{
    if (state_.FileClosed) {
        // Without the file held the window stays closed, so that nothing is written into a file
        // that was left alone or that another program holds.
        const DataFile::OpenResult result = file_.OpenDataFile(state_.ProgramIndex);
        if (!result.opened()) {
            dialogs_.message(this, openMessage(result, filePath()), Dialogs::Icon::Warning);
            return;
        }
        state_.FileClosed = false;
        state_.ProgramIndex = result.programIndex;
        showLastTiming();
        dialogs_.message(this, openMessage(result, filePath()), Dialogs::Icon::None);
        openButton_->setText(QStringLiteral("关闭文件"));
        setFileButtonsEnabled(true);
    } else {
        if (!mayClose())
            return;
        state_.FileClosed = true;
        openButton_->setText(QStringLiteral("打开文件"));
        setFileButtonsEnabled(false);
        const QString path = filePath();
        const DataFile::CloseResult result = file_.SaveProgramIndex(state_.ProgramIndex);
        emit scheduleChanged();
        dialogs_.message(this, closeMessage(result, path),
                         result.saved() ? Dialogs::Icon::None : Dialogs::Icon::Warning);
    }
}

// Closing stores the selected program as the one the player runs: when it plays nothing while
// another program would, the user says whether that is meant. A file that cannot be read closes
// as it always did.
bool TimingEditor::mayClose()
{
    bool othersPlay = false;
    for (int program = 0; program < kProgramCount; ++program) {
        const std::optional<std::vector<TimingEntry>> entries = file_.ListTimings(program);
        if (!entries)
            return true;
        if (playsAnything(*entries)) {
            if (program == state_.ProgramIndex)
                return true;
            othersPlay = true;
        }
    }
    return !othersPlay
        || dialogs_.ask(this, QStringLiteral("Confirm"),
                        QString::fromUtf8(kSilentCloseQuestion).arg(state_.ProgramIndex + 1));
}

void TimingEditor::programClick(int programIndex)
{
    state_.ProgramIndex = programIndex;
    showFields();
    showLastTiming();
}

// An unreadable file shows no timings; once the file is open, that is reported.
void TimingEditor::showLastTiming()
{
    const auto count = file_.CountTimings(state_.ProgramIndex);
    const auto entry =
        count ? file_.LoadTiming(state_.ProgramIndex, count->lastPosition, state_.EntryBuffer) : std::nullopt;
    if (entry) {
        state_.TimingCount = count->timings;
        state_.ShownNo = count->lastPosition;
        state_.EntryBuffer = *entry;
    } else {
        state_.TimingCount = 0;
        state_.ShownNo = 0;
        if (!state_.FileClosed)
            reportFailure(readFailedMessage(filePath()), {});
    }
    setIndicator(state_.TimingCount, true);
    ShowTiming();
}

// The new timing goes after the highest stored one, so that no stored timing is replaced;
// with position 99 taken it fills the first gap, and with 99 timings it replaces timing 99.
void TimingEditor::addClick()
{
    const std::optional<ProgramTable> table = takeFieldsAndRead();
    if (!table)
        return;
    const std::vector<int> positions = positionsOf(*table);
    int target = positions.empty() ? 1 : positions.back() + 1;
    if (target > kMaxTimings) {
        target = kMaxTimings;
        for (int n = 1; n <= kMaxTimings; ++n) {
            if (!std::binary_search(positions.begin(), positions.end(), n)) {
                target = n;
                break;
            }
        }
    }
    storeFieldsAt(*table, target, QStringLiteral("添加保存"));
}

void TimingEditor::storeFieldsAt(const ProgramTable& table, int position, const QString& stepName)
{
    const std::vector<int> positions = positionsOf(table);
    const bool added = !std::binary_search(positions.begin(), positions.end(), position);
    EditorView after = view();
    PackTiming(after.state.EntryBuffer, fields_, state_.TimingKind, position);
    after.state.ShownNo = position;
    after.state.TimingCount = int(positions.size()) + (added ? 1 : 0);
    after.indicator = indicatorText(ordinalOf(positions, position), after.state.TimingCount, false);
    ScheduleStep step;
    step.name = stepName.toStdString();
    step.entries.push_back({state_.ProgramIndex, position, table.at(position), after.state.EntryBuffer});
    step.shownBefore = view();
    step.shownAfter = after;
    applyStep(std::move(step));
}

void TimingEditor::modifyClick()
{
    if (const auto table = takeFieldsAndRead())
        storeFieldsAt(*table, std::max(state_.ShownNo, 1), QStringLiteral("修改保存"));
}

// After a deletion the previous stored timing is shown, or the next one when none is before.
void TimingEditor::deleteClick()
{
    const std::optional<ProgramTable> table = takeFieldsAndRead();
    if (!table || state_.ShownNo == 0)
        return;
    const int deleted = state_.ShownNo;
    std::vector<int> positions = positionsOf(*table);
    positions.erase(std::remove(positions.begin(), positions.end(), deleted), positions.end());
    const auto next = std::upper_bound(positions.begin(), positions.end(), deleted);
    const int shown = next != positions.begin() ? *std::prev(next) : (next != positions.end() ? *next : 0);
    EditorView after = view();
    after.state.ShownNo = shown;
    after.state.TimingCount = int(positions.size());
    after.state.EntryBuffer =
        DataFile::loadedEntry(table->at(std::max(shown, 1)), shown, DataFile::deletedEntry());
    after.indicator = indicatorText(ordinalOf(positions, shown), after.state.TimingCount, true);
    after.state.TimingKind = unpackTiming(after.state.EntryBuffer, after.fields);
    ScheduleStep step;
    step.name = "删除本条";
    step.entries.push_back({state_.ProgramIndex, deleted, table->at(deleted), DataFile::deletedEntry()});
    step.shownBefore = view();
    step.shownAfter = after;
    applyStep(std::move(step));
}

// Clearing empties all four programs, so it asks first; it is undone by the whole file as it was.
void TimingEditor::clearAllClick()
{
    if (!dialogs_.confirm(this, QString::fromUtf8(kClearQuestion)))
        return;
    ScheduleStep step;
    const FileError error = file_.readImage(step.fileBefore);
    if (error.failed()) {
        reportFailure(readFailedMessage(filePath()), error);
        return;
    }
    step.name = "全部清空";
    step.fileAfter = DataFile::emptyImage(state_.ProgramIndex);
    EditorView after = view();
    after.state.ShownNo = 0;
    after.state.TimingCount = 0;
    after.indicator = indicatorText(0, 0, false);
    step.shownBefore = view();
    step.shownAfter = after;
    applyStep(std::move(step));
}

void TimingEditor::showPosition(const std::vector<int>& positions, int position, bool trailingBlank)
{
    const auto entry = file_.LoadTiming(state_.ProgramIndex, position, state_.EntryBuffer);
    if (!entry) {
        reportFailure(readFailedMessage(filePath()), {});
        return;
    }
    state_.ShownNo = position;
    state_.EntryBuffer = *entry;
    setIndicator(ordinalOf(positions, position), trailingBlank);
    ShowTiming();
}

void TimingEditor::firstClick()
{
    if (state_.TimingCount == 0)
        return;
    if (const auto positions = validPositions())
        showPosition(*positions, positions->empty() ? 1 : positions->front(), false);
}

void TimingEditor::lastClick()
{
    if (state_.TimingCount == 0)
        return;
    if (const auto positions = validPositions())
        showPosition(*positions, positions->empty() ? state_.TimingCount : positions->back(), true);
}

void TimingEditor::previousClick()
{
    const auto positions = validPositions();
    if (!positions)
        return;
    const auto before = std::lower_bound(positions->begin(), positions->end(), state_.ShownNo);
    showPosition(*positions, before != positions->begin() ? *std::prev(before) : state_.ShownNo, false);
}

void TimingEditor::nextClick()
{
    const auto positions = validPositions();
    if (!positions)
        return;
    const auto after = std::upper_bound(positions->begin(), positions->end(), state_.ShownNo);
    showPosition(*positions, after != positions->end() ? *after : state_.ShownNo, false);
}

// A file that cannot be read is reported rather than shown as an empty list.
void TimingEditor::checkListClick()
{
    if (!validPositions())
        return;
    dialogs_.showCheckList(this, file_, state_.ProgramIndex, [this] { showWeekPlan(); });
}

// A timing chosen in the week plan is reached as a program switch and the navigation reach it.
void TimingEditor::showChosenTiming(const TimingRef& timing)
{
    programClick(timing.program);
    if (timing.position == 0)
        return;
    if (const auto positions = validPositions())
        showPosition(*positions, timing.position, false);
}

// The plan reads the file afresh, for all four programs and the one the player runs; a file that
// cannot be read is reported rather than shown as an empty week.
void TimingEditor::showWeekPlan()
{
    if (state_.FileClosed)
        return;
    const DataFile::Listing listing = file_.listAllTimings();
    if (listing.failure.failed()) {
        dialogs_.message(QApplication::activeModalWidget(), unreadableMessage(listing.failure, filePath()),
                         Dialogs::Icon::Warning);
        return;
    }
    if (!weekPlan_) {
        weekPlan_ = new WeekPlanWindow(dialogs_, this);
        connect(weekPlan_, &WeekPlanWindow::timingChosen, this, [this](const TimingRef& timing) {
            // The check list the plan was opened from gives way to the editor.
            if (QWidget* over = QApplication::activeModalWidget(); over && over != this)
                over->close();
            showChosenTiming(timing);
            activateWindow();
        });
    }
    weekPlan_->setSchedule(listing, filePath(), false);
    weekPlan_->show();
    weekPlan_->raise();
    weekPlan_->activateWindow();
    weekPlan_->setFocus();
}

void TimingEditor::followSchedule()
{
    if (!weekPlan_)
        return;
    const DataFile::Listing listing = file_.listAllTimings();
    if (state_.FileClosed || listing.failure.failed())
        weekPlan_->close();  // the plan goes with its file
    else
        weekPlan_->setSchedule(listing, filePath(), false);
}

void TimingEditor::okClick()
{
    if (takeFields())
        accept();
}

}  // namespace quennet
