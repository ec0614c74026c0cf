#pragma once
// The check list on paper: on every page its title, the file and the date, and the column
// titles, then as many whole rows as the page holds.
#include <QList>
#include <QStringList>
#include <functional>

class QPainter;
class QPrinter;
class QRect;

namespace quennet {

struct CheckListDocument {
    QString title;
    QString source;  // the file's path and the date
    QList<QStringList> rows;
};

// Paints onto pages of the given size in the painter's coordinates; newPage turns to a fresh
// page. Returns the rows (indices into document.rows) of each page.
QList<QList<int>> paintCheckList(QPainter& painter, const QRect& page, const CheckListDocument& document,
                                 const std::function<void()>& newPage);

// False when the printer (or the PDF file) cannot be written.
bool printCheckList(QPrinter& printer, const CheckListDocument& document);

}  // namespace quennet
