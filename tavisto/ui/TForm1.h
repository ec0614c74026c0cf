#pragma once
// The main window: one timing of one table at a time, the file commands and the program commands.

#include "Dialogs.h"
#include "EditorState.h"
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

class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(Dialogs& dialogs, QWidget* parent = nullptr);
    ~TForm1() override;

    // 打开文件 with `path` chosen in its dialog: the same question, messages and states.
    void openFile(const QString& path);

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
    void showWeekPlan();
    // The store step, then that timing's program, kind and slot as the mode switches show them.
    void showTiming(const TimingRef& timing);

    bool confirm(const QString& text, Dialogs::Buttons buttons = Dialogs::Buttons::YesNo);

    std::unique_ptr<Ui::TForm1> ui;
    Dialogs& dialogs_;
    EditorState state_;
    QLabel* statusPanels_[2] = {};
    QPointer<TForm2> overview_;
    QString lastOpenPath_;
    QString lastSavePath_;
    bool aboutShown_ = false;  // the status bar shows its simple text
    bool inFieldExit_ = false;
    bool swallowNextPress_ = false;
};

}  // namespace tavisto
