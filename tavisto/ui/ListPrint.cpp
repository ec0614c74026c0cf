#include "ListPrint.h"

#include "Fonts.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <numeric>

namespace tavisto {

namespace {

constexpr double kLineFactor = 1.4;  // a row's height in lines of the font

}  // namespace

QList<PrintedPage> layOutPages(const PrintedList& list, const QSizeF& pageSize, const QFont& font,
                               QPaintDevice* device)
{
    const QFontMetricsF metrics(font, device);
    const double line = metrics.height() * kLineFactor;
    const double total = std::accumulate(list.widths.begin(), list.widths.end(), 0.0);
    QList<double> lefts{0};
    for (int width : list.widths)
        lefts << lefts.last() + pageSize.width() * width / total;

    auto rowTexts = [&](const QStringList& cells, double top) {
        QList<PrintedPage::Text> texts;
        for (int column = 0; column < cells.size() && column + 1 < lefts.size(); ++column)
            texts.append(
                {QRectF(lefts[column], top, lefts[column + 1] - lefts[column], line), cells[column]});
        return texts;
    };
    // Title, subtitle and column titles head every page.
    auto newPage = [&](QList<PrintedPage>& pages) {
        PrintedPage page;
        page.texts.append({QRectF(0, 0, pageSize.width(), line), list.title});
        page.texts.append({QRectF(0, line, pageSize.width(), line), list.subtitle});
        page.texts << rowTexts(list.columns, 2.5 * line);
        page.rules.append(QLineF(0, 3.5 * line, pageSize.width(), 3.5 * line));
        pages.append(page);
        return 3.6 * line;
    };

    QList<PrintedPage> pages;
    double top = newPage(pages);
    for (const QStringList& row : list.rows) {
        if (top + line > pageSize.height())
            top = newPage(pages);
        pages.last().texts << rowTexts(row, top);
        top += line;
    }
    return pages;
}

bool printList(const PrintedList& list, QPagedPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    QFont font = songFont(12);
    font.setPointSizeF(10);
    painter.setFont(font);
    const QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const QList<PrintedPage> pages = layOutPages(list, page.size(), font, &device);
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        for (const PrintedPage::Text& text : pages[i].texts)
            painter.drawText(text.box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text.text);
        for (const QLineF& rule : pages[i].rules)
            painter.drawLine(rule);
    }
    return painter.end();
}

}  // namespace tavisto
