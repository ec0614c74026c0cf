#include "WindowSetup.h"

#include "AppIcon.h"
#include "Fonts.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QShortcut>
#include <QWidget>
#include <algorithm>

namespace tavisto {

void centreOnScreen(QWidget& window, QSize frame)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect outline(QPoint(), window.size() + frame);
    outline.moveCenter(screen->availableGeometry().center());
    window.move(outline.topLeft());
}

void setUpSecondaryWindow(QWidget& window, const char* objectName, const QString& title, QSize size)
{
    window.setObjectName(QLatin1String(objectName));
    window.setAttribute(Qt::WA_DeleteOnClose);
    window.setWindowTitle(title);
    window.setWindowIcon(appIcon());
    window.setFont(windowFont());
    window.setFixedSize(size);
    centreOnScreen(window);
}

bool closeOnEscape(QWidget& window, const QKeyEvent& event)
{
    if (event.key() != Qt::Key_Escape || event.modifiers() != Qt::NoModifier)
        return false;
    window.close();
    return true;
}

namespace {

const QKeyCombination kUndoKey(Qt::CTRL | Qt::Key_Z);
const QList<QKeySequence> kRedoKeys{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                    QKeySequence(Qt::CTRL | Qt::Key_Y)};

bool isRedoKey(QKeyCombination key)
{
    return std::any_of(kRedoKeys.begin(), kRedoKeys.end(),
                       [key](const QKeySequence& keys) { return keys[0] == key; });
}

}  // namespace

void addHistoryKeys(QWidget& window, const std::function<void()>& undo, const std::function<void()>& redo)
{
    QObject::connect(new QShortcut(QKeySequence(kUndoKey), &window), &QShortcut::activated, &window, undo);
    auto* redoKeys = new QShortcut(&window);
    redoKeys->setKeys(kRedoKeys);
    QObject::connect(redoKeys, &QShortcut::activated, &window, redo);
}

bool passHistoryKey(QObject* watched, QEvent* event)
{
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit || event->type() != QEvent::ShortcutOverride)
        return false;
    const QKeyCombination key = static_cast<QKeyEvent*>(event)->keyCombination();
    if ((key == kUndoKey && !edit->isUndoAvailable()) || (isRedoKey(key) && !edit->isRedoAvailable())) {
        event->ignore();  // not taken by the field: the window's shortcut acts
        return true;
    }
    return false;
}

}  // namespace tavisto
