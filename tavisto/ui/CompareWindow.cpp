#include "CompareWindow.h"

#include "ControlNames.h"
#include "Dialogs.h"
#include "DiffView.h"
#include "ListPrint.h"
#include "PrintPages.h"
#include "WindowSetup.h"

#include <QDate>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavisto {

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
    resize(680, 460);
    centreOnScreen(*this);
}

PrintedList CompareWindow::printout() const
{
    PrintedList list;
    list.title = windowTitle();
    list.notes << QStringLiteral("“- ”只在 %1 中，“+ ”只在 %2 中").arg(chosenFile_, openName_)
               << QDate::currentDate().toString(Qt::ISODate);
    list.columns << QStringLiteral("差异");
    list.widths << 1;
    for (const QString& line : lines_)
        list.rows << QStringList{QString(line).replace(QLatin1Char('\t'), QStringLiteral("  "))};
    return list;
}

void CompareWindow::print()
{
    QPrinter printer;
    PrintPages::prepare(printer, windowTitle(), openName_, QStringLiteral("比较"));
    if (dialogs_.printDialog(this, printer) && !printList(printout(), printer))
        dialogs_.message(this, Dialogs::Kind::Error, QStringLiteral("打印失败！"), Dialogs::Buttons::Ok);
}

void CompareWindow::keyPressEvent(QKeyEvent* event)
{
    if (!closeOnEscape(*this, *event))
        QWidget::keyPressEvent(event);
}

}  // namespace tavisto
