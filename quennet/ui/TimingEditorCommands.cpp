#include "TimingEditor.h"

#include "DataFile.h"
#include "DataFileLayout.h"
#include "Dialogs.h"

#include <QPushButton>
#include <algorithm>
#include <optional>

namespace quennet {

namespace {
const char kWriteFailedMessage[] = "%1 定时文件无法写入,操作没有完成!";
const char kReadFailedMessage[] = "%1 定时文件无法读取,操作没有完成!";
const char kClearQuestion[] = "全部清空将删除四套定时程序中的所有定时,确定要清空吗?";

// The row of position among the valid positions (position itself counted), 0 for none.
int ordinalOf(const std::vector<int>& positions, int position)
{
    if (position == 0)
        return 0;
    return int(std::lower_bound(positions.begin(), positions.end(), position) - positions.begin()) + 1;
}
}  // namespace

std::optional<std::vector<int>> TimingEditor::validPositions()
{
    const std::optional<std::vector<TimingEntry>> entries = file_.ListTimings(state_.ProgramIndex);
    if (!entries) {
        reportFailure(kReadFailedMessage);
        return std::nullopt;
    }
    std::vector<int> positions;
    for (const TimingEntry& entry : *entries)
        positions.push_back(entry.EntryNo);
    return positions;
}

std::optional<std::vector<int>> TimingEditor::takeFieldsAndRead()
{
    if (!takeFields())
        return std::nullopt;
    showFields();
    return validPositions();
}

void TimingEditor::reportFailure(const char* message)
{
    dialogs_.message(this, QString::fromUtf8(message).arg(QString::fromStdString(file_.filePath())),
                     Dialogs::Icon::Warning);
}

void TimingEditor::openCloseClick()
{
    if (state_.FileClosed) {
        // Without the file held the window stays closed, so that nothing is written into a file
        // that was left alone or that another program holds.
        const DataFile::OpenResult result = file_.OpenDataFile(state_.ProgramIndex);
        if (!result.opened()) {
            dialogs_.message(this, QString::fromStdString(result.message), Dialogs::Icon::Warning);
            return;
        }
        state_.FileClosed = false;
        state_.ProgramIndex = result.programIndex;
        showLastTiming();
        dialogs_.message(this, QString::fromStdString(result.message), Dialogs::Icon::None);
        openButton_->setText(QStringLiteral("关闭文件"));
        setFileButtonsEnabled(true);
    } else {
        state_.FileClosed = true;
        openButton_->setText(QStringLiteral("打开文件"));
        setFileButtonsEnabled(false);
        const DataFile::CloseResult result = file_.SaveProgramIndex(state_.ProgramIndex);
        dialogs_.message(this, QString::fromStdString(result.message),
                         result.saved ? Dialogs::Icon::None : Dialogs::Icon::Warning);
    }
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
            reportFailure(kReadFailedMessage);
    }
    setIndicator(state_.TimingCount, true);
    ShowTiming();
}

// The new timing goes after the highest stored one, so that no stored timing is replaced;
// with position 99 taken it fills the first gap, and with 99 timings it replaces timing 99.
void TimingEditor::addClick()
{
    const std::optional<std::vector<int>> valid = takeFieldsAndRead();
    if (!valid)
        return;
    const std::vector<int>& positions = *valid;
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
    storeFieldsAt(positions, target);
}

void TimingEditor::storeFieldsAt(const std::vector<int>& positions, int position)
{
    PackTiming(state_.EntryBuffer, fields_, state_.TimingKind, position);
    if (!file_.StoreTiming(state_.ProgramIndex, position, state_.EntryBuffer)) {
        reportFailure(kWriteFailedMessage);
        return;
    }
    const bool added = !std::binary_search(positions.begin(), positions.end(), position);
    state_.ShownNo = position;
    state_.TimingCount = int(positions.size()) + (added ? 1 : 0);
    setIndicator(ordinalOf(positions, position), false);
    showFields();
}

void TimingEditor::modifyClick()
{
    if (const auto positions = takeFieldsAndRead())
        storeFieldsAt(*positions, std::max(state_.ShownNo, 1));
}

// After a deletion the previous stored timing is shown, or the next one when none is before.
void TimingEditor::deleteClick()
{
    std::optional<std::vector<int>> valid = takeFieldsAndRead();
    if (!valid || state_.ShownNo == 0)
        return;
    const int deleted = state_.ShownNo;
    if (!file_.DeleteTiming(state_.ProgramIndex, deleted)) {
        reportFailure(kWriteFailedMessage);
        return;
    }
    state_.EntryBuffer = DataFile::deletedEntry();
    std::vector<int>& positions = *valid;
    positions.erase(std::remove(positions.begin(), positions.end(), deleted), positions.end());
    const auto after = std::upper_bound(positions.begin(), positions.end(), deleted);
    if (after != positions.begin())
        state_.ShownNo = *std::prev(after);
    else
        state_.ShownNo = after != positions.end() ? *after : 0;
    state_.TimingCount = int(positions.size());
    showPosition(positions, state_.ShownNo, true);
}

// Clearing empties all four programs, so it asks first.
void TimingEditor::clearAllClick()
{
    if (!dialogs_.confirm(this, QString::fromUtf8(kClearQuestion)))
        return;
    if (!file_.CreateDataFile(state_.ProgramIndex))
        reportFailure(kWriteFailedMessage);
    countProgram();
    setIndicator(state_.TimingCount, false);
    showFields();
}

void TimingEditor::showPosition(const std::vector<int>& positions, int position, bool trailingBlank)
{
    const auto entry = file_.LoadTiming(state_.ProgramIndex, position, state_.EntryBuffer);
    if (!entry) {
        reportFailure(kReadFailedMessage);
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
    if (const std::optional<TimingRef> chosen = dialogs_.showCheckList(this, file_, state_.ProgramIndex))
        showChosenTiming(*chosen);
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

void TimingEditor::okClick()
{
    if (takeFields())
        accept();
}

}  // namespace quennet
