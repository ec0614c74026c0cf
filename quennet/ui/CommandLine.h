#pragma once
// What the program is asked to do on its command line.
#include <QString>
#include <QStringList>
#include <optional>

class QCoreApplication;

namespace quennet {

struct CommandLine {
    QString driveFolder;  // the folder that stands for drive C:
};

// True when the arguments are served without a window: --print, --help, --help-all, --version or a mistake
// (an unknown option, an argument that is no option, a --drive-c that is no folder).
bool needsNoWindow(const QStringList& arguments);

// Reads the options of the running application. --help, --version and an unknown option print
// their text and end the program; an argument that is no option, or a --drive-c folder that does
// not exist, is reported on standard error and gives nothing: the program ends with status 1.
std::optional<CommandLine> readCommandLine(const QCoreApplication& app);

// --print: every program that has timings, under the check list's title, one line per timing
// with the check list's cells separated by tabs. Returns the exit status.
int printTimings(const QString& driveFolder);

}  // namespace quennet
