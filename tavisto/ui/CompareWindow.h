#pragma once
// The difference between a chosen timing file (the copy on a card, say) and the open schedule, as
// --diff gives it, printable.

#include "ScheduleDiff.h"

#include <QWidget>

namespace tavisto {

class Dialogs;
struct PrintedList;

class CompareWindow : public QWidget {
    Q_OBJECT
public:
    // "- " lines are only in `chosenFile`, "+ " lines only in the open schedule, `openName`.
    CompareWindow(Dialogs& dialogs, const QString& chosenFile, const QString& openName,
                  const ScheduleDiff& diff, QWidget* parent);

    // What 打印 prints: the lines under the window's title, the two files and today's date.
    PrintedList printout() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;  // Escape closes, as 关闭 does

private:
    void print();

    Dialogs& dialogs_;
    QString chosenFile_;
    QString openName_;
    QStringList lines_;
};

}  // namespace tavisto
