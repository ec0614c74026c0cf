#include "CommandLine.h"

#include "AppSetup.h"
#include "CheckListTexts.h"
#include "DataFile.h"
#include "DataFileHeader.h"
#include "FileFailureText.h"
#include "ScheduleDiff.h"
#include "ScheduleTable.h"
#include "StandardOutput.h"
#include "WeekCheck.h"
#include "WeekText.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <csignal>
#include <cstdio>

namespace quennet {

namespace {
// What is asked of the program on its command line.
struct CommandLine {
    // What is written to standard output instead of opening the window.
    enum class Report { None, Print, Week, Check, Export, Import, Diff };

    QString driveFolder;  // the folder that stands for drive C:
    QString file;         // the data file named on the command line; empty for the drive's
    QString table;        // --import: the table to read
    QString otherFile;    // --diff: the second data file
    Report report = Report::None;
    int program = -1;  // --program N as 0..3; -1 for the one the player runs
};

// The command line's own words: English here, Chinese in resources/quennet_zh_CN.ts.
struct CommandLineText {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

const QString kPrintOption = QStringLiteral("print");
const QString kDriveOption = QStringLiteral("drive-c");
const QString kWeekOption = QStringLiteral("week");
const QString kCheckOption = QStringLiteral("check");
const QString kProgramOption = QStringLiteral("program");
const QString kExportOption = QStringLiteral("export");
const QString kImportOption = QStringLiteral("import");
const QString kDiffOption = QStringLiteral("diff");

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
    parser.addOption(
        {kExportOption,
         CommandLineText::tr("Write the timings to standard output as a table for spreadsheets (CSV: UTF-8, "
                             "commas), one row per timing, and exit. The data file is only read.")});
    parser.addOption(
        {kImportOption,
         CommandLineText::tr("Import the table <csv> into the data file (made as a new set when it does not "
                             "exist) and exit: all or nothing, every bad row told on standard error. 0 when "
                             "imported, 1 when refused or not written."),
         QStringLiteral("csv")});
    parser.addOption(
        {kDiffOption,
         CommandLineText::tr(
             "Compare what the player does with two data files, given as two arguments, and exit: lines only "
             "the first has start with \"- \", lines only the second has with \"+ \". 0 when nothing "
             "differs, 2 when something does, 1 when a file cannot be read.")});
    parser.addOption({kProgramOption,
                      CommandLineText::tr("With --week, --check or --export: program <n> (1 to 4) instead of "
                                          "the one the player runs (all four for --export)."),
                      QStringLiteral("n")});
    parser.addPositionalArgument(
        CommandLineText::tr("file"),
        CommandLineText::tr(
            "With --print, --week, --check, --export or --import: the data file to use instead "
            "of the one on drive C:, of any name, for example a copy of the player's card."),
        CommandLineText::tr("[file]"));
    parser.addOption({kDriveOption,
                      CommandLineText::tr("Use <folder> as drive C: (default: %1).")
                          .arg(QDir::toNativeSeparators(defaultDriveFolder())),
                      CommandLineText::tr("folder")});
}

// The language of the reasons a file failed, the one the command line speaks.
FailureLanguage failureLanguage = FailureLanguage::English;

// "quennet: " and the message, on standard error.
void complain(const QString& message)
{
    std::fprintf(stderr, "quennet: %s\n", message.toLocal8Bit().constData());
}

// True when the window is to be shown; `driveFolder` is then the folder it edits.
bool opensWindow(int argc, char* argv[], QString& driveFolder)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser parser;
    addOptions(parser);
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty())
        return false;
    if (parser.isSet(kPrintOption) || parser.isSet(kWeekOption) || parser.isSet(kCheckOption)
        || parser.isSet(kExportOption) || parser.isSet(kImportOption) || parser.isSet(kDiffOption)
        || parser.isSet(kProgramOption) || parser.isSet(QStringLiteral("help"))
        || parser.isSet(QStringLiteral("help-all")) || parser.isSet(QStringLiteral("version"))
        || (parser.isSet(kDriveOption) && !QFileInfo(parser.value(kDriveOption)).isDir()))
        return false;
    driveFolder = parser.isSet(kDriveOption) ? parser.value(kDriveOption) : defaultDriveFolder();
    return true;
}

// Reads the options of the running application. --help, --version and an unknown option print
// their text and end the program; an argument more than the option takes (a FILE, --diff's two), a
// --drive-c folder that does not exist, or a --program that is not 1..4 or goes without --week,
// --check or --export, is reported on standard error and gives nothing.
std::optional<CommandLine> readCommandLine(const QCoreApplication& app)
{
    QCommandLineParser parser;
    addOptions(parser);
    parser.process(app);

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
    else if (parser.isSet(kExportOption))
        options.report = CommandLine::Report::Export;
    else if (parser.isSet(kImportOption))
        options.report = CommandLine::Report::Import;
    else if (parser.isSet(kDiffOption))
        options.report = CommandLine::Report::Diff;
    options.table = parser.value(kImportOption);
    if (parser.isSet(kProgramOption)) {
        bool number = false;
        const int program = parser.value(kProgramOption).toInt(&number);
        if (!number || program < 1 || program > kProgramCount) {
            complain(CommandLineText::tr("--program takes a program number from 1 to 4, not \"%1\"")
                         .arg(parser.value(kProgramOption)));
            return std::nullopt;
        }
        if (options.report != CommandLine::Report::Week && options.report != CommandLine::Report::Check
            && options.report != CommandLine::Report::Export) {
            complain(CommandLineText::tr("--program goes with --week, --check or --export"));
            return std::nullopt;
        }
        options.program = program - 1;
    }
    // The window edits one fixed file; a file named for it would silently not be the one edited.
    const QStringList files = parser.positionalArguments();
    const int allowed = options.report == CommandLine::Report::None ? 0
        : options.report == CommandLine::Report::Diff               ? 2
                                                                    : 1;
    if (files.size() > allowed) {
        complain(CommandLineText::tr("unexpected argument '%1'").arg(files.at(allowed)));
        return std::nullopt;
    }
    if (options.report == CommandLine::Report::Diff && files.size() < 2) {
        complain(CommandLineText::tr("--diff compares two data files"));
        return std::nullopt;
    }
    options.file = files.value(0);
    options.otherFile = files.value(1);
    return options;
}

bool isCutShort(const DataFile::Listing& listing)
{
    return listing.length < kDataFileSize;
}

// A full disk, say: what was written did not arrive whole.
int writeOut(const QByteArray& text)
{
    FileError error;
    if (writeStandardOutput(text.toStdString(), error))
        return kExitOk;
    complain(
        CommandLineText::tr("cannot write the timings: %1").arg(fileFailureReason(error, failureLanguage)));
    return kExitFailure;
}

// The data file at `file`, or the drive's when it is empty: every option that reads or writes a data
// file finds it here, so that a file named on the command line gets the same rules as the drive's.
DataFile dataFile(const QString& driveFolder, const QString& file)
{
    return file.isEmpty() ? DataFile(driveFolder.toStdString())
                          : DataFile::atPath(QFile::encodeName(file).toStdString());
}

// A file that cannot be read is reported on standard error; nothing when it could not. So is a
// file cut short, whose programs past its end are missing from the listing.
std::optional<DataFile::Listing> readListing(const DataFile& file)
{
    DataFile::Listing listing = file.listAllTimings();
    const QString path = QString::fromLocal8Bit(file.filePath().c_str());
    if (listing.failure.kind != FileError::Kind::None) {
        complain(CommandLineText::tr("cannot read %1: %2")
                     .arg(path, fileFailureReason(listing.failure, failureLanguage)));
        return std::nullopt;
    }
    if (isCutShort(listing))
        complain(CommandLineText::tr("%1 is incomplete: %2 bytes instead of %3")
                     .arg(path)
                     .arg(listing.length)
                     .arg(kDataFileSize));
    return listing;
}

// The status once a listing was written: a failure to write it, or a file cut short.
int statusAfter(const DataFile::Listing& listing, int written)
{
    return written == kExitOk && isCutShort(listing) ? kExitFindings : written;
}

int printTimings(const CommandLine& options)
{
    const std::optional<DataFile::Listing> listing = readListing(dataFile(options.driveFolder, options.file));
    if (!listing)
        return kExitFailure;
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
    return statusAfter(*listing, writeOut(text));
}

int writeWeek(const CommandLine& options, bool findings)
{
    const std::optional<DataFile::Listing> listing = readListing(dataFile(options.driveFolder, options.file));
    if (!listing)
        return kExitFailure;
    const int program = options.program >= 0 ? options.program : listing->runProgram;
    const WeekReview review = reviewWeek(listing->programs, program, listing->runProgram);
    QByteArray text;
    if (!findings) {
        for (const WeekEvent& event : review.week.events)
            text += QByteArray::fromStdString(weekLine(event)) + '\n';
        return statusAfter(*listing, writeOut(text));
    }
    for (const Finding& finding : review.findings)
        text += QByteArray::fromStdString(findingLine(finding)) + '\n';
    const int written = statusAfter(*listing, writeOut(text));
    return written == kExitOk && !passes(review.findings) ? kExitFindings : written;
}

int exportTimings(const CommandLine& options)
{
    const std::optional<DataFile::Listing> listing = readListing(dataFile(options.driveFolder, options.file));
    if (!listing)
        return kExitFailure;
    const std::optional<int> program =
        options.program >= 0 ? std::optional<int>(options.program) : std::nullopt;
    return statusAfter(*listing,
                       writeOut(QByteArray::fromStdString(exportTable(listing->programs, program))));
}

int diffFiles(const CommandLine& options)
{
    const std::optional<DataFile::Listing> a = readListing(dataFile(options.driveFolder, options.file));
    const std::optional<DataFile::Listing> b = readListing(dataFile(options.driveFolder, options.otherFile));
    if (!a || !b)
        return kExitFailure;
    const ScheduleDiff diff = diffSchedules(*a, *b);
    QByteArray text;
    for (const std::string& line : diff.lines)
        text += QByteArray::fromStdString(line) + '\n';
    const int written = statusAfter(*b, statusAfter(*a, writeOut(text)));
    return written == kExitOk && diff.differs() ? kExitFindings : written;
}

// The table's bytes; nothing, and the reason on standard error, when it cannot be read.
std::optional<std::string> readTable(const QString& path)
{
    std::FILE* file = std::fopen(QFile::encodeName(path).constData(), "rb");
    int failure = file ? 0 : errno;
    std::string bytes;
    if (file) {
        char block[1 << 16];
        std::size_t read = 0;
        while ((read = std::fread(block, 1, sizeof block, file)) > 0)
            bytes.append(block, read);
        failure = std::ferror(file) ? errno : 0;
        std::fclose(file);
    }
    if (!failure)
        return bytes;
    complain(CommandLineText::tr("cannot read %1: %2")
                 .arg(path, fileFailureReason(FileError::fromErrno(failure), failureLanguage)));
    return std::nullopt;
}

// The file as it is, or an empty set when there is none yet; nothing, and the reason on standard
// error, when it cannot be used: an import into a file cut short would fill in what it lacks.
std::optional<std::vector<std::uint8_t>> currentImage(DataFile& file)
{
    const QString path = QString::fromLocal8Bit(file.filePath().c_str());
    const DataFile::Listing listing = file.listAllTimings();
    if (listing.failure.kind == FileError::Kind::Missing)
        return DataFile::emptyImage(0);
    std::vector<std::uint8_t> image;
    FileError error = listing.failure;
    if (!error.failed())
        error = file.readImage(image);
    if (error.failed()) {
        complain(
            CommandLineText::tr("cannot read %1: %2").arg(path, fileFailureReason(error, failureLanguage)));
        return std::nullopt;
    }
    if (image.size() < std::size_t(kDataFileSize)) {
        complain(CommandLineText::tr("%1 is incomplete: %2 bytes instead of %3")
                     .arg(path)
                     .arg(image.size())
                     .arg(kDataFileSize));
        return std::nullopt;
    }
    return image;
}

int storedProgram(const std::vector<std::uint8_t>& image)
{
    return image[DataFileHeader::kProgramIndexOffset];
}

// Every fault of a refused table, a line each, and that nothing changed.
void reportFaults(const QString& table, const std::vector<TableFault>& faults, const QString& path)
{
    for (const TableFault& fault : faults) {
        QString text = CommandLineText::tr("%1, line %2").arg(table).arg(fault.line);
        if (!fault.column.empty())
            text += CommandLineText::tr(", column %1").arg(QString::fromStdString(fault.column));
        if (!fault.value.empty())
            text += CommandLineText::tr(", value \"%1\"").arg(QString::fromStdString(fault.value));
        complain(text + CommandLineText::tr(": %1").arg(QString::fromStdString(fault.reason)));
    }
    complain(CommandLineText::tr("nothing was imported: %1 is unchanged").arg(path));
}

// Through the session the window uses: the file is held from the first read to the last write,
// replaced whole, put on the device and checked to be still in its place.
int importTimings(const CommandLine& options)
{
    const std::optional<std::string> table = readTable(options.table);
    DataFile file = dataFile(options.driveFolder, options.file);
    const QString path = QString::fromLocal8Bit(file.filePath().c_str());
    const auto cannotWrite = [&path](const FileError& error) {
        complain(
            CommandLineText::tr("cannot write %1: %2").arg(path, fileFailureReason(error, failureLanguage)));
        return kExitFailure;
    };
    std::optional<std::vector<std::uint8_t>> image = table ? currentImage(file) : std::nullopt;
    if (!image)
        return kExitFailure;
    const TableWording wording =
        failureLanguage == FailureLanguage::Chinese ? TableWording::Chinese : TableWording::English;
    // Refused before anything is created, and read again once the file is held.
    TableImport imported = importTable(*image, *table, wording);
    if (!imported.refused()) {
        const DataFile::OpenResult opened = file.OpenDataFile(storedProgram(*image));
        if (!opened.opened())
            return cannotWrite(opened.error);
        const FileError error = file.readImage(*image);
        if (error.failed())
            return cannotWrite(error);
        imported = importTable(*image, *table, wording);
    }
    if (imported.refused()) {
        reportFaults(options.table, imported.faults, path);
        return kExitFailure;
    }
    FileError error;
    if (imported.image != *image) {
        ScheduleStep step;
        step.fileBefore = *image;
        step.fileAfter = imported.image;
        error = file.apply(std::move(step));
    }
    const DataFile::CloseResult closed = file.SaveProgramIndex(storedProgram(imported.image));
    if (!error.failed())
        error = closed.error;
    return error.failed() ? cannotWrite(error) : kExitOk;
}

// --print (every program that has timings, under the check list's title, one line per timing
// with the check list's cells separated by tabs), --week or --check, as the command line asks.
int writeReport(const CommandLine& options)
{
    switch (options.report) {
    case CommandLine::Report::Week: return writeWeek(options, false);
    case CommandLine::Report::Check: return writeWeek(options, true);
    case CommandLine::Report::Export: return exportTimings(options);
    case CommandLine::Report::Import: return importTimings(options);
    case CommandLine::Report::Diff: return diffFiles(options);
    default: return printTimings(options);
    }
}
}  // namespace

std::optional<int> runWithoutWindow(int argc, char* argv[], QString& driveFolder)
{
    if (opensWindow(argc, argv, driveFolder))
        return std::nullopt;
    // No platform plugin and no display from here on. A reader of standard output that goes away
    // is a failure to report, not the end of the program.
    std::signal(SIGPIPE, SIG_IGN);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quennet"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
    failureLanguage = installCommandLineTranslations(app, QLocale::system()) ? FailureLanguage::Chinese
                                                                             : FailureLanguage::English;
    const std::optional<CommandLine> options = readCommandLine(app);
    return options ? writeReport(*options) : kExitFailure;
}

}  // namespace quennet
