#pragma once
// The lines of a difference of two schedules, read-only, their tabs kept as columns.
#include "ScheduleDiff.h"

#include <QString>

class QPlainTextEdit;
class QWidget;

namespace quennet {

// `same` stands in for the lines when nothing differs.
QPlainTextEdit* differenceView(QWidget* parent, const ScheduleDiff& diff, const QString& same);

// The lines as text, one a line.
QString differenceText(const ScheduleDiff& diff, const QString& same);

}  // namespace quennet
