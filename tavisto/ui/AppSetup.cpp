#include "AppSetup.h"

#include "AppIcon.h"
#include "AppTexts.h"
#include "Fonts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tavisto {

void setUpApplication()
{
    // The window class (WM_CLASS) on X11, which the desktop entry's StartupWMClass names.
    QApplication::setApplicationName(QStringLiteral("Tavisto"));
    QApplication::setApplicationDisplayName(kApplicationTitle);
    // Lets the desktop find the window's entry and icon (the Wayland application id).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.mp3timing.Tavisto"));
    QApplication::setFont(windowFont());
    QApplication::setWindowIcon(appIcon());
    auto* translator = new QTranslator(qApp);
    if (translator->load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    else
        delete translator;
}

}  // namespace tavisto
