#include "CheckListPrint.h"

#include "CheckListTexts.h"
#include "Fonts.h"
#include "PrintPages.h"

#include <QPainter>
#include <QPrinter>

namespace quennet {

namespace {

struct PrintFonts {
    QFont body = dialogFont(10);
    QFont bold = [this] {
        QFont font = body;
        font.setBold(true);
        return font;
    }();
    QFont heading = [this] {
        QFont font = bold;
        font.setPointSize(14);
        return font;
    }();
};

// Heights of a row and of the heading line, and where the first row begins.
struct PrintLines {
    PrintLines(const PrintFonts& fonts, QPaintDevice* device)
        : row(QFontMetricsF(fonts.body, device).height() * 1.5),
          heading(QFontMetricsF(fonts.heading, device).height() * 1.5),
          firstRow(heading + row * 1.5 + row)
    { }
    double row;
    double heading;
    double firstRow;
};

// Left edges of the six columns and the right edge of the last, in proportion to the window's.
QList<double> columnEdges(const QRectF& body)
{
    QList<double> edges{body.left()};
    int sum = 0;
    for (int width : kCheckListColumnWidths) {
        sum += width;
        edges.append(body.left() + body.width() * sum / kCheckListTotalWidth);
    }
    return edges;
}

void paintRow(QPainter& painter, const QList<double>& edges, double top, double height,
              const QStringList& cells)
{
    const double gap = height / 4;
    for (int column = 0; column < cells.size() && column + 1 < edges.size(); ++column) {
        const QRectF cell(edges[column] + gap, top, edges[column + 1] - edges[column] - gap, height);
        painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, cells[column]);
    }
}

}  // namespace

QList<QList<int>> checkListPages(const CheckListDocument& document, double bodyHeight, QPaintDevice* device)
{
    const PrintLines lines(PrintFonts(), device);
    const int perPage = qMax(1, int((bodyHeight - lines.firstRow) / lines.row));  // a row is never cut
    QList<QList<int>> pages{{}};
    for (int row = 0; row < document.rows.size(); ++row) {
        if (pages.last().size() == perPage)
            pages.append(QList<int>());
        pages.last().append(row);
    }
    return pages;
}

void paintCheckListPage(QPainter& painter, const QRectF& body, const CheckListDocument& document,
                        const QList<int>& rows)
{
    const PrintFonts fonts;
    const PrintLines lines(fonts, painter.device());
    const QList<double> edges = columnEdges(body);
    double y = body.top();
    painter.setFont(fonts.heading);
    painter.drawText(QRectF(body.left(), y, body.width(), lines.heading), Qt::AlignLeft | Qt::AlignVCenter,
                     document.title.trimmed());
    y += lines.heading;
    painter.setFont(fonts.body);
    painter.drawText(QRectF(body.left(), y, body.width(), lines.row), Qt::AlignLeft | Qt::AlignVCenter,
                     document.source);
    y += lines.row * 1.5;
    painter.setFont(fonts.bold);
    paintRow(painter, edges, y, lines.row, checkListColumns());
    y += lines.row;
    painter.drawLine(QPointF(body.left(), y), QPointF(body.right(), y));
    painter.setFont(fonts.body);
    for (int row : rows) {
        paintRow(painter, edges, y, lines.row, document.rows[row]);
        y += lines.row;
    }
}

bool printCheckList(QPrinter& printer, const CheckListDocument& document)
{
    PrintPages printout(printer, dialogFont(10));
    const QList<QList<int>> pages = checkListPages(document, printout.body().height(), printout.device());
    return printout.print(int(pages.size()), [&](QPainter& painter, int page) {
        paintCheckListPage(painter, printout.body(), document, pages[page]);
    });
}

}  // namespace quennet
