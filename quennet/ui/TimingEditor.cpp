#include "TimingEditor.h"

#include "AppIcon.h"
#include "AppTexts.h"
#include "ControlNames.h"
#include "DataFile.h"
#include "DataFileLayout.h"
#include "DialogUnits.h"
#include "Dialogs.h"
#include "Fonts.h"
#include "RoomyRows.h"
#include "UpDown.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QShortcut>
#include <algorithm>
#include <optional>

namespace quennet {

namespace {
const char kIntegerMessage[] = "请键入一个整数。";
const char kRangeMessage[] = "“请填入一个在%1和%2之间的整数。”";
const char kWriteFailedMessage[] = "%1 定时文件无法写入,操作没有完成!";
const char kReadFailedMessage[] = "%1 定时文件无法读取,操作没有完成!";
const char kClearQuestion[] = "全部清空将删除四套定时程序中的所有定时,确定要清空吗?";

// The number fields are taken in the order of numbers_: hour, minute, the three tracks and the
// random range come before the boxes, the end minute and end hour after them.
constexpr std::size_t kNumbersBeforeBoxes = 7;

const char kTrackCaption[] = "曲    目:";
const char kMusicTrackCaption[] = "曲    目";
const char kStationCaption[] = "台    号:";

// The style decides how much room a box needs: it grows to the right and around its middle.
void growToHint(QWidget* widget)
{
    const QSize size = widget->size().expandedTo(widget->sizeHint());
    widget->setGeometry(widget->x(), widget->y() + (widget->height() - size.height()) / 2, size.width(),
                        size.height());
}

// The style decides where a group box's title ends: the buttons sit in the room below it, and
// the box grows when that room is too low for them.
void placeInGroup(QGroupBox* group, const QList<QAbstractButton*>& buttons)
{
    group->ensurePolished();
    int height = 0;
    for (QAbstractButton* button : buttons)
        height = std::max({height, button->height(), button->sizeHint().height()});
    const int missing = height - group->contentsRect().height();
    if (missing > 0)
        group->resize(group->width(), group->height() + missing);
    const QRect inside = group->contentsRect().translated(group->pos());
    for (QAbstractButton* button : buttons)
        button->setGeometry(button->x(), inside.top() + (inside.height() - height) / 2,
                            std::max(button->width(), button->sizeHint().width()), height);
}

// The row of position among the valid positions (position itself counted), 0 for none.
int ordinalOf(const std::vector<int>& positions, int position)
{
    if (position == 0)
        return 0;
    return int(std::lower_bound(positions.begin(), positions.end(), position) - positions.begin()) + 1;
}

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
    setWindowIcon(appIcon());
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

    countProgram();
    setIndicator(state_.TimingCount, false);
    showFields();
}

void TimingEditor::buildLayout()
{
    const DialogUnits du(font());
    setFixedSize(du.size(374, 209));

    // Group boxes first, so that the controls inside them stay on top.
    auto* programGroup = new QGroupBox(QStringLiteral("程序设定"), this);
    programGroup->setGeometry(du.rect(105, 5, 200, 25));
    (new QGroupBox(this))->setGeometry(du.rect(7, 37, 360, 165));

    openButton_ = addButton(QStringLiteral("打开文件"), du.rect(7, 8, 62, 21), kOpenCloseButton);
    connect(openButton_, &QPushButton::clicked, this, &TimingEditor::openCloseClick);

    programs_ = new QButtonGroup(this);
    const int programX[] = {115, 161, 207, 253};
    for (int p = 0; p < 4; ++p) {
        auto* radio = new QRadioButton(QStringLiteral("程序%1").arg(p + 1), this);
        radio->setObjectName(QString::fromLatin1(kProgramRadios[p]));
        radio->setGeometry(du.rect(programX[p], 15, 36, 10));
        programs_->addButton(radio, p);
    }
    placeInGroup(programGroup, programs_->buttons());
    programs_->button(0)->setChecked(true);
    connect(programs_, &QButtonGroup::idClicked, this, &TimingEditor::programClick);

    QPushButton* ok = addButton(QStringLiteral("确定"), du.rect(317, 9, 50, 14), kDefaultButton);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TimingEditor::okClick);

    addLabel(QStringLiteral("定时设定:"), du.rect(13, 47, 37, 8));
    typeList_ = new QComboBox(this);
    typeList_->setObjectName(QString::fromLatin1(kTypeList));
    typeList_->setEditable(true);
    typeList_->setInsertPolicy(QComboBox::NoInsert);
    typeList_->setCompleter(nullptr);
    typeList_->setItemDelegate(new RoomyRows(typeList_));
    typeList_->addItems({QStringLiteral("音乐定时"), QStringLiteral("收音定时"), QStringLiteral("外设设定")});
    typeList_->setCurrentIndex(int(TimingKind::Music));
    const QRect typeRect = du.rect(55, 45, 77, 12);
    typeList_->setGeometry(typeRect.x(), typeRect.y() - 2, typeRect.width(), typeList_->sizeHint().height());
    connect(typeList_, &QComboBox::activated, this, &TimingEditor::typeSelected);
    connect(typeList_->lineEdit(), &QLineEdit::textEdited, this, &TimingEditor::typeEdited);

    addLabel(QStringLiteral("当前定时："), du.rect(157, 48, 41, 8));
    indicatorEdit_ = new QLineEdit(this);
    indicatorEdit_->setObjectName(QString::fromLatin1(kIndicator));
    indicatorEdit_->setGeometry(du.rect(198, 47, 54, 12));
    indicatorEdit_->setReadOnly(true);

    addLabel(QStringLiteral("定时时间:"), du.rect(13, 71, 37, 8));
    const NumberField hour = addNumberField(&TimingFields::hour, kHourEdit, du.rect(55, 68, 19, 16),
                                            kHourSpin, du.rect(74, 66, 12, 18), 23, true);
    hour.edit->setAlignment(Qt::AlignCenter);
    addLabel(QStringLiteral("时"), du.rect(87, 71, 9, 8));
    const NumberField minute = addNumberField(&TimingFields::minute, kMinuteEdit, du.rect(96, 67, 19, 16),
                                              kMinuteSpin, du.rect(116, 66, 12, 18), 59, true);
    addLabel(QStringLiteral("分"), du.rect(130, 71, 9, 8));
    // The end hour gets the same range check as the start hour.
    const NumberField endHour = addNumberField(&TimingFields::endHour, kEndHourEdit, du.rect(163, 67, 19, 16),
                                               kEndHourSpin, du.rect(183, 67, 12, 18), 23, true);
    const NumberField endMinute =
        addNumberField(&TimingFields::endMinute, kEndMinuteEdit, du.rect(206, 67, 19, 16), kEndMinuteSpin,
                       du.rect(225, 66, 12, 18), 59, true);
    endTimeGroup_ = {endHour.edit,
                     endMinute.edit,
                     endHour.spin,
                     endMinute.spin,
                     addLabel(QStringLiteral("---"), du.rect(143, 71, 13, 8), kEndDashLabel),
                     addLabel(QStringLiteral("时"), du.rect(197, 71, 9, 8), kEndHourLabel),
                     addLabel(QStringLiteral("分"), du.rect(240, 71, 9, 8), kEndMinuteLabel)};

    trackLabel_ = addLabel(QString::fromUtf8(kTrackCaption), du.rect(13, 97, 37, 8), kTrackLabel);
    const NumberField track1 = addNumberField(&TimingFields::track1, kTrack1Edit, du.rect(55, 95, 24, 16),
                                              kTrack1Spin, du.rect(79, 95, 12, 18), 99, false);
    QLabel* dash1 = addLabel(QStringLiteral("---"), du.rect(95, 99, 13, 8), kTrackDash1Label);
    const NumberField track2 = addNumberField(&TimingFields::track2, kTrack2Edit, du.rect(109, 95, 24, 16),
                                              kTrack2Spin, du.rect(133, 93, 12, 18), 99, false);
    QLabel* dash2 = addLabel(QStringLiteral("---"), du.rect(149, 99, 13, 8), kTrackDash2Label);
    const NumberField track3 = addNumberField(&TimingFields::track3, kTrack3Edit, du.rect(163, 95, 24, 16),
                                              kTrack3Spin, du.rect(187, 93, 12, 18), 99, false);
    QLabel* randomLabel = addLabel(QStringLiteral("随机:"), du.rect(13, 124, 21, 8), kRandomLabel);
    QLabel* fromLabel = addLabel(QStringLiteral("从"), du.rect(45, 123, 9, 8), kRandomFromLabel);
    const NumberField from =
        addNumberField(&TimingFields::randomFrom, kRandomFromEdit, du.rect(55, 119, 24, 16), kRandomFromSpin,
                       du.rect(79, 118, 12, 18), 99, false);
    QLabel* toLabel = addLabel(QStringLiteral("到"), du.rect(96, 123, 9, 8), kRandomToLabel);
    const NumberField to = addNumberField(&TimingFields::randomTo, kRandomToEdit, du.rect(108, 119, 24, 16),
                                          kRandomToSpin, du.rect(132, 118, 12, 18), 99, false);
    firstTrackGroup_ = {trackLabel_, track1.edit, track1.spin};
    trackGroup_ = {dash1,   dash2,     track2.edit, track3.edit, track2.spin, track3.spin, from.edit,
                   to.edit, from.spin, to.spin,     randomLabel, fromLabel,   toLabel};

    addLabel(QStringLiteral("星期:"), du.rect(13, 143, 21, 8), kDaysLabel);
    const char* dayNames[] = {"日", "一", "二", "三", "四", "五", "六"};
    const int boxX[] = {38, 70, 101, 134, 166, 198, 230};
    for (int day = 0; day < 7; ++day) {
        dayBoxes_[day] = new QCheckBox(QString::fromUtf8(dayNames[day]), this);
        dayBoxes_[day]->setObjectName(QString::fromLatin1(kDayBoxes[day]));
        dayBoxes_[day]->setGeometry(du.rect(boxX[day], 141, 24, 10));
        growToHint(dayBoxes_[day]);
        connect(dayBoxes_[day], &QCheckBox::clicked, this, [this, day](bool checked) {
            fields_.days[day] = checked;
            showFields();
        });
    }
    addLabel(QStringLiteral("分区:"), du.rect(13, 159, 21, 8), kZonesLabel);
    for (int zone = 0; zone < 4; ++zone) {
        zoneBoxes_[zone] = new QCheckBox(QString::number(zone + 1), this);
        zoneBoxes_[zone]->setObjectName(QString::fromLatin1(kZoneBoxes[zone]));
        zoneBoxes_[zone]->setGeometry(du.rect(boxX[zone], 158, 24, 10));
        growToHint(zoneBoxes_[zone]);
        connect(zoneBoxes_[zone], &QCheckBox::clicked, this, [this, zone](bool checked) {
            fields_.zones[zone] = checked;
            showFields();
        });
    }

    const struct {
        const char* caption;
        const char* id;
        QRect rect;
        void (TimingEditor::*handler)();
    } buttons[] = {
        {"第一定时", kFirstButton, du.rect(279, 47, 60, 15), &TimingEditor::firstClick},
        {"最后定时", kLastButton, du.rect(279, 62, 60, 15), &TimingEditor::lastClick},
        {"上一定时", kPreviousButton, du.rect(279, 77, 60, 15), &TimingEditor::previousClick},
        {"下一定时", kNextButton, du.rect(279, 92, 60, 15), &TimingEditor::nextClick},
        {"定时查看", kCheckListButton, du.rect(279, 107, 60, 15), &TimingEditor::checkListClick},
        {"添加保存", kAddButton, du.rect(7, 186, 60, 15), &TimingEditor::addClick},
        {"修改保存", kModifyButton, du.rect(67, 186, 60, 15), &TimingEditor::modifyClick},
        {"删除本条", kDeleteButton, du.rect(127, 186, 60, 15), &TimingEditor::deleteClick},
        {"全部清空", kClearAllButton, du.rect(187, 186, 60, 15), &TimingEditor::clearAllClick},
    };
    for (const auto& button : buttons) {
        QPushButton* push = addButton(QString::fromUtf8(button.caption), button.rect, button.id);
        connect(push, &QPushButton::clicked, this, button.handler);
        fileButtons_.push_back(push);
    }
    setFileButtonsEnabled(false);

    for (int y : {62, 86, 115, 138, 155, 172}) {
        auto* line = new QFrame(this);
        line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
        line->setGeometry(du.x(8), du.y(y), du.x(247), 2);
    }
    auto* vertical = new QFrame(this);
    vertical->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    vertical->setGeometry(du.x(254), du.y(63), 2, du.y(110));

    numbers_ = {hour, minute, track1, track2, track3, from, to, endMinute, endHour};
    for (std::size_t i = 0; i < numbers_.size(); ++i)
        connect(numbers_[i].spin, &UpDown::scrolled, this,
                [this, i](int position) { spinScrolled(numbers_[i], position); });
    for (QWidget* widget : endTimeGroup_)
        widget->hide();
}

TimingEditor::NumberField TimingEditor::addNumberField(int TimingFields::*value, const char* editId,
                                                       QRect editRect, const char* spinId, QRect spinRect,
                                                       int high, bool rangeChecked)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(editId));
    edit->setGeometry(editRect);
    auto* spin = new UpDown(this);
    spin->setObjectName(QString::fromLatin1(spinId));
    spin->setGeometry(spinRect);
    spin->setRange(0, high);
    return {edit, spin, value, 0, high, rangeChecked};
}

QLabel* TimingEditor::addLabel(const QString& text, QRect rect, const char* id)
{
    auto* label = new QLabel(text, this);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(rect);
    if (id)
        label->setObjectName(QString::fromLatin1(id));
    return label;
}

QPushButton* TimingEditor::addButton(const QString& text, QRect rect, const char* id)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString::fromLatin1(id));
    button->setGeometry(rect);
    // A focused button is the default while it has the focus, so Enter presses it; elsewhere
    // Enter presses 确定.
    button->setAutoDefault(true);
    return button;
}

bool TimingEditor::takeNumber(const NumberField& field)
{
    const std::optional<int> value = parseInteger(field.edit->text());
    QString problem;
    if (!value)
        problem = QString::fromUtf8(kIntegerMessage);
    else if (field.rangeChecked && (*value < field.low || *value > field.high))
        problem = QString::fromUtf8(kRangeMessage).arg(field.low).arg(field.high);
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
    const TimingKind kind = unpackTiming(state_.EntryBuffer, fields_);
    typeList_->setCurrentIndex(int(kind));
    typeList_->setEditText(typeList_->itemText(int(kind)));  // replaces a typed text too
    applyKind(kind);
    showFields();
}

// The indicator numbers the shown timing as the check list does: its row among the valid timings.
void TimingEditor::setIndicator(int ordinal, bool trailingBlank)
{
    indicator_ =
        QString::asprintf(trailingBlank ? " %02d / %02d " : " %02d / %02d", ordinal, state_.TimingCount);
}

void TimingEditor::applyKind(TimingKind kind)
{
    if (kind == state_.TimingKind)
        return;
    const auto setVisible = [](const std::vector<QWidget*>& group, bool visible) {
        for (QWidget* widget : group)
            widget->setVisible(visible);
    };
    if (kind != TimingKind::Unlisted) {
        setVisible(endTimeGroup_, kind != TimingKind::Music);
        trackLabel_->setText(
            QString::fromUtf8(kind == TimingKind::Music ? kMusicTrackCaption : kStationCaption));
        setVisible(trackGroup_, kind == TimingKind::Music);
        setVisible(firstTrackGroup_, kind != TimingKind::Peripheral);
    }
    state_.TimingKind = kind;
}

void TimingEditor::setFileButtonsEnabled(bool enabled)
{
    for (QPushButton* button : fileButtons_)
        button->setEnabled(enabled);
}

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

// Unreadable counts as no timings.
void TimingEditor::countProgram()
{
    const auto count = file_.CountTimings(state_.ProgramIndex);
    state_.TimingCount = count ? count->timings : 0;
    state_.ShownNo = count ? count->lastPosition : 0;
}

void TimingEditor::openCloseClick()
{
    if (state_.FileClosed) {
        const DataFile::OpenResult result = file_.OpenDataFile(state_.ProgramIndex);
        const Dialogs::Icon icon = result.failed ? Dialogs::Icon::Warning : Dialogs::Icon::None;
        if (!result.opened) {
            dialogs_.message(this, QString::fromStdString(result.message), icon);
            return;
        }
        state_.FileClosed = false;
        state_.ProgramIndex = result.programIndex;
        showLastTiming();
        dialogs_.message(this, QString::fromStdString(result.message), icon);
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

void TimingEditor::typeSelected(int index)
{
    applyKind(TimingKind(index));
}

void TimingEditor::typeEdited(const QString& text)
{
    const int index = typeList_->findText(text, Qt::MatchExactly);
    if (index < 0) {
        state_.TimingKind = TimingKind::Unlisted;  // nothing is shown or hidden
        return;
    }
    typeList_->setCurrentIndex(index);
    applyKind(TimingKind(index));
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
    if (validPositions())
        dialogs_.showCheckList(this, file_, state_.ProgramIndex);
}

void TimingEditor::okClick()
{
    if (takeFields())
        accept();
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
