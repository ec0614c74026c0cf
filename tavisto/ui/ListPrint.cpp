#include "ListPrint.h"

#include "Fonts.h"
#include "PrintPages.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <numeric>

namespace tavisto {

namespace {

constexpr double kLineFactor = 1.4;  // a row's height in lines of the font

}  // namespace

QFont listFont()
{
    QFont font = songFont(12);
    font.setPointSizeF(10);
    return font;
}

QList<PrintedPage> layOutPages(const PrintedList& list, const QSizeF& bodySize, const QFont& font,
                               QPaintDevice* device)
{
    const QFontMetricsF metrics(font, device);
    const double line = metrics.height() * kLineFactor;
    const double total = std::accumulate(list.widths.begin(), list.widths.end(), 0.0);
    QList<double> lefts{0};
    for (int width : list.widths)
        lefts << lefts.last() + bodySize.width() * width / total;

    auto rowTexts = [&](const QStringList& cells, double top) {
        QList<PrintedPage::Text> texts;
        for (int column = 0; column < cells.size() && column + 1 < lefts.size(); ++column)
            texts.append(
                {QRectF(lefts[column], top, lefts[column + 1] - lefts[column], line), cells[column]});
        return texts;
    };
    // Title, notes and column titles head every page.
    auto newPage = [&](QList<PrintedPage>& pages) {
        PrintedPage page;
        const QStringList heading = QStringList(list.title) + list.notes;
        for (int i = 0; i < heading.size(); ++i)
            page.texts.append({QRectF(0, i * line, bodySize.width(), line), heading[i]});
        const double columnsTop = (heading.size() + 0.5) * line;
        page.texts << rowTexts(list.columns, columnsTop);
        page.rules.append(QLineF(0, columnsTop + line, bodySize.width(), columnsTop + line));
        pages.append(page);
        return columnsTop + 1.1 * line;
    };

    QList<PrintedPage> pages;
    double top = newPage(pages);
    for (const QStringList& row : list.rows) {
        if (top + line > bodySize.height())
            top = newPage(pages);
        pages.last().texts << rowTexts(row, top);
        top += line;
    }
    return pages;
}

void paintPrintedPage(QPainter& painter, const PrintedPage& page)
{
    for (const PrintedPage::Text& text : page.texts)
        painter.drawText(text.box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text.text);
    for (const QLineF& rule : page.rules)
        painter.drawLine(rule);
}

bool printList(const PrintedList& list, QPagedPaintDevice& device)
{
    const QFont font = listFont();
    PrintPages printout(device, font);
    const QList<PrintedPage> pages = layOutPages(list, printout.body().size(), font, printout.device());
    return printout.print(int(pages.size()), [&](QPainter& painter, int page) {
        painter.setFont(font);
        paintPrintedPage(painter, pages[page]);
    });
}

}  // namespace tavisto
