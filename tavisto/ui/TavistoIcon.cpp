#include "TavistoIcon.h"

namespace tavisto {

QPixmap tavistoIconPixmap() { return QPixmap(QStringLiteral(":/tavisto.png")); }

QIcon tavistoIcon() { return QIcon(tavistoIconPixmap()); }

}  // namespace tavisto
