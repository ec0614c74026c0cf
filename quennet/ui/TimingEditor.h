#pragma once
// The program's main window: picks a program, walks through its timings, and edits,
// adds, deletes and clears them directly in the data file. Its controls are made in
// TimingEditorLayout.cpp, its commands are in TimingEditorCommands.cpp.
#include "DataFile.h"
#include "EditorState.h"
#include "TimingFields.h"
#include "WeekPlan.h"

#include <QDialog>
#include <QPointer>
#include <array>
#include <optional>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace quennet {

class Dialogs;
class UpDown;
class WeekPlanWindow;

class TimingEditor : public QDialog {
    Q_OBJECT
public:
    TimingEditor(DataFile& file, Dialogs& dialogs, QWidget* parent = nullptr);
    ~TimingEditor() override;

    // The week plan beside the editor (Ctrl+L, or 周计划 in the check list), while the file is open.
    void showWeekPlan();

signals:
    // Every step of the history, done, undone or done again, from whichever window, and the
    // file closed.
    void scheduleChanged();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class TimingEditorProbe;

    // One number field: its edit, its spin (whose range is the field's) and whether that range is
    // checked when the field is taken.
    struct NumberField {
        QLineEdit* edit;
        UpDown* spin;
        int TimingFields::*value;
        bool rangeChecked;
    };

    // What the window shows: undo and redo show it again.
    struct EditorView {
        EditorState state;
        TimingFields fields;
        QString indicator;
    };

    void buildLayout();
    NumberField addNumberField(int TimingFields::*value, const char* editId, QRect editRect,
                               const char* spinId, QRect spinRect, int high, bool rangeChecked);
    QCheckBox* addFlagBox(const QString& caption, const char* id, QRect rect, bool& flag);
    QLabel* addLabel(const QString& text, QRect rect, const char* id = nullptr);
    QPushButton* addButton(const QString& text, QRect rect, const char* id);

    bool takeFields();
    bool takeNumber(const NumberField& field);
    void showFields();
    void ShowTiming();
    void setIndicator(int ordinal, bool trailingBlank);
    static QString indicatorText(int ordinal, int count, bool trailingBlank);
    // Loads and shows the timing at `position`, which becomes the shown one.
    void showPosition(const std::vector<int>& positions, int position, bool trailingBlank);
    // Packs the fields for `position` and stores them there as a step of the history; a failed
    // write is reported and changes nothing.
    void storeFieldsAt(const ProgramTable& table, int position, const QString& stepName);
    void applyKind(TimingKind kind);
    // The type list reads the shown kind again, whatever was typed into it.
    void showKind();
    void setFileButtonsEnabled(bool enabled);
    // The program's slots, or its timings' positions; a failed read is reported and gives nothing.
    std::optional<ProgramTable> readTable();
    std::optional<std::vector<int>> validPositions();
    static std::vector<int> positionsOf(const ProgramTable& table);
    // The first steps of the storing commands: take and show the fields, then read the program.
    std::optional<ProgramTable> takeFieldsAndRead();
    QString filePath() const;
    void reportFailure(const QString& message, const FileError& error);
    EditorView view() const;
    void showView(const EditorView& view);
    // Shows what a step of the history left, whoever did, undid or redid it.
    void followStep(const ScheduleStep& step, DataFile::StepDirection direction);
    // Writes the step into the file and keeps it in the history; a failure is reported.
    bool applyStep(ScheduleStep step);
    void undoStep();  // Ctrl+Z
    void redoStep();  // Ctrl+Shift+Z, Ctrl+Y
    void countProgram();
    void showLastTiming();
    void showChosenTiming(const TimingRef& timing);
    // What the week plan shows, read afresh after every change; it closes with the file.
    void followSchedule();
    // Whether 关闭文件 goes on: asked when the selected program plays nothing while another would.
    bool mayClose();

    void openCloseClick();                 // 打开文件 / 关闭文件
    void programClick(int programIndex);   // 程序1..程序4
    void typeSelected(int index);          // 音乐定时 / 收音定时 / 外设设定
    void typeEdited(const QString& text);  // an entry's name typed into the type list
    void spinScrolled(const NumberField& field, int position);
    void addClick();                               // 添加保存
    void modifyClick();                            // 修改保存
    void deleteClick();                            // 删除本条
    void clearAllClick();                          // 全部清空
    void firstClick();                             // 第一定时
    void lastClick();                              // 最后定时
    void previousClick();                          // 上一定时
    void nextClick();                              // 下一定时
    void checkListClick();                         // 定时查看
    void okClick();                                // 确定
    void showSystemMenu(const QPoint& globalPos);  // 关于 Quennet(&A)...

    DataFile& file_;
    Dialogs& dialogs_;

    EditorState state_;
    TimingFields fields_;
    QString indicator_;

    QPushButton* openButton_ = nullptr;
    QButtonGroup* programs_ = nullptr;
    QComboBox* typeList_ = nullptr;
    QLineEdit* indicatorEdit_ = nullptr;
    QLabel* trackLabel_ = nullptr;
    std::vector<NumberField> numbers_;  // in the order they are taken
    std::array<QCheckBox*, 7> dayBoxes_{};
    std::array<QCheckBox*, 4> zoneBoxes_{};
    std::vector<QWidget*> endTimeGroup_;
    std::vector<QWidget*> trackGroup_;
    std::vector<QWidget*> firstTrackGroup_;
    std::vector<QPushButton*> fileButtons_;
    QMenu* systemMenu_ = nullptr;
    QPointer<WeekPlanWindow> weekPlan_;
};

}  // namespace quennet
