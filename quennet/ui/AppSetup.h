#pragma once
// What the program sets up once for all its windows.
#include <QLocale>

class QCoreApplication;

namespace quennet {

// The desktop entry and window icon, and Qt's own texts in the language of the system locale.
// Needs a QApplication.
void setUpApplication();

// Qt's own texts (the buttons of the message boxes, the context menus of the fields, the command
// line's errors) in the language of the locale. False when Qt has no translation for it; its texts
// then stay English.
bool installQtTranslations(QCoreApplication& app, const QLocale& locale);

}  // namespace quennet
