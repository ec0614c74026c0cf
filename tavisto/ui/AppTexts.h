#pragma once
// Titles the windows share.

#include <QString>

namespace tavisto {

inline const QString kApplicationTitle = QStringLiteral("MP3自动播放机");
inline const QString kProductName = QStringLiteral("RA3vorerizid");

}  // namespace tavisto
