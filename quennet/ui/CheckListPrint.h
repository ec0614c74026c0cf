#pragma once
// The check list on paper: on every page its title, the file and the date, and the column
// titles, then as many whole rows as the page holds; the page setup and footer are PrintPages'.
#include <QList>
#include <QStringList>

class QPaintDevice;
class QPainter;
class QPrinter;
class QRectF;

namespace quennet {

struct CheckListDocument {
    QString title;
    QString source;  // the file's path and the date
    QList<QStringList> rows;
};

// The rows (indices into document.rows) of each page whose body is `bodyHeight` high, as `device`
// measures the fonts. At least one page, which may hold no row.
QList<QList<int>> checkListPages(const CheckListDocument& document, double bodyHeight, QPaintDevice* device);

// Paints one page, holding `rows`, into `body`.
void paintCheckListPage(QPainter& painter, const QRectF& body, const CheckListDocument& document,
                        const QList<int>& rows);

// False when the printer (or the PDF file) cannot be written.
bool printCheckList(QPrinter& printer, const CheckListDocument& document);

}  // namespace quennet
