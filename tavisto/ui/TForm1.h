#pragma once
// The main window: one timing of one table at a time, the file commands and the program commands.

#include "BulkEdits.h"
#include "Dialogs.h"
#include "EditorState.h"
#include "ScheduleHistory.h"
#include "WeekPlan.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>
#include <optional>

class QCheckBox;
class QDropEvent;
class QLabel;
class QLineEdit;

namespace Ui {
class TForm1;
}

namespace tavisto {

class TForm2;
class WeekPlanWindow;

class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(Dialogs& dialogs, QWidget* parent = nullptr);
    ~TForm1() override;

    // 打开文件 with `path` chosen in its dialog: the same question, messages and states.
    void openFile(const QString& path);

    // The schedule becomes `timings` as one step of the history named `name` ("批量添加 12 条定时"),
    // shown at once in every window; false when that changes nothing. Every change of the schedule
    // but the store step goes through here, a whole set read from elsewhere included.
    bool applyStep(const QString& name, const TimingSet& timings);

signals:
    // A step of the history was done, undone or redone, or a file opened, made or saved: the
    // schedule is not what it was.
    void scheduleChanged();

protected:
    void closeEvent(QCloseEvent* event) override;  // the close request
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    // Start-up and edit modes
    void CheckBGM();   // 程序1..程序4, 随机播放
    void CheckType();  // 音乐 / 外设, or 开启 / 关闭 in the random program
    void CheckMode();  // 顺序播放 / 随机播放

    // Navigation
    void Button3Click();   // 上一定时
    void Button6Click();   // 下一定时
    void Button10Click();  // 指定序号

    // File commands
    void Button8Click();  // 新建文件
    void Button5Click();  // 打开文件
    void Button4Click();  // 保存文件

    // Overview list
    void Button11Click();  // 定时核对

    // Program copy, clear and run selection
    void Button2Click();              // 开始复制
    void Button7Click();              // 清除程序
    void Button1Click();              // 清除本条
    void ComboBox3Change(int index);  // 运行设定

    // About and relation diagram
    void Button9Click();   // 关于
    void Button12Click();  // 帮助

    // History: what the edit area holds is stored first, so that it is the step undone.
    void undoStep();  // Ctrl+Z, 撤销
    void redoStep();  // Ctrl+Shift+Z, Ctrl+Y, 重做

private:
    friend class TForm1Probe;

    struct FieldRange {
        QLineEdit* edit;
        int lo, hi;
    };
    void FormCreate();
    void connectHandlers();
    void RedrawEdit();
    void applyModeLayout();
    void checkModeButtons();
    std::array<QCheckBox*, 7> weekdayBoxes() const;
    std::array<QCheckBox*, 6> zoneBoxes() const;

    // Control transfer: the store step and the load step
    bool storeShownTiming();
    void loadShownTiming();
    QLineEdit* TransCtrltoCP();
    void TransCPtoCtrl();
    void LoadBuftoCP(std::uint8_t slot);
    void SaveCPtoBuf(std::uint8_t slot);

    // Field validation and effectiveness
    std::optional<FieldRange> rangeOf(QObject* object) const;
    bool EditCheck(QLineEdit* edit, int lo, int hi);
    // focusLeft: the focus really left the field; otherwise a command finishes the field first.
    bool EditExit(QLineEdit* edit, bool focusLeft);
    bool finishFieldEdit();
    void EffectCheck();

    // History
    struct StepView {  // what the window showed, given back with a step undone or redone
        std::uint8_t EditObject = 1;
        TimingType Type = TimingType::Music;
        std::uint8_t SlotNo = 1;
        QList<int> rows;  // the overview's selection
    };
    using History = ScheduleHistory<StepView>;
    StepView currentView() const;
    void recordStore(const TimingSet& before);
    void takeStep(bool back);
    void showSchedule(bool reloadShown);  // the window, the overview and (reloadShown) the edit area
    void showHistory();                   // 撤销 and 重做 of the overview
    void startHistory();                  // a set opened or made

    // Bulk tools of the overview, on its selected rows
    std::vector<int> selectedSlots() const;
    void applyBulk(const QString& name, const BulkOutcome& outcome);
    void clearSelected(const QList<int>& rows);
    void addSeries(const QString& times);
    void copySelected(std::uint8_t days, std::uint8_t zones);
    void shiftSelected(int minutes);
    void setDaysZones(BitChange days, BitChange zones);

    // The schedule as a table, and compared with a file (TForm1TableCommands.cpp)
    void exportProgramTable();  // 导出…: the overview's program
    void importTableFile();     // 导入…: a CSV file, once its changes are confirmed
    void compareWithFile();     // 比较…, in TForm1FileCommands.cpp
    QString proposedTablePath() const;
    // The detailed text of the question before saving over a file another program put there.
    QString replacedFileDifference() const;

    // Navigation and status bar
    void showSlotNo();
    void ReStateBar();

    // File commands
    bool SaveBuftoFile(const QString& path);                  // into the file held or the path taken
    bool saveNewSet();                                        // asks for the path first
    bool saveSet();                                           // whichever of the two the set needs
    bool SaveEnquire();                                       // true: the caller may let go of the set
    bool confirmOddFile(const QString& path);                 // true when the file may be opened
    void openChosenFile(const std::optional<QString>& path);  // nothing: the dialog was cancelled
    bool takeDroppedSchedule(QDropEvent* event);              // false: the drag carries no schedule
    void showFileState();
    void showFileFailure(const QString& text, const QString& path, const FileError& error);

    // Overview list
    void CreatList();
    void ReListCell(int row);
    QString fileNameShown() const;  // on printouts: the file's name, or 新文件

    // Week plan
    void showWeekPlan();  // Ctrl+L, or 周计划 in the overview
    // What the overview and the week plan show of the set, after every change.
    void followSchedule();
    // The file name as printed, with a note when the set holds edits not saved yet.
    QString printedFileName() const;
    // The store step, then that timing's program, kind and slot as the mode switches show them.
    void showTiming(const TimingRef& timing);

    bool confirm(const QString& text, Dialogs::Buttons buttons = Dialogs::Buttons::YesNo);

    std::unique_ptr<Ui::TForm1> ui;
    Dialogs& dialogs_;
    EditorState state_;
    History history_;
    QLabel* statusPanels_[2] = {};
    QPointer<TForm2> overview_;
    QPointer<WeekPlanWindow> weekPlan_;
    QString lastOpenPath_;
    QString lastSavePath_;
    bool aboutShown_ = false;  // the status bar shows its simple text
    bool inFieldExit_ = false;
    bool swallowNextPress_ = false;
};

}  // namespace tavisto
