#include "WeekPlanPrint.h"

#include "Fonts.h"

#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace quennet {

namespace {
constexpr double kMarginMillimetres = 15;
// Shares of the page's width of the finding columns 级别, 星期, 时间, 分区, 定时 and 说明.
constexpr int kColumnShares[] = {6, 20, 15, 8, 25, 36};

// Black on white, whatever the screen's colours.
QPalette paperPalette()
{
    QPalette palette(Qt::white);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::PlaceholderText, Qt::darkGray);
    palette.setColor(QPalette::Highlight, QColor(0x2f, 0x6f, 0xb5));
    return palette;
}

class PageWriter {
public:
    PageWriter(QPainter& painter, QPrinter& printer, const WeekPlanDocument& document)
        : painter_(painter),
          printer_(printer),
          document_(document),
          page_(QPoint(0, 0), printer.pageRect(QPrinter::DevicePixel).size().toSize())
    { }

    // The title and the source line; what is left of the page below them.
    QRect beginPage()
    {
        if (pages_++ > 0)
            turned_ = printer_.newPage() && turned_;
        QFont heading = dialogFont(14);
        heading.setBold(true);
        painter_.setFont(heading);
        const int headingLine = painter_.fontMetrics().height() * 3 / 2;
        painter_.drawText(QRect(page_.left(), page_.top(), page_.width(), headingLine),
                          Qt::AlignLeft | Qt::AlignVCenter, document_.title.trimmed());
        painter_.setFont(dialogFont(9));
        const int line = painter_.fontMetrics().height() * 3 / 2;
        painter_.drawText(QRect(page_.left(), page_.top() + headingLine, page_.width(), line),
                          Qt::AlignLeft | Qt::AlignVCenter, document_.source);
        return page_.adjusted(0, headingLine + line * 3 / 2, 0, 0);
    }

    void writeWeek()
    {
        const QRect area = beginPage();
        paintWeek(painter_, document_.drawing, area, paperPalette());
    }

    // As many whole rows as a page holds, under the column titles.
    void writeFindings()
    {
        QList<int> edges{page_.left()};
        int shares = 0;
        for (int share : kColumnShares)
            shares += share;
        int sum = 0;
        for (int share : kColumnShares) {
            sum += share;
            edges.append(page_.left() + int(qint64(page_.width()) * sum / shares));
        }
        int y = 0;
        QRect room;
        const auto startTable = [&] {
            room = beginPage();
            y = room.top();
            QFont bold = dialogFont(9);
            bold.setBold(true);
            painter_.setFont(bold);
            y += writeRow(edges, y, document_.columns);
            painter_.drawLine(room.left(), y, room.right(), y);
            painter_.setFont(dialogFont(9));
        };
        startTable();
        for (const QStringList& row : document_.rows) {
            if (y + rowHeight(edges, row) > room.bottom())
                startTable();
            y += writeRow(edges, y, row);
        }
    }

    bool turned() const { return turned_; }

private:
    int rowHeight(const QList<int>& edges, const QStringList& cells) const
    {
        int height = painter_.fontMetrics().height();
        for (int column = 0; column < cells.size() && column + 1 < edges.size(); ++column)
            height = std::max(height,
                              painter_.fontMetrics()
                                  .boundingRect(QRect(0, 0, cellWidth(edges, column), 1 << 20),
                                                Qt::TextWordWrap, cells[column])
                                  .height());
        return height + painter_.fontMetrics().height() / 2;
    }

    int cellWidth(const QList<int>& edges, int column) const
    {
        return edges[column + 1] - edges[column] - painter_.fontMetrics().averageCharWidth();
    }

    int writeRow(const QList<int>& edges, int top, const QStringList& cells)
    {
        const int height = rowHeight(edges, cells);
        for (int column = 0; column < cells.size() && column + 1 < edges.size(); ++column)
            painter_.drawText(QRect(edges[column], top, cellWidth(edges, column), height),
                              Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, cells[column]);
        return height;
    }

    QPainter& painter_;
    QPrinter& printer_;
    const WeekPlanDocument& document_;
    QRect page_;
    int pages_ = 0;
    bool turned_ = true;
};
}  // namespace

void setUpWeekPage(QPrinter& printer)
{
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageMargins(
        QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
        QPageLayout::Millimeter);
}

bool printWeekPlan(QPrinter& printer, const WeekPlanDocument& document)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    PageWriter writer(painter, printer, document);
    writer.writeWeek();
    writer.writeFindings();
    return painter.end() && writer.turned();
}

}  // namespace quennet
