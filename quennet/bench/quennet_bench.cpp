// Measures what a user waits for: Quennet's start-up and peak memory against the bare window,
// with a data file whose first program holds 99 timings, as on a player in use.
// Run under an X display: xvfb-run -a quennet_bench (./project.sh bench does this).

#include "StartupComparison.h"

#include "FileFixtures.h"

#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

using namespace quennet::testing;

int main()
{
    // The programs draw on the X display that xvfb-run provides; Quennet finds its data file in
    // a scratch data folder, never in the user's own.
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    QTemporaryDir data;
    if (!data.isValid()) {
        std::fprintf(stderr, "quennet_bench: cannot make a scratch folder\n");
        return 1;
    }
    writeDataFile(data.filePath(QStringLiteral("quennet/drive_c")), timingsFile(0, 99));
    setenv("XDG_DATA_HOME", qPrintable(data.path()), 1);

    std::string error;
    const auto startup = compareStartup(QUENNET_BINARY, error);
    if (!startup) {
        std::fprintf(stderr, "quennet_bench: %s\n", error.c_str());
        return 1;
    }
    std::printf("Quennet benchmark (medians of several runs)\n");
    printStartup("quennet", *startup);
    return 0;
}
