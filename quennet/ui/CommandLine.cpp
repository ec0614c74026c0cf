#include "CommandLine.h"

#include "CheckListTexts.h"
#include "DataFile.h"
#include "LockedFile.h"
#include "WeekCheck.h"
#include "WeekText.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>

namespace quennet {

namespace {
const QString kPrintOption = QStringLiteral("print");
const QString kDriveOption = QStringLiteral("drive-c");
const QString kWeekOption = QStringLiteral("week");
const QString kCheckOption = QStringLiteral("check");
const QString kProgramOption = QStringLiteral("program");

// Options every Qt program takes ("-style fusion"); the application object uses them up, but
// they are known here too, so that they are neither refused nor taken for a file name. A
// trailing "=" marks an option with a value.
const char kQtOptions[] =
    "platform= platformpluginpath= platformtheme= plugin= qwindowgeometry= qwindowicon= "
    "qwindowtitle= session= display= geometry= icon= title= name= visual= style= "
    "stylesheet= qmljsdebugger= reverse widgetcount nograb dograb sync";

QString defaultDriveFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/quennet/drive_c");
}

void addOptions(QCommandLineParser& parser)
{
    // "-style" is one option, as Qt reads it, not the letters s, t, y, l and e.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const QString& name : QString::fromLatin1(kQtOptions).split(QLatin1Char(' '))) {
        const bool withValue = name.endsWith(QLatin1Char('='));
        QCommandLineOption option(withValue ? name.chopped(1) : name, QString(),
                                  withValue ? QStringLiteral("value") : QString());
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    parser.setApplicationDescription(
        QStringLiteral("Edits the timing programs of the player's data file C:\\DSdata\\UserDS.KQD."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({kPrintOption,
                      QStringLiteral("Write every program's timings to standard output and exit. "
                                     "The data file is only read.")});
    parser.addOption({kWeekOption,
                      QStringLiteral("Write the week the player runs to standard output, one line per "
                                     "start of a timing, and exit. The data file is only read.")});
    parser.addOption({kCheckOption,
                      QStringLiteral("Write the clashes, the timings that never play and the notes of "
                                     "that week to standard output and exit: status 2 when there is a "
                                     "clash or a timing that never plays.")});
    parser.addOption({kProgramOption,
                      QStringLiteral("With --week or --check: show program <n> (1 to 4) instead of the "
                                     "one the player runs."),
                      QStringLiteral("n")});
    parser.addOption({kDriveOption,
                      QStringLiteral("Use <folder> as drive C: (default: %1).")
                          .arg(QDir::toNativeSeparators(defaultDriveFolder())),
                      QStringLiteral("folder")});
}
}  // namespace

bool needsNoWindow(const QStringList& arguments)
{
    QCommandLineParser parser;
    addOptions(parser);
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty())
        return true;
    return parser.isSet(kPrintOption) || parser.isSet(kWeekOption) || parser.isSet(kCheckOption)
        || parser.isSet(kProgramOption) || parser.isSet(QStringLiteral("help"))
        || parser.isSet(QStringLiteral("help-all")) || parser.isSet(QStringLiteral("version"))
        || (parser.isSet(kDriveOption) && !QFileInfo(parser.value(kDriveOption)).isDir());
}

std::optional<CommandLine> readCommandLine(const QCoreApplication& app)
{
    QCommandLineParser parser;
    addOptions(parser);
    parser.process(app);
    // The program edits one fixed file; a file named here would silently not be the one edited.
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "%s: 多余的参数“%s”。\n", qPrintable(QCoreApplication::applicationName()),
                     parser.positionalArguments().constFirst().toLocal8Bit().constData());
        return std::nullopt;
    }

    CommandLine options;
    options.driveFolder = parser.isSet(kDriveOption) ? parser.value(kDriveOption) : defaultDriveFolder();
    const QFileInfo drive(options.driveFolder);
    if (parser.isSet(kDriveOption) && !drive.isDir()) {
        std::fprintf(stderr, drive.exists() ? "quennet: %s is not a folder\n" : "quennet: no folder %s\n",
                     options.driveFolder.toLocal8Bit().constData());
        return std::nullopt;
    }
    if (parser.isSet(kPrintOption))
        options.report = CommandLine::Report::Print;
    else if (parser.isSet(kWeekOption))
        options.report = CommandLine::Report::Week;
    else if (parser.isSet(kCheckOption))
        options.report = CommandLine::Report::Check;
    if (parser.isSet(kProgramOption)) {
        bool number = false;
        const int program = parser.value(kProgramOption).toInt(&number);
        if (!number || program < 1 || program > kProgramCount) {
            std::fprintf(stderr, "quennet: --program takes a program number from 1 to 4, not \"%s\"\n",
                         parser.value(kProgramOption).toLocal8Bit().constData());
            return std::nullopt;
        }
        if (options.report != CommandLine::Report::Week && options.report != CommandLine::Report::Check) {
            std::fprintf(stderr, "quennet: --program goes with --week or --check\n");
            return std::nullopt;
        }
        options.program = program - 1;
    }
    return options;
}

namespace {
// A full disk, say: what was written did not arrive whole.
int writeOut(const QByteArray& text)
{
    FileError error;
    if (writeStandardOutput(text.toStdString(), error))
        return 0;
    std::fprintf(stderr, "quennet: cannot write the timings: %s\n", reasonText(error).c_str());
    return 1;
}

// A file that cannot be read is reported on standard error; nothing when it could not.
std::optional<DataFile::Listing> readListing(const QString& driveFolder)
{
    const DataFile file(driveFolder.toStdString());
    DataFile::Listing listing = file.listAllTimings();
    if (!listing.error.empty()) {
        std::fprintf(stderr, "%s\n", listing.error.c_str());
        return std::nullopt;
    }
    return listing;
}

int printTimings(const QString& driveFolder)
{
    const std::optional<DataFile::Listing> listing = readListing(driveFolder);
    if (!listing)
        return 1;
    QByteArray text;
    for (int program = 0; program < kProgramCount; ++program) {
        const std::vector<TimingEntry>& entries = listing->programs[std::size_t(program)];
        if (entries.empty())
            continue;
        text += checkListTitle(program).toUtf8() + '\n';
        int row = 0;
        for (const TimingEntry& entry : entries)
            text += checkListRow(++row, entry).join(QLatin1Char('\t')).toUtf8() + '\n';
    }
    return writeOut(text);
}

int writeWeek(const CommandLine& options, bool findings)
{
    const std::optional<DataFile::Listing> listing = readListing(options.driveFolder);
    if (!listing)
        return 1;
    const int program = options.program >= 0 ? options.program : listing->runProgram;
    const WeekReview review = reviewWeek(listing->programs, program, listing->runProgram);
    QByteArray text;
    if (!findings) {
        for (const WeekEvent& event : review.week.events)
            text += QByteArray::fromStdString(weekLine(event)) + '\n';
        return writeOut(text);
    }
    for (const Finding& finding : review.findings)
        text += QByteArray::fromStdString(findingLine(finding)) + '\n';
    if (writeOut(text) != 0)
        return 1;
    return passes(review.findings) ? 0 : 2;
}
}  // namespace

int writeReport(const CommandLine& options)
{
    switch (options.report) {
    case CommandLine::Report::Week: return writeWeek(options, false);
    case CommandLine::Report::Check: return writeWeek(options, true);
    default: return printTimings(options.driveFolder);
    }
}

}  // namespace quennet
