#pragma once
// What the program sets up once for all its windows.

class QCoreApplication;
class QLocale;

namespace tavisto {

// The display name, the window font and icon, and Qt's own texts (file dialog, context menus of
// the fields) in the language of the system locale when Qt has them. Needs a QApplication.
void setUpApplication();

// Qt's own texts in the language of the locale. False when Qt has no translation for it; its texts
// then stay English.
bool installQtTranslations(QCoreApplication& app, const QLocale& locale);

// The command line's texts (options, errors, notes on standard error) in the language of the
// locale, Qt's own and the program's: Chinese for a Chinese locale, English otherwise. The windows'
// texts are Chinese whatever the locale and are not touched. True when the texts are Chinese.
bool installCommandLineTranslations(QCoreApplication& app, const QLocale& locale);

}  // namespace tavisto
