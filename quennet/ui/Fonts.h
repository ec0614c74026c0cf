#pragma once
// The windows are laid out for a 9 point Song face; these Debian CJK faces stand in for it.
#include <QFont>

namespace quennet {

QFont dialogFont(int pointSize);

// The week plan's font on the screen and on paper: the sans face of the desktop's dialogs at 9
// points, as Tavisto's plan has it.
QFont planFont();

}  // namespace quennet
