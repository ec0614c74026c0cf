#include "CommandLine.h"

#include "CheckListTexts.h"
#include "DataFile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace quennet {

namespace {
const QString kPrintOption = QStringLiteral("print");
const QString kDriveOption = QStringLiteral("drive-c");

void addOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Edits the timing programs of the player's data file C:\\DSdata\\UserDS.KQD."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({kPrintOption,
                      QStringLiteral("Write every program's timings to standard output and exit. "
                                     "The data file is only read.")});
    parser.addOption({kDriveOption,
                      QStringLiteral("Use <folder> as drive C: (default: %1).")
                          .arg(QDir::toNativeSeparators(
                              QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                              + QStringLiteral("/quennet/drive_c"))),
                      QStringLiteral("folder")});
}
}  // namespace

bool needsNoWindow(const QStringList& arguments)
{
    QCommandLineParser parser;
    addOptions(parser);
    if (!parser.parse(arguments))
        return true;
    return parser.isSet(kPrintOption) || parser.isSet(QStringLiteral("help"))
        || parser.isSet(QStringLiteral("version"))
        || (parser.isSet(kDriveOption) && !QFileInfo(parser.value(kDriveOption)).isDir());
}

CommandLine readCommandLine(const QCoreApplication& app)
{
    QCommandLineParser parser;
    addOptions(parser);
    parser.process(app);

    CommandLine options;
    options.driveFolder = parser.isSet(kDriveOption)
        ? parser.value(kDriveOption)
        : QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
            + QStringLiteral("/quennet/drive_c");
    const QFileInfo drive(options.driveFolder);
    if (parser.isSet(kDriveOption) && !drive.isDir()) {
        std::fprintf(stderr, "%s: %s: %s\n", qPrintable(QCoreApplication::applicationName()),
                     options.driveFolder.toLocal8Bit().constData(),
                     std::strerror(drive.exists() ? ENOTDIR : ENOENT));
        std::exit(1);
    }
    return options;
}

int printTimings(const QString& driveFolder)
{
    const DataFile file(driveFolder.toStdString());
    const DataFile::Listing listing = file.listAllTimings();
    if (!listing.error.empty()) {
        std::fprintf(stderr, "%s\n", listing.error.c_str());
        return 1;
    }
    QByteArray text;
    for (int program = 0; program < kProgramCount; ++program) {
        const std::vector<TimingEntry>& entries = listing.programs[std::size_t(program)];
        if (entries.empty())
            continue;
        text += checkListTitle(program).toUtf8() + '\n';
        int row = 0;
        for (const TimingEntry& entry : entries)
            text += checkListRow(++row, entry).join(QLatin1Char('\t')).toUtf8() + '\n';
    }
    return std::fwrite(text.constData(), 1, std::size_t(text.size()), stdout) == std::size_t(text.size())
            && std::fflush(stdout) == 0
        ? 0
        : 1;
}

}  // namespace quennet
