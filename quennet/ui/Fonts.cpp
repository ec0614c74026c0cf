#include "Fonts.h"

#include <QStringList>

namespace quennet {

QFont dialogFont(int pointSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW"),
                      QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("AR PL UKai CN")});
    font.setPointSize(pointSize);
    return font;
}

QFont planFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Droid Sans Fallback"),
                      QStringLiteral("AR PL UMing CN")});
    font.setPointSize(9);
    return font;
}

}  // namespace quennet
