#pragma once
// The program's command line: [FILE], --print FILE, --week FILE, --check FILE [--program N],
// --export FILE [--program N], --import CSV FILE, --diff A B, --help, --version.

#include <QString>
#include <optional>

namespace tavisto {

// The exit status of a run without a window.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;  // a misuse, or a file that cannot be read or output that cannot be written
constexpr int kExitFindings = 2;  // --check: a 冲突, 无效 or 不播放, or an odd file; --print: an odd file;
                                  // --diff: the files differ

// Runs what needs no window (--help, --version, --print, --week, --check, --export, --import,
// --diff, an unknown option) with a QCoreApplication and gives its exit status. Gives nothing when the window is to be shown;
// `fileToOpen` is then the FILE given, if any.
std::optional<int> runWithoutWindow(int argc, char* argv[], QString& fileToOpen);

}  // namespace tavisto
