#include "AppIcon.h"

namespace quennet {

QIcon appIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/quennet/icons/%1x%1/apps/org.mp3timing.Quennet.png").arg(size));
    return icon;
}

}  // namespace quennet
