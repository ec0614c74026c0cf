#pragma once
// Texts shared by several windows of the program.
#include <QString>

namespace quennet {

// Title of every message box.
inline QString ProgramName() { return QStringLiteral("Quennet"); }

// String 101: the About entry of the editor's window menu.
inline QString AboutMenuText() { return QStringLiteral("关于 Quennet(&A)..."); }

} // namespace quennet
