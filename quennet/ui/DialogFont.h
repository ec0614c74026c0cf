#pragma once
#include <QFont>

namespace quennet {

// The windows are laid out for a 9 point Song face; these Debian CJK faces stand in for it.
QFont DialogFont(int pointSize);

} // namespace quennet
