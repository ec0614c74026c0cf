#include "Fonts.h"

#include <QStringList>

namespace tavisto {

namespace {

const QStringList kSansFamilies{"Noto Sans CJK SC", "Droid Sans Fallback", "AR PL UMing CN"};

QFont fontFrom(const QStringList& families, int pixelSize)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace

QFont windowFont()
{
    return fontFrom(kSansFamilies, 12);
}

QFont planFont()
{
    QFont font = windowFont();
    font.setPointSize(9);
    return font;
}

QFont kaiFont(int pixelSize)
{
    return fontFrom(QStringList{"AR PL UKai CN"} + kSansFamilies, pixelSize);
}

QFont songFont(int pixelSize)
{
    return fontFrom(QStringList{"AR PL UMing CN", "Noto Serif CJK SC"} + kSansFamilies, pixelSize);
}

}  // namespace tavisto
