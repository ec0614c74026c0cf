#pragma once
// The difference between a chosen data file (the copy on the player's card, say) and the open
// schedule, as --diff gives it, printable.
#include "ScheduleDiff.h"

#include <QWidget>

namespace quennet {

class Dialogs;

class CompareWindow : public QWidget {
    Q_OBJECT
public:
    // "- " lines are only in `chosenFile`, "+ " lines only in the open schedule, `openName`.
    CompareWindow(Dialogs& dialogs, const QString& chosenFile, const QString& openName,
                  const ScheduleDiff& diff, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;  // Escape closes, as 关闭 does

private:
    void print();

    Dialogs& dialogs_;
    QString chosenFile_;
    QString openName_;
    QStringList lines_;
};

}  // namespace quennet
