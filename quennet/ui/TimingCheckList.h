#pragma once
// A read-only table of every stored timing of one program; Ctrl+P prints it.
#include "WeekPlan.h"

#include <QDialog>
#include <optional>

class QTreeWidget;

namespace quennet {

class DataFile;
class Dialogs;

class TimingCheckList : public QDialog {
    Q_OBJECT
public:
    TimingCheckList(DataFile& file, Dialogs& dialogs, int programIndex, QWidget* parent = nullptr);

    // Runs the list modally; the timing chosen in its week plan to show in the editor, if any.
    static std::optional<TimingRef> run(DataFile& file, Dialogs& dialogs, int programIndex, QWidget* parent);

private:
    void fitColumns();
    void printList();      // Ctrl+P
    void weekPlanClick();  // 周计划

    DataFile& file_;
    Dialogs& dialogs_;
    std::optional<TimingRef> chosen_;
    QString filePath_;
    QString table_;  // "程序1", named in the proposed file name
    QTreeWidget* list_;
};

}  // namespace quennet
