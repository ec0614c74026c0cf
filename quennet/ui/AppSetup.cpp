#include "AppSetup.h"

#include "AppIcon.h"
#include "Fonts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace quennet {

void setUpApplication()
{
    // The window class (WM_CLASS) on X11, which the desktop entry's StartupWMClass names.
    QApplication::setApplicationName(QStringLiteral("Quennet"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    // Lets the desktop find the window's entry and icon (the Wayland application id).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.mp3timing.Quennet"));
    // Every window in the dialogs' font, the drop-down lists and message boxes too: one Chinese
    // font is loaded, not a second one for the system's default.
    QApplication::setFont(dialogFont(9));
    QApplication::setWindowIcon(appIcon());
    installQtTranslations(*qApp, QLocale::system());
}

namespace {

bool installTranslator(QCoreApplication& app, const QLocale& locale, const QString& name,
                       const QString& folder)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(locale, name, QStringLiteral("_"), folder)
        && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

}  // namespace

bool installQtTranslations(QCoreApplication& app, const QLocale& locale)
{
    return installTranslator(app, locale, QStringLiteral("qtbase"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

bool installCommandLineTranslations(QCoreApplication& app, const QLocale& locale)
{
    installQtTranslations(app, locale);
    // Built in from resources/quennet_zh_CN.ts; installed last, so asked first.
    return installTranslator(app, locale, QStringLiteral("quennet"), QStringLiteral(":/i18n"));
}

}  // namespace quennet
