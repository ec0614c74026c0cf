#pragma once
// The difference of two schedules as the windows show it: the lines of --diff, those only the
// first has in red, those only the second has in green.

#include "ScheduleDiff.h"

#include <QStringList>

class QListWidget;
class QWidget;

namespace quennet {

// The lines, or one line that says nothing plays differently.
QStringList diffLines(const ScheduleDiff& diff);

// A read-only list of the lines, named `objectName`.
QListWidget* createDiffList(QWidget* parent, const char* objectName, const ScheduleDiff& diff);

}  // namespace quennet
