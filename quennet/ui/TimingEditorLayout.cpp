#include "TimingEditor.h"

#include "ControlNames.h"
#include "DialogUnits.h"
#include "RoomyRows.h"
#include "UpDown.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace quennet {

namespace {
const char kTrackCaption[] = "曲    目:";

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
}  // namespace

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
    typeList_->installEventFilter(this);

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
    for (int day = 0; day < 7; ++day)
        dayBoxes_[day] = addFlagBox(QString::fromUtf8(dayNames[day]), kDayBoxes[day],
                                    du.rect(boxX[day], 141, 24, 10), fields_.days[day]);
    addLabel(QStringLiteral("分区:"), du.rect(13, 159, 21, 8), kZonesLabel);
    for (int zone = 0; zone < 4; ++zone)
        zoneBoxes_[zone] = addFlagBox(QString::number(zone + 1), kZoneBoxes[zone],
                                      du.rect(boxX[zone], 158, 24, 10), fields_.zones[zone]);

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
    return {edit, spin, value, rangeChecked};
}

// A click flips the box's flag and shows the fields.
QCheckBox* TimingEditor::addFlagBox(const QString& caption, const char* id, QRect rect, bool& flag)
{
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(QString::fromLatin1(id));
    box->setGeometry(rect);
    growToHint(box);
    connect(box, &QCheckBox::clicked, this, [this, &flag](bool checked) {
        flag = checked;
        showFields();
    });
    return box;
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

}  // namespace quennet
