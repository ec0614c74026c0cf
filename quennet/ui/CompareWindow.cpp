#include "CompareWindow.h"

#include "ControlNames.h"
#include "Dialogs.h"
#include "DifferenceView.h"
#include "Fonts.h"
#include "PrintPages.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace quennet {

namespace {
const char kTitle[] = "比较定时";
const char kPrintFailedMessage[] = "比较结果无法打印,请检查打印机或文件!";
const char kSameMessage[] = "两个文件中播放机的运行完全相同。";

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

CompareWindow::CompareWindow(QWidget* parent, Dialogs& dialogs, const QString& openPath,
                             const QString& otherPath, const ScheduleDiff& diff)
    : QDialog(parent),
      dialogs_(dialogs),
      openPath_(openPath),
      heading_(QStringLiteral("“- ”只在 %1 中（打开的文件）\n“+ ”只在 %2 中").arg(openPath, otherPath)),
      text_(differenceText(diff, QString::fromUtf8(kSameMessage)))
{
    setObjectName(QString::fromLatin1(kCompareWindow));
    setWindowTitle(QString::fromUtf8(kTitle));
    setFont(dialogFont(10));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(heading_, this);
    intro->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(intro);
    layout->addWidget(differenceView(this, diff, QString::fromUtf8(kSameMessage)));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("关闭"));
    QPushButton* print = buttons->addButton(QStringLiteral("打印…"), QDialogButtonBox::ActionRole);
    print->setObjectName(QString::fromLatin1(kComparePrintButton));
    print->setToolTip(QStringLiteral("打印比较结果（Ctrl+P）"));
    connect(print, &QPushButton::clicked, this, &CompareWindow::print);
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, this, &CompareWindow::print);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(fontMetrics().averageCharWidth() * 90, fontMetrics().height() * 24);
}

void CompareWindow::print()
{
    QPrinter printer(QPrinter::HighResolution);
    PrintPages::prepare(printer, QString::fromUtf8(kTitle), openPath_, QStringLiteral("比较"));
    if (!dialogs_.printDialog(this, printer))
        return;
    const QString heading = QString::fromUtf8(kTitle) + QStringLiteral("    ")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")) + QLatin1Char('\n')
        + heading_;
    if (!printLines(printer, heading, text_.split(QLatin1Char('\n'))))
        dialogs_.message(this, QString::fromUtf8(kPrintFailedMessage), Dialogs::Icon::Warning);
}

}  // namespace quennet
