#pragma once
// The open schedule against another data file, such as the copy on the player's card, in the lines
// of `quennet --diff`; Ctrl+P prints them.
#include "ScheduleDiff.h"

#include <QDialog>

namespace quennet {

class Dialogs;

class CompareWindow : public QDialog {
    Q_OBJECT
public:
    CompareWindow(QWidget* parent, Dialogs& dialogs, const QString& openPath, const QString& otherPath,
                  const ScheduleDiff& diff);

private:
    void print();

    Dialogs& dialogs_;
    QString openPath_;
    QString heading_;  // which side is which
    QString text_;
};

}  // namespace quennet
