#pragma once
#include <QIcon>

namespace quennet {

// Icon 128: the window icon of the editor and the picture of the About box.
inline QIcon AppIcon() { return QIcon(QStringLiteral(":/quennet/quennet.png")); }

} // namespace quennet
