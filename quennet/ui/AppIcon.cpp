#include "AppIcon.h"

#include <QDirIterator>
#include <QImageReader>

namespace quennet {

// Every size the icon generator drew and the build put into the resources. The window manager is
// given every size anyway, so they are read at once, as PNG and nothing else: asked to guess, Qt
// would first load every image format plugin it has.
QIcon appIcon()
{
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/quennet/icons"), QDir::Files, QDirIterator::Subdirectories);
    while (sizes.hasNext()) {
        QImageReader png(sizes.next(), "png");
        png.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(png.read()));
    }
    return icon;
}

}  // namespace quennet
