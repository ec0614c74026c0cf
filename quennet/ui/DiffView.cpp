#include "DiffView.h"

#include "Fonts.h"

#include <QListWidget>

namespace quennet {

QStringList diffLines(const ScheduleDiff& diff)
{
    if (!diff.differs())
        return {QStringLiteral("播放的内容相同")};
    QStringList lines;
    for (const std::string& line : diff.lines)
        lines << QString::fromStdString(line);
    return lines;
}

QListWidget* createDiffList(QWidget* parent, const char* objectName, const ScheduleDiff& diff)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(objectName));
    list->setFont(dialogFont(10));
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (const QString& line : diffLines(diff)) {
        auto* item =
            new QListWidgetItem(QString(line).replace(QLatin1Char('\t'), QStringLiteral("  ")), list);
        if (line.startsWith(QLatin1String("- ")))
            item->setForeground(QColor(0xB0, 0x20, 0x20));
        else if (line.startsWith(QLatin1String("+ ")))
            item->setForeground(QColor(0x10, 0x80, 0x30));
    }
    return list;
}

}  // namespace quennet
