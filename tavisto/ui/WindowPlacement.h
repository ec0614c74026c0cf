#pragma once
// Placement shared by Tavisto's secondary windows.

class QWidget;

namespace tavisto {

// Moves a top-level window to the centre of the screen it is on (or the primary screen).
void centreOnScreen(QWidget& window);

}  // namespace tavisto
