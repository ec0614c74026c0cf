#include "DifferenceView.h"

#include "ControlNames.h"

#include <QFontMetrics>
#include <QPlainTextEdit>

namespace quennet {

QString differenceText(const ScheduleDiff& diff, const QString& same)
{
    if (!diff.differs())
        return same;
    QStringList lines;
    for (const std::string& line : diff.lines)
        lines.append(QString::fromStdString(line));
    return lines.join(QLatin1Char('\n'));
}

QPlainTextEdit* differenceView(QWidget* parent, const ScheduleDiff& diff, const QString& same)
{
    auto* view = new QPlainTextEdit(parent);
    view->setObjectName(QString::fromLatin1(kDifferenceText));
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    // As wide as the widest time, so that most columns line up.
    view->setTabStopDistance(view->fontMetrics().horizontalAdvance(QStringLiteral("次日00:00  ")));
    view->setPlainText(differenceText(diff, same));
    return view;
}

}  // namespace quennet
