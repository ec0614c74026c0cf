#pragma once
// Texts shared by several windows of the program.
#include <QString>

namespace quennet {

// Title of every message box.
inline const QString kProgramName = QStringLiteral("Quennet");

// String 101: the About entry of the editor's window menu.
inline const QString kAboutMenuText = QStringLiteral("关于 Quennet(&A)...");

}  // namespace quennet
