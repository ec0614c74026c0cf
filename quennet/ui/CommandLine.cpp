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
// The command line's own words: English here, Chinese in resources/quennet_zh_CN.ts.
struct CommandLineText {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

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
        CommandLineText::tr("Edits the timing programs of the player's data file C:\\DSdata\\UserDS.KQD."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({kPrintOption,
                      CommandLineText::tr("Write every program's timings to standard output and exit. "
                                          "The data file is only read.")});
    parser.addOption({kWeekOption,
                      CommandLineText::tr("Write the week the player runs to standard output, one line per "
                                          "start of a timing, and exit. The data file is only read.")});
    parser.addOption({kCheckOption,
                      CommandLineText::tr("Write the clashes, the timings that never play and the notes of "
                                          "that week to standard output and exit: status 2 when there is a "
                                          "clash or a timing that never plays.")});
    parser.addOption({kProgramOption,
                      CommandLineText::tr("With --week or --check: show program <n> (1 to 4) instead of the "
                                          "one the player runs."),
                      QStringLiteral("n")});
    parser.addOption({kDriveOption,
                      CommandLineText::tr("Use <folder> as drive C: (default: %1).")
                          .arg(QDir::toNativeSeparators(defaultDriveFolder())),
                      CommandLineText::tr("folder")});
}

// "quennet: " and the message, on standard error.
void complain(const QString& message)
{
    std::fprintf(stderr, "quennet: %s\n", message.toLocal8Bit().constData());
}

// Why the file could not be used, in the command line's language; the system's reasons already are.
QString reasonFor(const FileError& error)
{
    switch (error.kind) {
    case FileError::Kind::Busy: return CommandLineText::tr("another program is using this file");
    case FileError::Kind::NotRegular: return CommandLineText::tr("not a regular file");
    case FileError::Kind::NotDataFile: return CommandLineText::tr("not a timing data file");
    case FileError::Kind::TooShort: return CommandLineText::tr("the file is incomplete");
    case FileError::Kind::Gone: return CommandLineText::tr("deleted or renamed by another program");
    case FileError::Kind::Missing:
    case FileError::Kind::System:
    case FileError::Kind::None: break;
    }
    return QString::fromLocal8Bit(error.systemReason.c_str());
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
        complain(
            CommandLineText::tr("unexpected argument '%1'").arg(parser.positionalArguments().constFirst()));
        return std::nullopt;
    }

    CommandLine options;
    options.driveFolder = parser.isSet(kDriveOption) ? parser.value(kDriveOption) : defaultDriveFolder();
    const QFileInfo drive(options.driveFolder);
    if (parser.isSet(kDriveOption) && !drive.isDir()) {
        complain(
            (drive.exists() ? CommandLineText::tr("%1 is not a folder") : CommandLineText::tr("no folder %1"))
                .arg(options.driveFolder));
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
            complain(CommandLineText::tr("--program takes a program number from 1 to 4, not \"%1\"")
                         .arg(parser.value(kProgramOption)));
            return std::nullopt;
        }
        if (options.report != CommandLine::Report::Week && options.report != CommandLine::Report::Check) {
            complain(CommandLineText::tr("--program goes with --week or --check"));
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
    complain(CommandLineText::tr("cannot write the timings: %1").arg(reasonFor(error)));
    return 1;
}

// A file that cannot be read is reported on standard error; nothing when it could not.
std::optional<DataFile::Listing> readListing(const QString& driveFolder)
{
    const DataFile file(driveFolder.toStdString());
    DataFile::Listing listing = file.listAllTimings();
    if (listing.failure.kind != FileError::Kind::None) {
        complain(CommandLineText::tr("cannot read %1: %2")
                     .arg(QString::fromLocal8Bit(file.filePath().c_str()), reasonFor(listing.failure)));
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
