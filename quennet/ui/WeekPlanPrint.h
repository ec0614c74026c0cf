#pragma once
// The week plan on paper: the hours the week uses alone on a landscape page, painted as on the
// screen, then its findings as a table, every page with the title, the file and the date; the page
// setup and footer are PrintPages'.
#include "WeekPainter.h"

#include <QList>
#include <QStringList>

class QPrinter;

namespace quennet {

struct WeekPlanDocument {
    QString title;
    QString source;  // the file's path, whether it holds edits not saved, and the date
    WeekDrawing drawing;
    QStringList columns;
    QList<QStringList> rows;  // the findings' cells
};

// Before the print dialog: a landscape page, the document named after the plan, the file and the
// program shown (0..3).
void prepareWeekPlan(QPrinter& printer, const QString& title, const QString& filePath, int program);

// False when the printer (or the PDF file) cannot be written.
bool printWeekPlan(QPrinter& printer, const WeekPlanDocument& document);

}  // namespace quennet
