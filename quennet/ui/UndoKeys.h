#pragma once
// Ctrl+Z undoes the schedule's newest step and Ctrl+Shift+Z or Ctrl+Y does it again, wherever the
// focus is in a window. A line edit keeps the keys for its own typing while it has any to undo or
// to do again.
#include <QObject>
#include <functional>

class QWidget;

namespace quennet {

class UndoKeys : public QObject {
public:
    // Watches the line edits `window` holds now.
    UndoKeys(QWidget* window, std::function<void()> undo, std::function<void()> redo);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> undo_;
    std::function<void()> redo_;
};

}  // namespace quennet
