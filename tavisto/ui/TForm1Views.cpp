// The About and relation-diagram windows opened from the main window.
#include "TForm1.h"

#include "AppTexts.h"
#include "TForm3.h"
#include "TForm4.h"

#include <QStatusBar>

namespace tavisto {

namespace {

// Secondary windows neither keep the program running nor outlive the main window's wishes.
template<typename Window>
Window* openWindow(QWidget* mainWindow)
{
    auto* window = new Window;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setAttribute(Qt::WA_QuitOnClose, false);
    QObject::connect(mainWindow, &QObject::destroyed, window, &QWidget::close);
    window->show();
    return window;
}

}  // namespace

void TForm1::Button9Click()
{
    auto* about = openWindow<TForm3>(this);
    // Whichever About window's "确定" is pressed gives the status bar its panels back.
    connect(about, &TForm3::okPressed, this, [this] {
        aboutShown_ = false;
        statusBar()->clearMessage();
    });
    aboutShown_ = true;
    statusBar()->showMessage(kAboutStatusText);
}

void TForm1::Button12Click()
{
    openWindow<TForm4>(this);
}

}  // namespace tavisto
