#pragma once
// What the program is asked to do on its command line.
#include <QString>
#include <QStringList>
#include <optional>

class QCoreApplication;

namespace quennet {

struct CommandLine {
    // What is written to standard output instead of opening the window.
    enum class Report { None, Print, Week, Check };

    QString driveFolder;  // the folder that stands for drive C:
    Report report = Report::None;
    int program = -1;  // --program N as 0..3; -1 for the one the player runs
};

// True when the arguments are served without a window: --print, --week, --check, --help, --help-all, --version or a mistake
// (an unknown option, an argument that is no option, a --drive-c that is no folder).
bool needsNoWindow(const QStringList& arguments);

// Reads the options of the running application. --help, --version and an unknown option print
// their text and end the program; an argument that is no option, a --drive-c folder that does
// not exist, or a --program that is not 1..4 or goes without --week or --check, is reported on
// standard error and gives nothing: the program ends with status 1.
std::optional<CommandLine> readCommandLine(const QCoreApplication& app);

// --print (every program that has timings, under the check list's title, one line per timing
// with the check list's cells separated by tabs), --week or --check, as the command line asks.
// Returns the exit status: 1 when the file cannot be read; for --check 2 when the week holds a
// clash or a timing that never plays.
int writeReport(const CommandLine& options);

}  // namespace quennet
