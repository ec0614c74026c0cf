#pragma once
// Icon 128: the window icon of the editor and the picture of the About box.
#include <QIcon>

namespace quennet {

QIcon appIcon();

}  // namespace quennet
