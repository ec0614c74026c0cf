#pragma once
// A list printed on pages: its title and a line with the file name and date at the top of every
// page, then the column titles, then as many whole rows as fit.

#include <QFont>
#include <QLineF>
#include <QList>
#include <QRectF>
#include <QStringList>

class QPagedPaintDevice;

namespace tavisto {

struct PrintedList {
    QString title;
    QString subtitle;     // the file name and the date
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

// The pages of `list` on pages of `pageSize` (device pixels), written in `font` as `device` measures it.
QList<PrintedPage> layOutPages(const PrintedList& list, const QSizeF& pageSize, const QFont& font,
                               QPaintDevice* device);

// Prints the list onto `device` (a printer), one page after another. False when painting fails.
bool printList(const PrintedList& list, QPagedPaintDevice& device);

}  // namespace tavisto
