#pragma once
// A read-only table of every stored timing of one program; Ctrl+P prints it.
#include <QDialog>

class QTreeWidget;

namespace quennet {

class DataFile;
class Dialogs;

class TimingCheckList : public QDialog {
    Q_OBJECT
public:
    TimingCheckList(DataFile& file, Dialogs& dialogs, int programIndex, QWidget* parent = nullptr);

private:
    void fitColumns();
    void printList();  // Ctrl+P

    Dialogs& dialogs_;
    QString filePath_;
    QString table_;  // "程序1", named in the proposed file name
    QTreeWidget* list_;
};

}  // namespace quennet
