#include "UndoKeys.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QWidget>

namespace quennet {

namespace {
const QList<QKeySequence> kUndoKeys{QKeySequence(Qt::CTRL | Qt::Key_Z)};
const QList<QKeySequence> kRedoKeys{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                    QKeySequence(Qt::CTRL | Qt::Key_Y)};
}  // namespace

UndoKeys::UndoKeys(QWidget* window, std::function<void()> undo, std::function<void()> redo)
    : QObject(window), undo_(std::move(undo)), redo_(std::move(redo))
{
    auto* undoKey = new QShortcut(window);
    undoKey->setKeys(kUndoKeys);
    connect(undoKey, &QShortcut::activated, this, [this] { undo_(); });
    auto* redoKey = new QShortcut(window);
    redoKey->setKeys(kRedoKeys);
    connect(redoKey, &QShortcut::activated, this, [this] { redo_(); });
    // A line edit takes the keys for itself even with nothing of its own to undo.
    for (QLineEdit* edit : window->findChildren<QLineEdit*>())
        edit->installEventFilter(this);
}

bool UndoKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* edit = static_cast<QLineEdit*>(watched);
    const QKeySequence key(static_cast<QKeyEvent*>(event)->keyCombination());
    if (kUndoKeys.contains(key) && !edit->isUndoAvailable()) {
        undo_();
        return true;
    }
    if (kRedoKeys.contains(key) && !edit->isRedoAvailable()) {
        redo_();
        return true;
    }
    return false;
}

}  // namespace quennet
