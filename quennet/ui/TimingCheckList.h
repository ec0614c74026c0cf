#pragma once
// Every stored timing of one program as a table of text, and the tools that edit several of them at
// once: each is one step of the file's history, which 撤销 and 重做 walk. Ctrl+P prints the table.
// The program goes out to a spreadsheet and comes back from one (导出…, 导入…), and 比较… sets the
// whole schedule against another data file.
// It keeps the editor waiting, never the week plan beside it.
#include "BulkEdits.h"
#include "WeekPlan.h"

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

class QPushButton;
class QTreeWidget;

namespace quennet {

class DataFile;
class Dialogs;

class TimingCheckList : public QDialog {
    Q_OBJECT
public:
    TimingCheckList(DataFile& file, Dialogs& dialogs, int programIndex, QWidget* parent = nullptr);

signals:
    void weekPlanRequested();  // 周计划, Ctrl+L

private:
    QPushButton* addTool(const QString& text, QRect rect, const char* id, void (TimingCheckList::*click)());
    void fitColumns();
    // The rows as the file holds them, the timings at `selection` selected; the topmost in sight.
    void reload(const std::vector<int>& selection);
    void updateTools();
    std::vector<int> selectedPositions() const;  // in position order: the first is the topmost row
    std::optional<ProgramTable> readTable();
    QString describe(const std::vector<int>& positions) const;  // "3  07:55-08:05  外设", a line each
    // Reads the program, makes `edit` of it and writes that as one step, named by `name` with the
    // number of timings written for %1; says why when it is refused or cannot be written.
    bool editProgram(const std::function<BulkEdit(const ProgramTable&)>& edit, const char* name);
    const TimingEntry& entryAt(int position) const;  // the row's timing at position
    void reportRefusal(const Refusal& refusal);

    void printList();  // Ctrl+P
    void walkHistory(bool back);
    void undoClick() { walkHistory(true); }   // 撤销, Ctrl+Z
    void redoClick() { walkHistory(false); }  // 重做, Ctrl+Shift+Z, Ctrl+Y
    void seriesClick();                       // 批量添加
    void copyClick();                         // 复制到…
    void shiftClick();                        // 平移时间
    void daysZonesClick();                    // 星期与分区
    void deleteClick();                       // 删除, Delete
    void exportClick();                       // 导出…
    void importClick();                       // 导入…
    void compareClick();                      // 比较…

    DataFile& file_;
    Dialogs& dialogs_;
    int programIndex_;
    QString filePath_;
    QString table_;  // "程序1", named in the proposed file name
    QTreeWidget* list_;
    std::vector<TimingEntry> entries_;  // the rows' timings
    QPushButton* undo_ = nullptr;
    QPushButton* redo_ = nullptr;
    std::vector<QPushButton*> selectionTools_;  // the tools that need a selection
};

}  // namespace quennet
