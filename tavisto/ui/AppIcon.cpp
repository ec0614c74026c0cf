#include "AppIcon.h"

namespace tavisto {

QPixmap appIconPixmap()
{
    return QPixmap(QStringLiteral(":/tavisto.png"));
}

QIcon appIcon()
{
    return QIcon(appIconPixmap());
}

}  // namespace tavisto
