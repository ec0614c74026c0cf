#include "TimingEditor.h"

#include "AppTexts.h"
#include "ControlNames.h"
#include "DataFile.h"
#include "Dialogs.h"
#include "Fonts.h"
#include "UndoKeys.h"
#include "UpDown.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <optional>

namespace quennet {

namespace {
const char kIntegerMessage[] = "请键入一个整数。";
const char kRangeMessage[] = "“请填入一个在%1和%2之间的整数。”";

// The number fields are taken in the order of numbers_: hour, minute, the three tracks and the
// random range come before the boxes, the end minute and end hour after them.
constexpr std::size_t kNumbersBeforeBoxes = 7;

const char kMusicTrackCaption[] = "曲    目";
const char kStationCaption[] = "台    号:";

// Optional blanks, an optional sign, decimal digits, optional blanks, within the int range.
std::optional<int> parseInteger(const QString& text)
{
    static const QRegularExpression integer(QStringLiteral("^[ \\t]*[+-]?[0-9]+[ \\t]*$"));
    if (!integer.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}
}  // namespace

TimingEditor::TimingEditor(DataFile& file, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint),
      file_(file),
      dialogs_(dialogs)
{
    setObjectName(QString::fromLatin1(kEditorWindow));
    setWindowTitle(QStringLiteral("dedododi--zivoveD1.0"));
    setFont(dialogFont(9));
    buildLayout();

    // The desktop keeps its window menu to itself, so the About entry lives in a menu of our own.
    // F1 reaches it too, wherever the focus is in the window.
    systemMenu_ = new QMenu(this);
    QAction* about = systemMenu_->addAction(kAboutMenuText);
    about->setShortcut(QKeySequence(Qt::Key_F1));
    addAction(about);
    connect(about, &QAction::triggered, this, [this] { dialogs_.showAbout(this); });
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this), &QShortcut::activated, this,
            [this] { showSystemMenu(mapToGlobal(QPoint(0, 0))); });

    new UndoKeys(
        this, [this] { undoStep(); }, [this] { redoStep(); });
    file_.setStepListener(
        [this](const ScheduleStep& step, DataFile::StepDirection direction) { followStep(step, direction); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this), &QShortcut::activated, this,
            &TimingEditor::showWeekPlan);
    connect(this, &TimingEditor::scheduleChanged, this, &TimingEditor::followSchedule);

    countProgram();
    setIndicator(state_.TimingCount, false);
    showFields();
}

TimingEditor::~TimingEditor()
{
    file_.setStepListener({});
}

bool TimingEditor::takeNumber(const NumberField& field)
{
    const std::optional<int> value = parseInteger(field.edit->text());
    const int top = field.spin->top();
    QString problem;
    if (!value)
        problem = QString::fromUtf8(kIntegerMessage);
    else if (field.rangeChecked && (*value < 0 || *value > top))
        problem = QString::fromUtf8(kRangeMessage).arg(0).arg(top);
    if (problem.isEmpty()) {
        fields_.*field.value = *value;
        return true;
    }
    dialogs_.message(this, problem, value ? Dialogs::Icon::Warning : Dialogs::Icon::None);
    field.edit->setFocus();
    field.edit->selectAll();
    return false;
}

// A field the shown kind hides is neither taken nor checked: it keeps the value it was shown with.
bool TimingEditor::takeFields()
{
    const auto takeNumbers = [this](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i) {
            if (!numbers_[i].edit->isHidden() && !takeNumber(numbers_[i]))
                return false;
        }
        return true;
    };
    showKind();
    state_.ProgramIndex = programs_->checkedId();
    if (!takeNumbers(0, kNumbersBeforeBoxes))
        return false;
    for (int day = 0; day < 7; ++day)
        fields_.days[day] = dayBoxes_[day]->isChecked();
    for (int zone = 0; zone < 4; ++zone)
        fields_.zones[zone] = zoneBoxes_[zone]->isChecked();
    if (!takeNumbers(kNumbersBeforeBoxes, numbers_.size()))
        return false;
    indicator_ = indicatorEdit_->text();
    return true;
}

void TimingEditor::showFields()
{
    programs_->button(state_.ProgramIndex)->setChecked(true);
    for (const NumberField& field : numbers_)
        field.edit->setText(QString::number(fields_.*field.value));
    for (int day = 0; day < 7; ++day)
        dayBoxes_[day]->setChecked(fields_.days[day]);
    for (int zone = 0; zone < 4; ++zone)
        zoneBoxes_[zone]->setChecked(fields_.zones[zone]);
    indicatorEdit_->setText(indicator_);
}

// The whole stored timing comes into the fields, its kind included, so that a later
// 修改保存 writes back what was loaded.
void TimingEditor::ShowTiming()
{
    applyKind(unpackTiming(state_.EntryBuffer, fields_));
    showKind();
    showFields();
}

// The indicator numbers the shown timing as the check list does: its row among the valid timings.
void TimingEditor::setIndicator(int ordinal, bool trailingBlank)
{
    indicator_ = indicatorText(ordinal, state_.TimingCount, trailingBlank);
}

QString TimingEditor::indicatorText(int ordinal, int count, bool trailingBlank)
{
    return QString::asprintf(trailingBlank ? " %02d / %02d " : " %02d / %02d", ordinal, count);
}

void TimingEditor::applyKind(TimingKind kind)
{
    if (kind == state_.TimingKind)
        return;
    const auto setVisible = [](const std::vector<QWidget*>& group, bool visible) {
        for (QWidget* widget : group)
            widget->setVisible(visible);
    };
    setVisible(endTimeGroup_, kind != TimingKind::Music);
    trackLabel_->setText(QString::fromUtf8(kind == TimingKind::Music ? kMusicTrackCaption : kStationCaption));
    setVisible(trackGroup_, kind == TimingKind::Music);
    setVisible(firstTrackGroup_, kind != TimingKind::Peripheral);
    state_.TimingKind = kind;
}

void TimingEditor::showKind()
{
    typeList_->setCurrentIndex(int(state_.TimingKind));
    typeList_->setEditText(typeList_->itemText(int(state_.TimingKind)));
}

void TimingEditor::setFileButtonsEnabled(bool enabled)
{
    for (QPushButton* button : fileButtons_)
        button->setEnabled(enabled);
}

// Unreadable counts as no timings.
void TimingEditor::countProgram()
{
    const auto count = file_.CountTimings(state_.ProgramIndex);
    state_.TimingCount = count ? count->timings : 0;
    state_.ShownNo = count ? count->lastPosition : 0;
}

void TimingEditor::typeSelected(int index)
{
    applyKind(TimingKind(index));
}

// Text that names no entry changes nothing: the shown kind stays the one that is stored, and the
// list reads it again when it loses the focus or a command takes the fields.
void TimingEditor::typeEdited(const QString& text)
{
    const int index = typeList_->findText(text, Qt::MatchExactly);
    if (index < 0)
        return;
    typeList_->setCurrentIndex(index);
    applyKind(TimingKind(index));
}

bool TimingEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == typeList_ && event->type() == QEvent::FocusOut)
        showKind();
    return QDialog::eventFilter(watched, event);
}

// Up at the top wraps to 0, down at 0 wraps to the top.
void TimingEditor::spinScrolled(const NumberField& field, int position)
{
    int& value = fields_.*field.value;
    const int top = field.spin->top();
    if (value == top && position == top) {
        field.spin->setPosition(0);
        value = 0;
    } else if (value == 0 && position == 0) {
        field.spin->setPosition(top);
        value = top;
    } else {
        value = position;
    }
    showFields();
}

void TimingEditor::showSystemMenu(const QPoint& globalPos)
{
    systemMenu_->popup(globalPos);
}

void TimingEditor::contextMenuEvent(QContextMenuEvent* event)
{
    showSystemMenu(event->globalPos());
}

}  // namespace quennet
