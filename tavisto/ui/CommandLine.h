#pragma once
// The program's command line: [FILE], --print FILE, --week FILE, --check FILE [--program N], --help, --version.

#include <QString>
#include <optional>

namespace tavisto {

// Runs what needs no window (--help, --version, --print, --week, --check, an unknown option) with a
// QCoreApplication and gives its exit status. Gives nothing when the window is to be shown;
// `fileToOpen` is then the FILE given, if any.
std::optional<int> runWithoutWindow(int argc, char* argv[], QString& fileToOpen);

}  // namespace tavisto
