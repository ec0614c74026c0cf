#include "CheckListPrint.h"

#include "CheckListTexts.h"
#include "Fonts.h"

#include <QPainter>
#include <QPrinter>

namespace quennet {

namespace {
// Left edges of the six columns and the right edge of the last, in proportion to the window's.
QList<int> columnEdges(const QRect& page)
{
    QList<int> edges{page.left()};
    int sum = 0;
    for (int width : kCheckListColumnWidths) {
        sum += width;
        edges.append(page.left() + int(qint64(page.width()) * sum / kCheckListTotalWidth));
    }
    return edges;
}

void paintRow(QPainter& painter, const QList<int>& edges, int top, int height, const QStringList& cells)
{
    const int gap = height / 4;
    for (int column = 0; column < cells.size() && column + 1 < edges.size(); ++column) {
        const QRect cell(edges[column] + gap, top, edges[column + 1] - edges[column] - gap, height);
        painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, cells[column]);
    }
}
}  // namespace

QList<QList<int>> paintCheckList(QPainter& painter, const QRect& page, const CheckListDocument& document,
                                 const std::function<void()>& newPage)
{
    QFont body = dialogFont(10);
    QFont bold = body;
    bold.setBold(true);
    QFont heading = bold;
    heading.setPointSize(14);
    const int line = QFontMetrics(body, painter.device()).height() * 3 / 2;
    const int headingLine = QFontMetrics(heading, painter.device()).height() * 3 / 2;
    const QList<int> edges = columnEdges(page);

    QList<QList<int>> pages;
    int y = page.top();
    const auto beginPage = [&] {
        if (!pages.isEmpty())
            newPage();
        pages.append(QList<int>());
        y = page.top();
        painter.setFont(heading);
        painter.drawText(QRect(page.left(), y, page.width(), headingLine), Qt::AlignLeft | Qt::AlignVCenter,
                         document.title.trimmed());
        y += headingLine;
        painter.setFont(body);
        painter.drawText(QRect(page.left(), y, page.width(), line), Qt::AlignLeft | Qt::AlignVCenter,
                         document.source);
        y += line * 3 / 2;
        painter.setFont(bold);
        paintRow(painter, edges, y, line, checkListColumns());
        y += line;
        painter.drawLine(page.left(), y, page.right(), y);
        painter.setFont(body);
    };
    beginPage();
    for (int row = 0; row < document.rows.size(); ++row) {
        if (y + line > page.bottom() + 1 && !pages.last().isEmpty())  // a row is never cut
            beginPage();
        paintRow(painter, edges, y, line, document.rows[row]);
        pages.last().append(row);
        y += line;
    }
    return pages;
}

bool printCheckList(QPrinter& printer, const CheckListDocument& document)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect page(QPoint(0, 0), printer.pageRect(QPrinter::DevicePixel).size().toSize());
    bool turned = true;
    paintCheckList(painter, page, document, [&] { turned = turned && printer.newPage(); });
    return painter.end() && turned;
}

}  // namespace quennet
