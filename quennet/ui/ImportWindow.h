#pragma once
// What an import of a table will change, before it is done: 导入 does it, 取消 leaves the
// schedule as it is.
#include "ScheduleDiff.h"

#include <QDialog>

namespace quennet {

class ImportWindow : public QDialog {
    Q_OBJECT
public:
    // `tableName`: the file the table was read from. accept() is 导入.
    ImportWindow(const QString& tableName, const ScheduleDiff& diff, QWidget* parent);
};

}  // namespace quennet
