#include "AppIcon.h"

#include <QDirIterator>

namespace quennet {

// Every size the icon generator drew and the build put into the resources.
QIcon appIcon()
{
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/quennet/icons"), {QStringLiteral("org.mp3timing.Quennet.png")},
                       QDir::Files, QDirIterator::Subdirectories);
    while (sizes.hasNext())
        icon.addFile(sizes.next());
    return icon;
}

}  // namespace quennet
