#include "AppSetup.h"

#include "AppIcon.h"
#include "Fonts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace quennet {

void setUpApplication()
{
    // Lets the desktop find the window's entry and icon (the Wayland application id).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.mp3timing.Quennet"));
    // Every window in the dialogs' font, the drop-down lists and message boxes too: one Chinese
    // font is loaded, not a second one for the system's default.
    QApplication::setFont(dialogFont(9));
    QApplication::setWindowIcon(appIcon());
    installQtTranslations(*qApp, QLocale::system());
}

bool installQtTranslations(QCoreApplication& app, const QLocale& locale)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

}  // namespace quennet
