#include "TimingEditor.h"

#include "AppIcon.h"
#include "AppText.h"
#include "DataFile.h"
#include "DataFileLayout.h"
#include "DialogFont.h"
#include "DialogUnits.h"
#include "Dialogs.h"
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
const char IntegerMessage[] = "请键入一个整数。";
const char RangeMessage[] = "“请填入一个在%1和%2之间的整数。”";
const char WriteFailedMessage[] = "%1 定时文件无法写入,操作没有完成!";
const char ReadFailedMessage[] = "%1 定时文件无法读取,操作没有完成!";
const char ClearQuestion[] = "全部清空将删除四套定时程序中的所有定时,确定要清空吗?";

const char TrackCaption[] = "曲    目:";
const char MusicTrackCaption[] = "曲    目";
const char StationCaption[] = "台    号:";

// Optional blanks, an optional sign, decimal digits, optional blanks, within the int range.
std::optional<int> ParseInteger(const QString& text)
{
    static const QRegularExpression integer(QStringLiteral("^[ \\t]*[+-]?[0-9]+[ \\t]*$"));
    if (!integer.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}
}

TimingEditor::TimingEditor(DataFile& file, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint),
      file_(file), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("TimingEditor"));
    setWindowTitle(QStringLiteral("dedododi--zivoveD1.0"));
    setWindowIcon(AppIcon());
    setFont(DialogFont(9));
    BuildLayout();

    // The desktop keeps its window menu to itself, so the About entry lives in a menu of our own.
    systemMenu_ = new QMenu(this);
    systemMenu_->setSeparatorsCollapsible(false);
    systemMenu_->addSeparator();
    connect(systemMenu_->addAction(AboutMenuText()), &QAction::triggered, this,
            [this] { dialogs_.ShowAbout(this); });
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this), &QShortcut::activated, this,
            [this] { ShowSystemMenu(mapToGlobal(QPoint(0, 0))); });

    CountProgram();
    SetIndicator(false);
    ShowFields();
}

void TimingEditor::BuildLayout()
{
    const DialogUnits du(font());
    setFixedSize(du.Size(374, 209));

    // Group boxes first, so that the controls inside them stay on top.
    (new QGroupBox(QStringLiteral("程序设定"), this))->setGeometry(du.Rect(105, 5, 200, 25));
    (new QGroupBox(this))->setGeometry(du.Rect(7, 37, 360, 165));

    openButton_ = AddButton(QStringLiteral("打开文件"), du.Rect(7, 8, 62, 21), "1028");
    connect(openButton_, &QPushButton::clicked, this, &TimingEditor::OpenButtonClick);

    programs_ = new QButtonGroup(this);
    const int programX[] = {115, 161, 207, 253};
    for (int p = 0; p < 4; ++p) {
        auto* radio = new QRadioButton(QStringLiteral("程序%1").arg(p + 1), this);
        radio->setObjectName(QString::number(1001 + p));
        radio->setGeometry(du.Rect(programX[p], 15, 36, 10));
        programs_->addButton(radio, p);
    }
    programs_->button(0)->setChecked(true);
    connect(programs_, &QButtonGroup::idClicked, this, &TimingEditor::ProgramClick);

    QPushButton* ok = AddButton(QStringLiteral("确定"), du.Rect(317, 9, 50, 14), "1");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TimingEditor::OkClick);

    AddLabel(QStringLiteral("定时设定:"), du.Rect(13, 47, 37, 8));
    typeList_ = new QComboBox(this);
    typeList_->setObjectName(QStringLiteral("1000"));
    typeList_->setEditable(true);
    typeList_->setInsertPolicy(QComboBox::NoInsert);
    typeList_->setCompleter(nullptr);
    typeList_->addItems({QStringLiteral("音乐定时"), QStringLiteral("收音定时"), QStringLiteral("外设设定")});
    typeList_->setCurrentIndex(MusicKind);
    const QRect typeRect = du.Rect(55, 45, 77, 12);
    typeList_->setGeometry(typeRect.x(), typeRect.y() - 2, typeRect.width(), typeList_->sizeHint().height());
    connect(typeList_, &QComboBox::activated, this, &TimingEditor::TypeSelected);
    connect(typeList_->lineEdit(), &QLineEdit::textEdited, this, &TimingEditor::TypeEdited);

    AddLabel(QStringLiteral("当前定时："), du.Rect(157, 48, 41, 8));
    indicatorEdit_ = new QLineEdit(this);
    indicatorEdit_->setObjectName(QStringLiteral("1035"));
    indicatorEdit_->setGeometry(du.Rect(198, 47, 54, 12));
    indicatorEdit_->setReadOnly(true);
    indicatorEdit_->setEnabled(false);

    AddLabel(QStringLiteral("定时时间:"), du.Rect(13, 71, 37, 8));
    const NumberField hour = AddNumberField(&TimingFields::hour, "1006", du.Rect(55, 68, 19, 16),
                                            "1008", du.Rect(74, 66, 12, 18), 23, true);
    hour.edit->setAlignment(Qt::AlignCenter);
    AddLabel(QStringLiteral("时"), du.Rect(87, 71, 9, 8));
    const NumberField minute = AddNumberField(&TimingFields::minute, "1007", du.Rect(96, 67, 19, 16),
                                              "1009", du.Rect(116, 66, 12, 18), 59, true);
    AddLabel(QStringLiteral("分"), du.Rect(130, 71, 9, 8));
    // The end hour gets the same range check as the start hour.
    const NumberField endHour = AddNumberField(&TimingFields::endHour, "1029", du.Rect(163, 67, 19, 16),
                                               "1047", du.Rect(183, 67, 12, 18), 23, true);
    const NumberField endMinute = AddNumberField(&TimingFields::endMinute, "1030", du.Rect(206, 67, 19, 16),
                                                 "1056", du.Rect(225, 66, 12, 18), 59, true);
    endTimeGroup_ = {endHour.edit, endMinute.edit, endHour.spin, endMinute.spin,
                     AddLabel(QStringLiteral("---"), du.Rect(143, 71, 13, 8), "1057"),
                     AddLabel(QStringLiteral("时"), du.Rect(197, 71, 9, 8), "1058"),
                     AddLabel(QStringLiteral("分"), du.Rect(240, 71, 9, 8), "1059")};

    trackLabel_ = AddLabel(QString::fromUtf8(TrackCaption), du.Rect(13, 97, 37, 8), "1048");
    const NumberField track1 = AddNumberField(&TimingFields::track1, "1010", du.Rect(55, 95, 24, 16),
                                              "1011", du.Rect(79, 95, 12, 18), 99, false);
    QLabel* dash1 = AddLabel(QStringLiteral("---"), du.Rect(95, 99, 13, 8), "1052");
    const NumberField track2 = AddNumberField(&TimingFields::track2, "1012", du.Rect(109, 95, 24, 16),
                                              "1013", du.Rect(133, 93, 12, 18), 99, false);
    QLabel* dash2 = AddLabel(QStringLiteral("---"), du.Rect(149, 99, 13, 8), "1053");
    const NumberField track3 = AddNumberField(&TimingFields::track3, "1014", du.Rect(163, 95, 24, 16),
                                              "1015", du.Rect(187, 93, 12, 18), 99, false);
    QLabel* randomLabel = AddLabel(QStringLiteral("随机:"), du.Rect(13, 124, 21, 8), "1049");
    QLabel* fromLabel = AddLabel(QStringLiteral("从"), du.Rect(45, 123, 9, 8), "1054");
    const NumberField from = AddNumberField(&TimingFields::randomFrom, "1016", du.Rect(55, 119, 24, 16),
                                            "1017", du.Rect(79, 118, 12, 18), 99, false);
    QLabel* toLabel = AddLabel(QStringLiteral("到"), du.Rect(96, 123, 9, 8), "1055");
    const NumberField to = AddNumberField(&TimingFields::randomTo, "1018", du.Rect(108, 119, 24, 16),
                                          "1019", du.Rect(132, 118, 12, 18), 99, false);
    firstTrackGroup_ = {trackLabel_, track1.edit, track1.spin};
    trackGroup_ = {dash1, dash2, track2.edit, track3.edit, track2.spin, track3.spin,
                   from.edit, to.edit, from.spin, to.spin, randomLabel, fromLabel, toLabel};

    AddLabel(QStringLiteral("星期:"), du.Rect(13, 143, 21, 8), "1050");
    const char* dayIds[] = {"1024", "1025", "1026", "1031", "1032", "1033", "1034"};
    const char* dayNames[] = {"日", "一", "二", "三", "四", "五", "六"};
    const int boxX[] = {38, 70, 101, 134, 166, 198, 230};
    for (int day = 0; day < 7; ++day) {
        dayBoxes_[day] = new QCheckBox(QString::fromUtf8(dayNames[day]), this);
        dayBoxes_[day]->setObjectName(QString::fromLatin1(dayIds[day]));
        dayBoxes_[day]->setGeometry(du.Rect(boxX[day], 141, 24, 10));
        connect(dayBoxes_[day], &QCheckBox::clicked, this, [this, day](bool checked) {
            fields_.days[day] = checked;
            ShowFields();
        });
    }
    AddLabel(QStringLiteral("分区:"), du.Rect(13, 159, 21, 8), "1051");
    for (int zone = 0; zone < 4; ++zone) {
        zoneBoxes_[zone] = new QCheckBox(QString::number(zone + 1), this);
        zoneBoxes_[zone]->setObjectName(QString::number(1036 + zone));
        zoneBoxes_[zone]->setGeometry(du.Rect(boxX[zone], 158, 24, 10));
        connect(zoneBoxes_[zone], &QCheckBox::clicked, this, [this, zone](bool checked) {
            fields_.zones[zone] = checked;
            ShowFields();
        });
    }

    const struct {
        const char* caption;
        const char* id;
        QRect rect;
        void (TimingEditor::*handler)();
    } buttons[] = {
        {"第一定时", "1043", du.Rect(279, 47, 60, 15), &TimingEditor::FirstClick},
        {"最后定时", "1044", du.Rect(279, 62, 60, 15), &TimingEditor::LastClick},
        {"上一定时", "1045", du.Rect(279, 77, 60, 15), &TimingEditor::PreviousClick},
        {"下一定时", "1040", du.Rect(279, 92, 60, 15), &TimingEditor::NextClick},
        {"定时查看", "1046", du.Rect(279, 107, 60, 15), nullptr},
        {"添加保存", "1027", du.Rect(7, 186, 60, 15), &TimingEditor::AddClick},
        {"修改保存", "1060", du.Rect(67, 186, 60, 15), &TimingEditor::ModifyClick},
        {"删除本条", "1041", du.Rect(127, 186, 60, 15), &TimingEditor::DeleteClick},
        {"全部清空", "1042", du.Rect(187, 186, 60, 15), &TimingEditor::ClearAllClick},
    };
    for (const auto& button : buttons) {
        QPushButton* push = AddButton(QString::fromUtf8(button.caption), button.rect, button.id);
        if (button.handler)
            connect(push, &QPushButton::clicked, this, button.handler);
        else
            connect(push, &QPushButton::clicked, this,
                    [this] { dialogs_.ShowCheckList(this, file_, state_.ProgramIndex); });
        fileButtons_.push_back(push);
    }
    SetFileButtonsEnabled(false);

    for (int y : {62, 86, 115, 138, 155, 172}) {
        auto* line = new QFrame(this);
        line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
        line->setGeometry(du.X(8), du.Y(y), du.X(247), 2);
    }
    auto* vertical = new QFrame(this);
    vertical->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    vertical->setGeometry(du.X(254), du.Y(63), 2, du.Y(110));

    numbers_ = {hour, minute, track1, track2, track3, from, to, endMinute, endHour};
    for (std::size_t i = 0; i < numbers_.size(); ++i)
        connect(numbers_[i].spin, &UpDown::Scrolled, this, [this, i](int position) {
            SpinScrolled(numbers_[i], position);
        });
    for (QWidget* widget : endTimeGroup_)
        widget->hide();
}

TimingEditor::NumberField TimingEditor::AddNumberField(int TimingFields::*value, const char* editId,
                                                       QRect editRect, const char* spinId, QRect spinRect,
                                                       int high, bool rangeChecked)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(editId));
    edit->setGeometry(editRect);
    auto* spin = new UpDown(this);
    spin->setObjectName(QString::fromLatin1(spinId));
    spin->setGeometry(spinRect);
    spin->SetRange(0, high);
    return {edit, spin, value, 0, high, rangeChecked};
}

QLabel* TimingEditor::AddLabel(const QString& text, QRect rect, const char* id)
{
    auto* label = new QLabel(text, this);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(rect);
    if (id)
        label->setObjectName(QString::fromLatin1(id));
    return label;
}

QPushButton* TimingEditor::AddButton(const QString& text, QRect rect, const char* id)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString::fromLatin1(id));
    button->setGeometry(rect);
    button->setAutoDefault(false);
    return button;
}

bool TimingEditor::TakeNumber(const NumberField& field)
{
    const std::optional<int> value = ParseInteger(field.edit->text());
    QString problem;
    if (!value)
        problem = QString::fromUtf8(IntegerMessage);
    else if (field.rangeChecked && (*value < field.low || *value > field.high))
        problem = QString::fromUtf8(RangeMessage).arg(field.low).arg(field.high);
    if (problem.isEmpty()) {
        fields_.*field.value = *value;
        return true;
    }
    dialogs_.Message(this, problem, value ? Dialogs::Icon::Warning : Dialogs::Icon::None);
    field.edit->setFocus();
    field.edit->selectAll();
    return false;
}

bool TimingEditor::TakeFields()
{
    state_.ProgramIndex = programs_->checkedId();
    for (std::size_t i = 0; i < 7; ++i) {
        if (!numbers_[i].edit->isHidden() && !TakeNumber(numbers_[i]))
            return false;
    }
    for (int day = 0; day < 7; ++day)
        fields_.days[day] = dayBoxes_[day]->isChecked();
    for (int zone = 0; zone < 4; ++zone)
        fields_.zones[zone] = zoneBoxes_[zone]->isChecked();
    for (std::size_t i = 7; i < numbers_.size(); ++i) {
        if (!numbers_[i].edit->isHidden() && !TakeNumber(numbers_[i]))
            return false;
    }
    indicator_ = indicatorEdit_->text();
    return true;
}

void TimingEditor::ShowFields()
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
    const int kind = UnpackTiming(state_.EntryBuffer, fields_);
    typeList_->setCurrentIndex(kind);
    typeList_->setEditText(typeList_->itemText(kind)); // replaces a typed text too
    ApplyKind(kind);
    ShowFields();
}

void TimingEditor::SetIndicator(bool trailingBlank)
{
    indicator_ = QString::asprintf(trailingBlank ? " %02d / %02d " : " %02d / %02d", state_.ShownNo,
                                   state_.TimingCount);
}

void TimingEditor::ApplyKind(int kind)
{
    if (kind == timingKind_)
        return;
    const auto setVisible = [](const std::vector<QWidget*>& group, bool visible) {
        for (QWidget* widget : group)
            widget->setVisible(visible);
    };
    if (kind >= MusicKind && kind <= PeripheralKind) {
        setVisible(endTimeGroup_, kind != MusicKind);
        trackLabel_->setText(QString::fromUtf8(kind == MusicKind ? MusicTrackCaption : StationCaption));
        setVisible(trackGroup_, kind == MusicKind);
        setVisible(firstTrackGroup_, kind != PeripheralKind);
    }
    timingKind_ = kind;
}

void TimingEditor::SetFileButtonsEnabled(bool enabled)
{
    for (QPushButton* button : fileButtons_)
        button->setEnabled(enabled);
}

std::optional<std::vector<int>> TimingEditor::ValidPositions()
{
    const std::optional<std::vector<TimingEntry>> entries = file_.ListTimings(state_.ProgramIndex);
    if (!entries) {
        ReportFailure(ReadFailedMessage);
        return std::nullopt;
    }
    std::vector<int> positions;
    for (const TimingEntry& entry : *entries)
        positions.push_back(entry.EntryNo);
    return positions;
}

void TimingEditor::ReportFailure(const char* message)
{
    dialogs_.Message(this, QString::fromUtf8(message).arg(QString::fromStdString(file_.filePath())),
                     Dialogs::Icon::Warning);
}

// Unreadable counts as no timings.
void TimingEditor::CountProgram()
{
    const auto count = file_.CountTimings(state_.ProgramIndex);
    state_.TimingCount = count ? count->timings : 0;
    state_.ShownNo = count ? count->lastPosition : 0;
}

void TimingEditor::OpenButtonClick()
{
    if (fileClosed_) {
        const DataFile::OpenResult result = file_.OpenDataFile(state_.ProgramIndex);
        if (!result.opened) {
            dialogs_.Message(this, QString::fromStdString(result.message), Dialogs::Icon::Warning);
            return;
        }
        fileClosed_ = false;
        state_.ProgramIndex = result.programIndex;
        ShowLastTiming();
        dialogs_.Message(this, QString::fromStdString(result.message), Dialogs::Icon::None);
        openButton_->setText(QStringLiteral("关闭文件"));
        SetFileButtonsEnabled(true);
    } else {
        fileClosed_ = true;
        openButton_->setText(QStringLiteral("打开文件"));
        SetFileButtonsEnabled(false);
        dialogs_.Message(this, QString::fromStdString(file_.SaveProgramIndex(state_.ProgramIndex)),
                         Dialogs::Icon::None);
    }
}

void TimingEditor::ProgramClick(int programIndex)
{
    state_.ProgramIndex = programIndex;
    ShowFields();
    ShowLastTiming();
}

// An unreadable file shows no timings; once the file is open, that is reported.
void TimingEditor::ShowLastTiming()
{
    const auto count = file_.CountTimings(state_.ProgramIndex);
    const auto entry = count ? file_.LoadTiming(state_.ProgramIndex, count->lastPosition, state_.EntryBuffer)
                             : std::nullopt;
    if (entry) {
        state_.TimingCount = count->timings;
        state_.ShownNo = count->lastPosition;
        state_.EntryBuffer = *entry;
    } else {
        state_.TimingCount = 0;
        state_.ShownNo = 0;
        if (!fileClosed_)
            ReportFailure(ReadFailedMessage);
    }
    SetIndicator(true);
    ShowTiming();
}

void TimingEditor::TypeSelected(int kind)
{
    ApplyKind(kind);
}

void TimingEditor::TypeEdited(const QString& text)
{
    const int kind = typeList_->findText(text, Qt::MatchExactly);
    if (kind < 0) {
        timingKind_ = kind; // a text that selects no entry; stored like a music timing
        return;
    }
    typeList_->setCurrentIndex(kind);
    ApplyKind(kind);
}

// Up at the top wraps to 0, down at 0 wraps to the top.
void TimingEditor::SpinScrolled(const NumberField& field, int position)
{
    int& value = fields_.*field.value;
    const int top = field.spin->Top();
    if (value == top && position == top) {
        field.spin->SetPosition(0);
        value = 0;
    } else if (value == 0 && position == 0) {
        field.spin->SetPosition(top);
        value = top;
    } else {
        value = position;
    }
    ShowFields();
}

// The new timing goes after the highest stored one, so that no stored timing is replaced;
// with position 99 taken it fills the first gap, and with 99 timings it replaces timing 99.
void TimingEditor::AddClick()
{
    if (!TakeFields())
        return;
    ShowFields();
    const std::optional<std::vector<int>> valid = ValidPositions();
    if (!valid)
        return;
    const std::vector<int>& positions = *valid;
    int target = positions.empty() ? 1 : positions.back() + 1;
    if (target > MaxTimings) {
        target = MaxTimings;
        for (int n = 1; n <= MaxTimings; ++n) {
            if (!std::binary_search(positions.begin(), positions.end(), n)) {
                target = n;
                break;
            }
        }
    }
    if (!StoreFieldsAt(target))
        return;
    const bool replaced = std::binary_search(positions.begin(), positions.end(), target);
    state_.ShownNo = target;
    state_.TimingCount = int(positions.size()) + (replaced ? 0 : 1);
    SetIndicator(false);
    ShowFields();
}

bool TimingEditor::StoreFieldsAt(int position)
{
    PackTiming(state_.EntryBuffer, fields_, timingKind_, position);
    if (file_.StoreTiming(state_.ProgramIndex, position, state_.EntryBuffer))
        return true;
    ReportFailure(WriteFailedMessage);
    return false;
}

void TimingEditor::ModifyClick()
{
    if (!TakeFields())
        return;
    ShowFields();
    const std::optional<std::vector<int>> positions = ValidPositions();
    if (!positions)
        return;
    const int position = std::max(state_.ShownNo, 1);
    if (!StoreFieldsAt(position))
        return;
    const bool added = !std::binary_search(positions->begin(), positions->end(), position);
    state_.ShownNo = position;
    state_.TimingCount = int(positions->size()) + (added ? 1 : 0);
    SetIndicator(false);
    ShowFields();
}

// After a deletion the previous stored timing is shown, or the next one when none is before.
void TimingEditor::DeleteClick()
{
    if (!TakeFields())
        return;
    ShowFields();
    if (state_.ShownNo == 0)
        return;
    std::optional<std::vector<int>> valid = ValidPositions();
    if (!valid)
        return;
    const int deleted = state_.ShownNo;
    if (!file_.DeleteTiming(state_.ProgramIndex, deleted)) {
        ReportFailure(WriteFailedMessage);
        return;
    }
    state_.EntryBuffer = DataFile::DeletedEntry();
    std::vector<int>& positions = *valid;
    positions.erase(std::remove(positions.begin(), positions.end(), deleted), positions.end());
    const auto after = std::upper_bound(positions.begin(), positions.end(), deleted);
    if (after != positions.begin())
        state_.ShownNo = *std::prev(after);
    else
        state_.ShownNo = after != positions.end() ? *after : 0;
    state_.TimingCount = int(positions.size());
    ShowPosition(state_.ShownNo, true);
}

// Clearing empties all four programs, so it asks first.
void TimingEditor::ClearAllClick()
{
    if (!dialogs_.Confirm(this, QString::fromUtf8(ClearQuestion)))
        return;
    if (!file_.CreateDataFile(state_.ProgramIndex))
        ReportFailure(WriteFailedMessage);
    CountProgram();
    SetIndicator(false);
    ShowFields();
}

void TimingEditor::ShowPosition(int position, bool trailingBlank)
{
    const auto entry = file_.LoadTiming(state_.ProgramIndex, position, state_.EntryBuffer);
    if (!entry) {
        ReportFailure(ReadFailedMessage);
        return;
    }
    state_.ShownNo = position;
    state_.EntryBuffer = *entry;
    SetIndicator(trailingBlank);
    ShowTiming();
}

void TimingEditor::FirstClick()
{
    if (state_.TimingCount == 0)
        return;
    if (const auto positions = ValidPositions())
        ShowPosition(positions->empty() ? 1 : positions->front(), false);
}

void TimingEditor::LastClick()
{
    if (state_.TimingCount == 0)
        return;
    if (const auto positions = ValidPositions())
        ShowPosition(positions->empty() ? state_.TimingCount : positions->back(), true);
}

void TimingEditor::PreviousClick()
{
    const auto positions = ValidPositions();
    if (!positions)
        return;
    const auto before = std::lower_bound(positions->begin(), positions->end(), state_.ShownNo);
    ShowPosition(before != positions->begin() ? *std::prev(before) : state_.ShownNo, false);
}

void TimingEditor::NextClick()
{
    const auto positions = ValidPositions();
    if (!positions)
        return;
    const auto after = std::upper_bound(positions->begin(), positions->end(), state_.ShownNo);
    ShowPosition(after != positions->end() ? *after : state_.ShownNo, false);
}

void TimingEditor::OkClick()
{
    if (TakeFields())
        accept();
}

void TimingEditor::ShowSystemMenu(const QPoint& globalPos)
{
    systemMenu_->popup(globalPos);
}

void TimingEditor::contextMenuEvent(QContextMenuEvent* event)
{
    ShowSystemMenu(event->globalPos());
}

} // namespace quennet
