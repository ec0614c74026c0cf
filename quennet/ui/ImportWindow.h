#pragma once
// What an import will change, shown before anything is written: 导入 goes ahead (the caller does
// the import on accepted()), 取消 leaves the schedule as it is.
#include "ScheduleDiff.h"

#include <QDialog>

namespace quennet {

class ImportWindow : public QDialog {
    Q_OBJECT
public:
    // `table` is the file read; `diff` the schedule now against the schedule after the import.
    ImportWindow(QWidget* parent, const QString& table, const ScheduleDiff& diff);
};

}  // namespace quennet
