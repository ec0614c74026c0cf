#pragma once
// Qt's own texts (the buttons of the message boxes, the context menus of the fields) in the
// user's language.
#include <QLocale>

class QCoreApplication;

namespace quennet {

// False when Qt has no translation for the locale; its texts then stay English.
bool installQtTranslations(QCoreApplication& app, const QLocale& locale);

}  // namespace quennet
