#include "AppIcon.h"

#include <QImageReader>

namespace tavisto {

// Read as PNG and nothing else: asked to guess, Qt would first load every image format plugin it has.
QPixmap appIconPixmap()
{
    QImageReader png(QStringLiteral(":/tavisto.png"), "png");
    png.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(png.read());
}

QIcon appIcon()
{
    return QIcon(appIconPixmap());
}

}  // namespace tavisto
