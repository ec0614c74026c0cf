#pragma once
// A list printed on pages: its title and the lines under it at the top of every page, then the
// column titles, then as many whole rows as fit; the page setup and footer are PrintPages'.

#include <QFont>
#include <QLineF>
#include <QList>
#include <QRectF>
#include <QStringList>

class QPagedPaintDevice;
class QPainter;

namespace tavisto {

struct PrintedList {
    QString title;
    QStringList notes;    // lines under the title: how many timings, the file name and the date
    QStringList columns;  // column titles
    QList<int> widths;    // relative column widths
    QList<QStringList> rows;
};

// What one page shows: texts in their boxes, and the rules under the column titles.
struct PrintedPage {
    struct Text {
        QRectF box;
        QString text;
    };
    QList<Text> texts;
    QList<QLineF> rules;
};

// The font of a printed list.
QFont listFont();

// The pages of `list` in a body of `bodySize` (device pixels), written in `font` as `device`
// measures it.
QList<PrintedPage> layOutPages(const PrintedList& list, const QSizeF& bodySize, const QFont& font,
                               QPaintDevice* device);

// Paints one laid-out page.
void paintPrintedPage(QPainter& painter, const PrintedPage& page);

// Prints the list onto `device` (a printer), one page after another. False when painting fails.
bool printList(const PrintedList& list, QPagedPaintDevice& device);

}  // namespace tavisto
