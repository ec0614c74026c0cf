#include "WeekPlanPrint.h"

#include "Fonts.h"
#include "ListPrint.h"
#include "PrintPages.h"
#include "WeekText.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPalette>

namespace tavisto {

namespace {

// Paper is white whatever the screen's colours.
QPalette paperPalette()
{
    QPalette palette(Qt::black, Qt::white);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::AlternateBase, QColor(0xf2, 0xf2, 0xf2));
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::black);
    return palette;
}

PrintedList findingsList(const WeekPrintout& printout)
{
    PrintedList list;
    list.title = printout.title + QStringLiteral("－检查结果");
    list.notes = printout.notes;
    list.columns = QStringList{QStringLiteral("级别"), QStringLiteral("星期"), QStringLiteral("时间"),
                               QStringLiteral("分区"), QStringLiteral("定时"), QStringLiteral("说明")};
    list.widths = {6, 16, 14, 10, 30, 40};
    for (const Finding& finding : *printout.findings) {
        QStringList cells;
        for (const std::string& cell : findingCells(finding))
            cells << QString::fromStdString(cell);
        list.rows << cells;
    }
    if (list.rows.isEmpty())
        list.rows << QStringList{QString(), QString(), QString(),
                                 QString(), QString(), QStringLiteral("没有冲突，也没有无效的定时")};
    return list;
}

}  // namespace

bool printWeekPlan(const WeekPrintout& printout, QPagedPaintDevice& device)
{
    const QFont font = planFont();
    PrintPages pages(device, font);
    const QList<PrintedPage> listPages =
        layOutPages(findingsList(printout), pages.body().size(), font, pages.device());
    const double line = QFontMetricsF(font, pages.device()).height() * 1.4;
    const QStringList heading = QStringList(printout.title) + printout.notes;
    return pages.print(1 + int(listPages.size()), [&](QPainter& painter, int page) {
        painter.setFont(font);
        if (page > 0) {
            paintPrintedPage(painter, listPages[page - 1]);
            return;
        }
        for (int i = 0; i < heading.size(); ++i)
            painter.drawText(QRectF(0, i * line, pages.body().width(), line),
                             Qt::AlignLeft | Qt::AlignVCenter, heading[i]);
        const MinuteRange hours = minutesInUse(printout.drawing.events);
        WeekPainter(pages.body().adjusted(0, (heading.size() + 0.5) * line, 0, 0), font, pages.device(),
                    hours.first, hours.last)
            .paint(painter, printout.drawing, paperPalette());
    });
}

}  // namespace tavisto
