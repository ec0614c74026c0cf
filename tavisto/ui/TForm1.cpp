#include "TForm1.h"

#include "AppTexts.h"
#include "ControlNames.h"
#include "Fonts.h"
#include "TextConversions.h"
#include "WeekPlanWindow.h"
#include "WindowSetup.h"
#include "ui_TForm1.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QShortcut>
#include <QStatusBar>
#include <algorithm>
#include <utility>

namespace tavisto {

namespace {

// What the edit area shows in each mode.
struct ModeLayout {
    const char* typeGroup;
    const char* firstType;
    const char* secondType;
    const char* editGroup;
    const char* content;
    const char* firstTrackLabel;
    const char* lastTrackLabel;
    bool tracks;  // the first and last track fields
    bool middleTrack;
    bool timeSpan;
    bool playMode;
};

const ModeLayout kMusicLayout = {"程序类型", "音乐", "外设", "音乐定时编辑", "指定曲目", "曲目1",
                                 "曲目3",    true,   true,   false,          false};
const ModeLayout kPeripheralLayout = {"程序类型", "音乐", "外设", "外设定时编辑", "外设工作", "曲目1",
                                      "曲目3",    false,  false,  true,           false};
const ModeLayout kRandomLayout = {"随机播放",     "开启",     "关闭",     "随机播放编辑",
                                  "指定曲目范围", "起始曲目", "终止曲目", true,
                                  false,          true,       true};

}  // namespace

// The layout, resources/TForm1.ui, follows the reference window pixel for pixel, with these
// departures that the CJK stand-in fonts need:
// - The group boxes' style sheet puts each caption on the top line of its frame, so that the
//   controls placed just below a caption lie inside the frame rather than across its border.
// - StaticText10..13 are wider than the reference 52 and 34 pixels: the longer captions of the
//   random layout must fit.
// - Label1 (程序, in 运行设定) is 17 pixels high instead of 13, with the same bottom edge: 13 pixels
//   would clip the Chinese glyphs.
TForm1::TForm1(Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent,
                  Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                      | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      ui(std::make_unique<Ui::TForm1>()),
      dialogs_(dialogs)
{
    ui->setupUi(this);
    setFixedSize(709, 441);
    centreOnScreen(*this);

    QFont digits = kaiFont(29);
    digits.setBold(true);
    ui->Panel1->setFont(digits);
    QPalette red = ui->Panel1->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    ui->Panel1->setPalette(red);

    const char* panelNames[] = {kEffectPanel, kEditingPanel};
    for (int i = 0; i < 2; ++i) {
        statusPanels_[i] = new QLabel(ui->StatusBar1);
        statusPanels_[i]->setObjectName(QLatin1String(panelNames[i]));
        ui->StatusBar1->addWidget(statusPanels_[i], i);
    }
    statusPanels_[0]->setFixedWidth(80);
    statusPanels_[0]->setText(QStringLiteral("此定时无效"));

    // Sees the fields losing the focus, the mouse presses that moved it, and files dragged over any
    // control of the window.
    qApp->installEventFilter(this);
    setAcceptDrops(true);
    connectHandlers();
    FormCreate();
    connect(this, &TForm1::scheduleChanged, this, &TForm1::followSchedule);
}

TForm1::~TForm1()
{
    delete weekPlan_;
}

void TForm1::connectHandlers()
{
    for (QRadioButton* button :
         {ui->RadioButton1, ui->RadioButton2, ui->RadioButton3, ui->RadioButton4, ui->RadioButton7})
        connect(button, &QRadioButton::clicked, this, &TForm1::CheckBGM);
    for (QRadioButton* button : {ui->RadioButton6, ui->RadioButton5})
        connect(button, &QRadioButton::clicked, this, &TForm1::CheckType);
    for (QRadioButton* button : {ui->RadioButton9, ui->RadioButton8})
        connect(button, &QRadioButton::clicked, this, &TForm1::CheckMode);
    for (QCheckBox* box : weekdayBoxes())
        connect(box, &QCheckBox::clicked, this, [this] {
            state_.Document.Modified = 1;
            EffectCheck();
        });
    // The zones play no part in whether a timing is effective.
    for (QCheckBox* box : zoneBoxes())
        connect(box, &QCheckBox::clicked, this, [this] { state_.Document.Modified = 1; });

    connect(ui->Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(ui->Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(ui->Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(ui->Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(ui->Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
    connect(ui->Button6, &QPushButton::clicked, this, &TForm1::Button6Click);
    connect(ui->Button7, &QPushButton::clicked, this, &TForm1::Button7Click);
    connect(ui->Button8, &QPushButton::clicked, this, &TForm1::Button8Click);
    connect(ui->Button9, &QPushButton::clicked, this, &TForm1::Button9Click);
    connect(ui->Button10, &QPushButton::clicked, this, &TForm1::Button10Click);
    connect(ui->Button11, &QPushButton::clicked, this, &TForm1::Button11Click);
    connect(ui->Button12, &QPushButton::clicked, this, &TForm1::Button12Click);
    // Only a choice of the user's: the window's own selection while redrawing does not count.
    connect(ui->ComboBox3, &QComboBox::activated, this, &TForm1::ComboBox3Change);

    // A wheel turned over a list that has no keyboard focus scrolls nothing: it neither takes the
    // focus nor changes the list (see eventFilter).
    for (QComboBox* list : {ui->ComboBox1, ui->ComboBox2, ui->ComboBox3})
        list->setFocusPolicy(Qt::StrongFocus);

    // The keys of the file commands and of 帮助 act as a click of their button, only while it can
    // be clicked; the focus stays where it is.
    const std::pair<QPushButton*, QKeySequence> shortcuts[] = {
        {ui->Button8, QKeySequence(Qt::CTRL | Qt::Key_N)},
        {ui->Button5, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {ui->Button4, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {ui->Button12, QKeySequence(Qt::Key_F1)}};
    // The week plan, while there is a set to show.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this), &QShortcut::activated, this, [this] {
        if (state_.Document.hasFile())
            showWeekPlan();
    });
    for (const auto& [button, keys] : shortcuts) {
        connect(new QShortcut(keys, this), &QShortcut::activated, button, [button = button] {
            if (button->isEnabled() && button->isVisible())
                button->click();
        });
    }

    addHistoryKeys(
        *this, [this] { undoStep(); }, [this] { redoStep(); });

    // While an About window is open the status bar keeps its simple text, whatever else (a status
    // tip, a context menu) tries to show a message there.
    connect(statusBar(), &QStatusBar::messageChanged, this, [this](const QString& message) {
        if (aboutShown_ && message != kAboutStatusText)
            statusBar()->showMessage(kAboutStatusText);
    });
}

void TForm1::FormCreate()
{
    state_.Document.close();
    RedrawEdit();
    ReStateBar();
    state_.startEditing();
    state_.Timings.RandomEnabled = 1;  // the tables stay all 0x00 until a set is made or opened
    state_.Timings.RunProgram = 1;
    state_.CP = tavisto::CP{};
}

std::array<QCheckBox*, 7> TForm1::weekdayBoxes() const
{
    return {ui->CheckBox1, ui->CheckBox2, ui->CheckBox3, ui->CheckBox4,
            ui->CheckBox5, ui->CheckBox6, ui->CheckBox7};
}

std::array<QCheckBox*, 6> TForm1::zoneBoxes() const
{
    return {ui->CheckBox8, ui->CheckBox9, ui->CheckBox10, ui->CheckBox11, ui->CheckBox12, ui->CheckBox13};
}

void TForm1::RedrawEdit()
{
    const bool hasFile = state_.Document.hasFile();
    for (QRadioButton* button : {ui->RadioButton1, ui->RadioButton2, ui->RadioButton3, ui->RadioButton4,
                                 ui->RadioButton7, ui->RadioButton6, ui->RadioButton5})
        button->setEnabled(hasFile);
    for (QWidget* area : {static_cast<QWidget*>(ui->GroupBox2), static_cast<QWidget*>(ui->GroupBox4),
                          static_cast<QWidget*>(ui->GroupBox6)})
        area->setVisible(hasFile);
    ui->Button11->setEnabled(hasFile);
    ui->Button7->setEnabled(hasFile);
    if (!hasFile) {
        setWindowTitle(kProductName);
        return;
    }
    checkModeButtons();
    applyModeLayout();
    ui->Panel1->setText(QString::fromStdString(MyIntToStr(state_.SlotNo)));
    const int run = state_.Timings.RunProgram;
    ui->ComboBox3->setCurrentIndex(run >= 1 && run <= kProgramCount ? run - 1 : -1);
    showFileState();
}

void TForm1::showFileState()
{
    setWindowTitle(state_.Document.NewFile == 1 ? kProductName + QStringLiteral("---新文件 ")
                                                : kProductName + QStringLiteral("---") + state_.fileName());
}

void TForm1::checkModeButtons()
{
    QRadioButton* programs[] = {ui->RadioButton1, ui->RadioButton2, ui->RadioButton3, ui->RadioButton4,
                                ui->RadioButton7};
    if (state_.EditObject >= 1 && state_.EditObject <= kRandomProgram)
        programs[state_.EditObject - 1]->setChecked(true);
    const bool first =
        state_.randomProgram() ? state_.Timings.RandomEnabled == 1 : state_.Type == TimingType::Music;
    (first ? ui->RadioButton6 : ui->RadioButton5)->setChecked(true);
}

void TForm1::applyModeLayout()
{
    const ModeLayout& layout = state_.randomProgram() ? kRandomLayout
        : state_.Type == TimingType::Music            ? kMusicLayout
                                                      : kPeripheralLayout;
    ui->GroupBox3->setTitle(QString::fromUtf8(layout.typeGroup));
    ui->RadioButton6->setText(QString::fromUtf8(layout.firstType));
    ui->RadioButton5->setText(QString::fromUtf8(layout.secondType));
    ui->GroupBox2->setTitle(QString::fromUtf8(layout.editGroup));
    ui->StaticText10->setText(QString::fromUtf8(layout.content));
    ui->StaticText11->setText(QString::fromUtf8(layout.firstTrackLabel));
    ui->StaticText13->setText(QString::fromUtf8(layout.lastTrackLabel));
    for (QWidget* w : {static_cast<QWidget*>(ui->StaticText11), static_cast<QWidget*>(ui->StaticText13),
                       static_cast<QWidget*>(ui->Edit4), static_cast<QWidget*>(ui->Edit9)})
        w->setVisible(layout.tracks);
    ui->StaticText12->setVisible(layout.middleTrack);
    ui->Edit8->setVisible(layout.middleTrack);
    for (QWidget* w : {static_cast<QWidget*>(ui->StaticText6), static_cast<QWidget*>(ui->StaticText9),
                       static_cast<QWidget*>(ui->Edit6), static_cast<QWidget*>(ui->StaticText7),
                       static_cast<QWidget*>(ui->Edit7), static_cast<QWidget*>(ui->StaticText8)})
        w->setVisible(layout.timeSpan);
    ui->RadioButton9->setEnabled(layout.playMode);
    ui->RadioButton8->setEnabled(layout.playMode);
}

void TForm1::CheckBGM()
{
    if (!storeShownTiming()) {
        checkModeButtons();
        return;
    }
    const QRadioButton* programs[] = {ui->RadioButton1, ui->RadioButton2, ui->RadioButton3, ui->RadioButton4,
                                      ui->RadioButton7};
    for (int i = 0; i < kRandomProgram; ++i) {
        if (programs[i]->isChecked()) {
            state_.EditObject = static_cast<std::uint8_t>(i + 1);
            break;
        }
    }
    state_.SlotNo = static_cast<std::uint8_t>(std::min<int>(state_.SlotNo, lastSlot(state_.selection())));
    checkModeButtons();
    applyModeLayout();
    showSlotNo();
}

void TForm1::CheckType()
{
    if (state_.randomProgram()) {
        TimingSet switched = state_.Timings;
        switched.RandomEnabled = ui->RadioButton6->isChecked() ? 1 : 0;
        applyStep(switched.RandomEnabled == 1 ? QStringLiteral("开启随机定时")
                                              : QStringLiteral("关闭随机定时"),
                  switched);
        state_.Document.Modified = 1;
        ReStateBar();
        return;
    }
    if (!storeShownTiming()) {
        checkModeButtons();
        return;
    }
    state_.Type = ui->RadioButton6->isChecked() ? TimingType::Music : TimingType::Peripheral;
    applyModeLayout();
    showSlotNo();
}

void TForm1::CheckMode()
{
    state_.CP.PlayMode = ui->RadioButton9->isChecked() ? 1 : 0;
    state_.Document.Modified = 1;
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && event->spontaneous() && swallowNextPress_) {
        swallowNextPress_ = false;
        return true;
    }
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove
        || event->type() == QEvent::Drop) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this && takeDroppedSchedule(static_cast<QDropEvent*>(event)))
            return true;
    }
    if (auto* widget = qobject_cast<QWidget*>(watched);
        widget && widget->window() == this && passHistoryKey(watched, event))
        return true;
    if (event->type() == QEvent::Wheel) {
        auto* list = qobject_cast<QComboBox*>(watched);
        if (list && list->window() == this && !list->hasFocus())
            return true;
    }
    if (event->type() != QEvent::FocusOut || inFieldExit_)
        return QMainWindow::eventFilter(watched, event);
    const std::optional<FieldRange> field = rangeOf(watched);
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    // Another window taking the activation is no exit from the field.
    if (!field || reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason
        || reason == Qt::MenuBarFocusReason)
        return QMainWindow::eventFilter(watched, event);
    // Let the field finish losing the focus before the exit handling may give it back.
    static_cast<QObject*>(field->edit)->event(event);
    const bool boxWillShow = NumberChecK(field->edit->text().toStdString(), field->lo, field->hi) < 0;
    EditExit(field->edit, true);
    // The box took the mouse button's release: the press that moved the focus must not act later.
    if (boxWillShow && reason == Qt::MouseFocusReason)
        swallowNextPress_ = true;
    return true;
}

}  // namespace tavisto
