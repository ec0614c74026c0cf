#pragma once
// What Tavisto's windows share in their set-up and placement.

#include <QSize>
#include <QString>

class QKeyEvent;
class QWidget;

namespace tavisto {

// Moves a top-level window to the centre of the screen it is on (or the primary screen); `frame`
// is what the window manager adds around it, when known.
void centreOnScreen(QWidget& window, QSize frame = QSize(0, 0));

// A secondary window: its object name and title, the program's icon and font, a fixed size,
// centred, and discarded when it is closed.
void setUpSecondaryWindow(QWidget& window, const char* objectName, const QString& title, QSize size);

// Escape alone closes a secondary window, as its own close button does; true when it did.
bool closeOnEscape(QWidget& window, const QKeyEvent& event);

}  // namespace tavisto
