#include "CompareWindow.h"

#include "ControlNames.h"
#include "Dialogs.h"
#include "DiffView.h"
#include "Fonts.h"
#include "PrintPages.h"

#include <QDate>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace quennet {

namespace {
const char kPrintFailedMessage[] = "比较结果无法打印,请检查打印机或文件!";

// The lines under the heading, as many on a page as it holds; tabs as wide gaps.
bool printLines(QPrinter& printer, const QString& heading, const QStringList& lines)
{
    PrintPages printout(printer, dialogFont(10));
    const QFont font = dialogFont(10);
    const double line = QFontMetricsF(font, printout.device()).height() * 1.4;
    const int headingLines = int(heading.count(QLatin1Char('\n'))) + 2;
    const int perPage = qMax(1, int(printout.body().height() / line) - headingLines);
    const int pages = qMax(1, int((lines.size() + perPage - 1) / perPage));
    const double tab =
        QFontMetricsF(font, printout.device()).horizontalAdvance(QStringLiteral("次日00:00  "));
    return printout.print(pages, [&](QPainter& painter, int page) {
        painter.setFont(font);
        QRectF body = printout.body();
        painter.drawText(body, Qt::AlignLeft | Qt::AlignTop, heading);
        double y = body.top() + headingLines * line;
        for (int i = page * perPage; i < qMin(int(lines.size()), (page + 1) * perPage); ++i, y += line) {
            double x = body.left();
            for (const QString& cell : lines[i].split(QLatin1Char('\t'))) {
                painter.drawText(QPointF(x, y), cell);
                x += qMax(tab,
                          QFontMetricsF(font, printout.device()).horizontalAdvance(cell + QLatin1Char(' ')));
            }
        }
    });
}
}  // namespace

CompareWindow::CompareWindow(Dialogs& dialogs, const QString& chosenFile, const QString& openName,
                             const ScheduleDiff& diff, QWidget* parent)
    : QWidget(parent, Qt::Window),
      dialogs_(dialogs),
      chosenFile_(chosenFile),
      openName_(openName),
      lines_(diffLines(diff))
{
    setObjectName(QLatin1String(kCompareWindow));
    setWindowTitle(QStringLiteral("比较－%1 与 %2").arg(QFileInfo(chosenFile).fileName(), openName));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(dialogFont(10));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(QStringLiteral("“- ”只在 %1 中，“+ ”只在正在编辑的定时中：").arg(chosenFile), this));
    layout->addWidget(createDiffList(this, kCompareDiffList, diff));
    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* print = new QPushButton(QStringLiteral("打印…"), this);
    print->setObjectName(QLatin1String(kComparePrintButton));
    auto* close = new QPushButton(QStringLiteral("关闭"), this);
    close->setObjectName(QLatin1String(kCompareCloseButton));
    row->addWidget(print);
    row->addWidget(close);
    layout->addLayout(row);
    print->setShortcut(QKeySequence::Print);
    print->setToolTip(QStringLiteral("打印比较结果（Ctrl+P）"));
    connect(print, &QPushButton::clicked, this, &CompareWindow::print);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    resize(fontMetrics().averageCharWidth() * 90, fontMetrics().height() * 24);
}

void CompareWindow::print()
{
    QPrinter printer(QPrinter::HighResolution);
    PrintPages::prepare(printer, windowTitle(), openName_, QStringLiteral("比较"));
    if (!dialogs_.printDialog(this, printer))
        return;
    // The lines under the window's title, the two files and today's date.
    const QString heading = windowTitle() + QLatin1Char('\n')
        + QStringLiteral("“- ”只在 %1 中，“+ ”只在 %2 中").arg(chosenFile_, openName_) + QLatin1Char('\n')
        + QDate::currentDate().toString(Qt::ISODate);
    if (!printLines(printer, heading, lines_))
        dialogs_.message(this, QString::fromUtf8(kPrintFailedMessage), Dialogs::Icon::Warning);
}

void CompareWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

}  // namespace quennet
