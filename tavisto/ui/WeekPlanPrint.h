#pragma once
// The week plan on paper: the hours the week uses on one landscape page under the title, the file
// name and the date, painted as on the screen; then the findings as a list.

#include "WeekPainter.h"

#include <QStringList>

class QPagedPaintDevice;

namespace tavisto {

struct WeekPrintout {
    QString title;
    QStringList notes;  // the file name and the date
    WeekDrawing drawing;
    const std::vector<Finding>* findings = nullptr;
};

// Prints onto `device` (a printer set to landscape). False when painting fails.
bool printWeekPlan(const WeekPrintout& printout, QPagedPaintDevice& device);

}  // namespace tavisto
