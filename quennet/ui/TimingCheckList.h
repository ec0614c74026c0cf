#pragma once
#include <QDialog>

class QTreeWidget;

namespace quennet {

class DataFile;
struct TimingEntry;

// A read-only table of every stored timing of one program.
class TimingCheckList : public QDialog {
    Q_OBJECT
public:
    TimingCheckList(DataFile& file, int programIndex, QWidget* parent = nullptr);

    // The six cell texts of the row numbered row.
    static QStringList rowTexts(int row, const TimingEntry& entry);

private:
    void fitColumns();

    QTreeWidget* list_;
};

}  // namespace quennet
