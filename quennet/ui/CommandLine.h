#pragma once
// The program's command line: [--drive-c FOLDER], --print, --week, --check, --export [--program N]
// [FILE], --import CSV [FILE], --diff A B, --help, --version.
#include <QString>
#include <optional>

namespace quennet {

// The program's exit statuses.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;   // a mistake on the command line, a file that cannot be read or written,
                                  // a table that was not imported
constexpr int kExitFindings = 2;  // --check: a clash or a timing that never plays; --diff: a difference;
                                  // a file cut short

// Runs what needs no window (--print, --week, --check, --export, --import, --diff, --help, --help-all,
// --version, or a mistake: an unknown option, an argument that is no option, a --drive-c that is no
// folder) with a QCoreApplication and gives its exit status. Gives nothing when the window is to be shown; `driveFolder` is then the
// folder that stands for drive C:.
std::optional<int> runWithoutWindow(int argc, char* argv[], QString& driveFolder);

}  // namespace quennet
