#pragma once
// The windows are laid out for a 9 point Song face; these Debian CJK faces stand in for it.
#include <QFont>

namespace quennet {

QFont dialogFont(int pointSize);

}  // namespace quennet
