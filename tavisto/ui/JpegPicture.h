#pragma once
// Decoding of JPEG pictures held in memory.

#include <QByteArray>
#include <QImage>

namespace tavisto {

// The picture as 24-bit RGB. A damaged, truncated or unreadable picture, or one larger than
// 4096 pixels on a side, gives a null image; nothing is printed.
QImage decodeJpeg(const QByteArray& bytes);

// The picture stored at a Qt resource path, or a null image.
QImage loadJpegResource(const QString& path);

}  // namespace tavisto
