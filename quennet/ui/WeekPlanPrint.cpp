#include "WeekPlanPrint.h"

#include "Fonts.h"
#include "PrintPages.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPalette>
#include <QPrinter>
#include <algorithm>

namespace quennet {

namespace {
// Shares of the page's width of the finding columns 级别, 星期, 时间, 分区, 定时 and 说明.
constexpr int kColumnShares[] = {6, 16, 14, 10, 30, 40};

// Black on white, whatever the screen's colours.
QPalette paperPalette()
{
    QPalette palette(Qt::white);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::AlternateBase, QColor(0xf2, 0xf2, 0xf2));
    return palette;
}

QFont headingFont()
{
    QFont font = planFont();
    font.setPointSize(14);
    font.setBold(true);
    return font;
}

QFont columnFont()
{
    QFont font = planFont();
    font.setBold(true);
    return font;
}

// The title and the source line over every page, and the room left below them.
class Layout {
public:
    Layout(const QRectF& body, QPaintDevice* device) : device_(device)
    {
        const double heading = QFontMetricsF(headingFont(), device).height() * 1.5;
        const double line = QFontMetricsF(planFont(), device).height() * 1.5;
        headingBox_ = QRectF(body.left(), body.top(), body.width(), heading);
        sourceBox_ = QRectF(body.left(), body.top() + heading, body.width(), line);
        room_ = body.adjusted(0, heading + line * 1.5, 0, 0);
        double sum = 0;
        for (int share : kColumnShares)
            sum += share;
        double left = room_.left();
        for (int share : kColumnShares) {
            const double width = room_.width() * share / sum;
            cells_.append(QRectF(left, 0, width - QFontMetricsF(planFont(), device).averageCharWidth(), 0));
            left += width;
        }
    }

    QRectF room() const { return room_; }

    void paintHeading(QPainter& painter, const WeekPlanDocument& document) const
    {
        painter.setFont(headingFont());
        painter.drawText(headingBox_, Qt::AlignLeft | Qt::AlignVCenter, document.title.trimmed());
        painter.setFont(planFont());
        painter.drawText(sourceBox_, Qt::AlignLeft | Qt::AlignVCenter, document.source);
    }

    // A row's height with its cells wrapped into their columns.
    double rowHeight(const QStringList& cells, const QFont& font) const
    {
        const QFontMetricsF metrics(font, device_);
        double height = metrics.height();
        for (int column = 0; column < cells.size() && column < cells_.size(); ++column)
            height = std::max(
                height,
                metrics
                    .boundingRect(QRectF(0, 0, cells_[column].width(), 1e6), Qt::TextWordWrap, cells[column])
                    .height());
        return height + metrics.height() / 2;
    }

    // Paints the row at top; its height.
    double paintRow(QPainter& painter, double top, const QStringList& cells, const QFont& font) const
    {
        painter.setFont(font);
        const double height = rowHeight(cells, font);
        for (int column = 0; column < cells.size() && column < cells_.size(); ++column)
            painter.drawText(QRectF(cells_[column].left(), top, cells_[column].width(), height),
                             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, cells[column]);
        return height;
    }

    // The rows (indices into rows) of each page of the table, under its column titles.
    QList<QList<int>> tablePages(const WeekPlanDocument& document) const
    {
        const double free = room_.height() - rowHeight(document.columns, columnFont());
        QList<QList<int>> pages{{}};
        double used = 0;
        for (int row = 0; row < document.rows.size(); ++row) {
            const double height = rowHeight(document.rows[row], planFont());
            if (used + height > free && !pages.last().isEmpty()) {  // a row is never cut
                pages.append(QList<int>());
                used = 0;
            }
            pages.last().append(row);
            used += height;
        }
        return pages;
    }

    void paintTable(QPainter& painter, const WeekPlanDocument& document, const QList<int>& rows) const
    {
        double y = room_.top() + paintRow(painter, room_.top(), document.columns, columnFont());
        painter.drawLine(QPointF(room_.left(), y), QPointF(room_.right(), y));
        for (int row : rows)
            y += paintRow(painter, y, document.rows[row], planFont());
    }

private:
    QPaintDevice* device_;
    QRectF headingBox_;
    QRectF sourceBox_;
    QRectF room_;
    QList<QRectF> cells_;  // left edge and width of each column's text
};
}  // namespace

void prepareWeekPlan(QPrinter& printer, const QString& title, const QString& filePath, int program)
{
    PrintPages::prepare(printer, title, filePath, QStringLiteral("程序%1-周计划").arg(program + 1));
    printer.setPageOrientation(QPageLayout::Landscape);
}

bool printWeekPlan(QPrinter& printer, const WeekPlanDocument& document)
{
    PrintPages printout(printer, planFont());
    const Layout layout(printout.body(), printout.device());
    const QList<QList<int>> table = layout.tablePages(document);
    return printout.print(1 + int(table.size()), [&](QPainter& painter, int page) {
        layout.paintHeading(painter, document);
        if (page == 0) {
            const MinuteRange hours = minutesInUse(document.drawing.events);
            WeekPainter(layout.room(), planFont(), printout.device(), hours.first, hours.last)
                .paint(painter, document.drawing, paperPalette());
        } else {
            layout.paintTable(painter, document, table[page - 1]);
        }
    });
}

}  // namespace quennet
