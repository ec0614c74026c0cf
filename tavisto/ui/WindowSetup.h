#pragma once
// What Tavisto's windows share in their set-up and placement.

#include <QSize>
#include <QString>
#include <functional>

class QEvent;
class QKeyEvent;
class QObject;
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

// Ctrl+Z undoes the schedule's newest step anywhere in `window`; Ctrl+Shift+Z and Ctrl+Y redo.
void addHistoryKeys(QWidget& window, const std::function<void()>& undo, const std::function<void()>& redo);

// For an event filter: a line edit keeps those keys for its own typing only while it has some to
// undo or redo, and otherwise lets them reach the window's. True: the filter is done with `event`.
bool passHistoryKey(QObject* watched, QEvent* event);

}  // namespace tavisto
