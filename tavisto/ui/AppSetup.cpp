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
    // Built in from resources/tavisto_zh_CN.ts; installed last, so asked first.
    return installTranslator(app, locale, QStringLiteral("tavisto"), QStringLiteral(":/i18n"));
}

}  // namespace tavisto
