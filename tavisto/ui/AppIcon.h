#pragma once
// The program's own 32 x 32, 16-colour icon, for its windows and the About window.

#include <QIcon>
#include <QPixmap>

namespace tavisto {

QPixmap appIconPixmap();
QIcon appIcon();

}  // namespace tavisto
