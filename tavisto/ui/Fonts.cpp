#include "Fonts.h"

#include <QStringList>

namespace {

const QStringList sansFamilies{"Noto Sans CJK SC", "Droid Sans Fallback", "AR PL UMing CN"};

QFont fontFrom(const QStringList &families, int pixelSize)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace

QFont windowFont()
{
    return fontFrom(sansFamilies, 12);
}

QFont kaiFont(int pixelSize)
{
    return fontFrom(QStringList{"AR PL UKai CN"} + sansFamilies, pixelSize);
}

QFont songFont(int pixelSize)
{
    return fontFrom(QStringList{"AR PL UMing CN", "Noto Serif CJK SC"} + sansFamilies, pixelSize);
}
