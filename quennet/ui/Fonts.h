#pragma once
#include <QFont>

namespace quennet {

// The windows are laid out for a 9 point Song face; these Debian CJK faces stand in for it.
QFont dialogFont(int pointSize);

}  // namespace quennet
