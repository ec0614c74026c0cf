#pragma once
// Titles and names the windows share.

#include "CurrentTiming.h"

#include <QString>

namespace tavisto {

inline const QString kApplicationTitle = QStringLiteral("MP3自动播放机");
inline const QString kProductName = QStringLiteral("RA3vorerizid");
// The status bar's simple text while an About window is open.
inline const QString kAboutStatusText = QStringLiteral("TALWEN STUDIO");

// How the windows name the edited program: "随机定时", or the number of a standard program.
inline QString programLabel(std::uint8_t editObject)
{
    return editObject == kRandomProgram ? QStringLiteral("随机定时") : QString::number(editObject);
}

inline QString tableKind(TimingType type)
{
    return type == TimingType::Music ? QStringLiteral("音乐定时") : QStringLiteral("外设定时");
}

// The overview window's caption for a table, e.g. "定时查看－程序（1）－音乐定时".
inline QString overviewTitle(const SlotSelection& table, std::uint8_t randomEnabled)
{
    const QString kind = table.EditObject == kRandomProgram
        ? (randomEnabled == 1 ? QStringLiteral("开启") : QStringLiteral("关闭"))
        : tableKind(table.Type);
    return QStringLiteral("定时查看－程序（%1）－%2").arg(programLabel(table.EditObject), kind);
}

// A table's short name in file names, e.g. "程序1-音乐定时" or "随机定时".
inline QString tableName(const SlotSelection& table)
{
    return table.EditObject == kRandomProgram
        ? programLabel(table.EditObject)
        : QStringLiteral("程序%1-%2").arg(table.EditObject).arg(tableKind(table.Type));
}

}  // namespace tavisto
