#pragma once
// What the program sets up once for all its windows.

namespace tavisto {

// The display name, the window font and icon, and Qt's own texts (file dialog, context menus of
// the fields) in the language of the system locale when Qt has them. Needs a QApplication.
void setUpApplication();

}  // namespace tavisto
