#pragma once
// The fonts of the windows. The original fonts are Windows-only; these stand in for them with the
// Debian CJK fonts, each with fallbacks so a missing package never leaves the Chinese texts as
// empty boxes.

#include <QFont>

namespace tavisto {

// The window font, standing in for an 11-pixel "MS Sans Serif": its Chinese glyphs came from the
// system fallback at 12 pixels.
QFont windowFont();

// The week plan's font on the screen and on paper, the dialogs' face at 9 points.
QFont planFont();

// Calligraphic font, standing in for 华文新魏 and 楷体_GB2312.
QFont kaiFont(int pixelSize);

// Song/Ming font, standing in for 宋体.
QFont songFont(int pixelSize);

}  // namespace tavisto
