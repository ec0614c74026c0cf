#include "WindowSetup.h"

#include "AppIcon.h"
#include "Fonts.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QWidget>

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

}  // namespace tavisto
