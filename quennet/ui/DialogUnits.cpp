#include "DialogUnits.h"

#include <QFontMetrics>

namespace quennet {

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    baseX_ = (metrics.horizontalAdvance(letters) + 26) / 52; // rounded average
    baseY_ = metrics.height();
}

QRect DialogUnits::Rect(int x, int y, int width, int height) const
{
    return QRect(X(x), Y(y), X(width), Y(height));
}

QSize DialogUnits::Size(int width, int height) const
{
    return QSize(X(width), Y(height));
}

} // namespace quennet
