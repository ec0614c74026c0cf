#pragma once
// The week plan on paper: the week on one landscape page, then its findings as a table, every
// page with the title, the file and the date.
#include "WeekPicture.h"

#include <QList>
#include <QStringList>

class QPrinter;

namespace quennet {

struct WeekPlanDocument {
    QString title;
    QString source;  // the file's path and the date
    WeekDrawing drawing;
    QStringList columns;
    QList<QStringList> rows;  // the findings' cells
};

// Sets the page up: landscape, with the margins of the program's printouts.
void setUpWeekPage(QPrinter& printer);

// False when the printer (or the PDF file) cannot be written.
bool printWeekPlan(QPrinter& printer, const WeekPlanDocument& document);

}  // namespace quennet
