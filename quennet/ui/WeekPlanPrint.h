#pragma once
// The week plan on paper: the week alone on a landscape page, then its findings as a table, every
// page with the title, the file and the date; the page setup and footer are PrintPages'.
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

// Before the print dialog: a landscape page, the document named after the plan and the file.
void prepareWeekPlan(QPrinter& printer, const QString& title, const QString& filePath);

// False when the printer (or the PDF file) cannot be written.
bool printWeekPlan(QPrinter& printer, const WeekPlanDocument& document);

}  // namespace quennet
