#include "CommandLine.h"

#include "AppSetup.h"
#include "FileFailureText.h"
#include "FindingText.h"
#include "ScheduleDiff.h"
#include "ScheduleTable.h"
#include "ScheduleText.h"
#include "TimingDocument.h"
#include "WeekText.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <cstdio>

namespace tavisto {

namespace {

// The command line's own words: English here, Chinese in resources/tavisto_zh_CN.ts.
struct CommandLineText {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

const QString kPrintOption = QStringLiteral("print");
const QString kWeekOption = QStringLiteral("week");
const QString kCheckOption = QStringLiteral("check");
const QString kProgramOption = QStringLiteral("program");
const QString kExportOption = QStringLiteral("export");
const QString kImportOption = QStringLiteral("import");
const QString kDiffOption = QStringLiteral("diff");
// The options that do their work without a window; one at a time.
const QString kOutputOptions[] = {kPrintOption,  kWeekOption,   kCheckOption,
                                  kExportOption, kImportOption, kDiffOption};

// Qt's own options for the window (-style Fusion, -platform xcb, ...): QApplication takes them.
void acceptQtOptions(QCommandLineParser& parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char* name :
         {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
          "qwindowtitle", "session", "display", "geometry", "style", "stylesheet", "title"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// The texts are those of the translations installed when it runs.
void setUp(QCommandLineParser& parser)
{
    acceptQtOptions(parser);
    parser.setApplicationDescription(
        CommandLineText::tr("Timing editor of the RX-5 MP3 player's .mtf files."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QString file = CommandLineText::tr("FILE");
    parser.addOption({kPrintOption,
                      CommandLineText::tr("Write the schedule in FILE to standard output, one line per "
                                          "used timing, and exit. Needs no display."),
                      file});
    parser.addOption({kWeekOption,
                      CommandLineText::tr("Write the week the player runs from FILE to standard output, one "
                                          "line per event, and exit. Needs no display."),
                      file});
    parser.addOption(
        {kCheckOption,
         CommandLineText::tr("Check the week of FILE, one line per finding, and exit: 0 when there are "
                             "only notes or nothing, 2 when there is a clash, an invalid timing or one "
                             "that cannot play, or FILE holds what --print reports, 1 when FILE cannot "
                             "be read."),
         file});
    parser.addOption({kExportOption,
                      CommandLineText::tr("Write the timings of FILE to standard output as a table for "
                                          "spreadsheets (CSV: UTF-8, commas), one row per timing, and exit."),
                      file});
    parser.addOption(
        {kImportOption,
         CommandLineText::tr("Import the table CSV into FILE (made as a new set when it does not exist) "
                             "and exit: all or nothing, every bad row told on standard error. 0 when "
                             "imported, 1 when refused or not written."),
         QStringLiteral("CSV")});
    parser.addOption({kDiffOption,
                      CommandLineText::tr(
                          "Compare what the player does with FILE and with the second file given, and exit: "
                          "lines only the first has start with \"- \", lines only the second has with \"+ "
                          "\". 0 when nothing differs, 2 when something does, 1 when a file cannot be read."),
                      file});
    parser.addOption(
        {kProgramOption,
         CommandLineText::tr("With --week or --check: the standard program N (1 to 4) instead of "
                             "the one the player runs; with --export: only its timings."),
         QStringLiteral("N")});
    parser.addPositionalArgument(file, CommandLineText::tr("The timing file to open."),
                                 CommandLineText::tr("[FILE]"));
}

// "tavisto: " and the message, on standard error.
void complain(const QString& message)
{
    std::fprintf(stderr, "tavisto: %s\n", message.toLocal8Bit().constData());
}

// Reads FILE without taking it from a program that holds it; says why on standard error when it cannot.
// `findings`: what in it no timing file written by this program holds.
bool readForOutput(const QString& path, FindingLanguage language, TimingSet& timings,
                   std::vector<TimingFileFinding>& findings)
{
    if (const FileError error =
            TimingDocument::peek(QFile::encodeName(path).toStdString(), timings, findings)) {
        complain(CommandLineText::tr("cannot read %1: %2").arg(path, fileFailureReason(error, language)));
        return false;
    }
    return true;
}

// What in FILE no timing file holds, on standard error after the output: a damaged or foreign file
// is never passed as a sound one. Gives the exit status.
int withFileFindings(int status, const QString& path, const std::vector<TimingFileFinding>& findings,
                     FindingLanguage language)
{
    if (status == kExitFailure)
        return status;
    for (const TimingFileFinding& finding : findings)
        complain(QStringLiteral("%1: %2").arg(path, findingText(finding, language)));
    return findings.empty() ? status : kExitFindings;
}

// The bytes on standard output; false (said on standard error) when they did not arrive whole.
bool writeOutput(const QByteArray& text)
{
    QFile out;
    if (out.open(stdout, QIODevice::WriteOnly) && out.write(text) == text.size() && out.flush())
        return true;
    // A full disk, say.
    complain(CommandLineText::tr("cannot write the output: %1").arg(out.errorString()));
    return false;
}

// The lines, each ended by a newline.
bool writeLines(const QStringList& lines)
{
    QByteArray text;
    for (const QString& line : lines)
        text += line.toUtf8() + '\n';
    return writeOutput(text);
}

// The standard program of --program, 0 when not given; nothing (said on standard error) when it is
// no number 1..4.
std::optional<int> programOption(const QCommandLineParser& parser)
{
    if (!parser.isSet(kProgramOption))
        return 0;
    bool number = false;
    const int program = parser.value(kProgramOption).toInt(&number);
    if (!number || program < 1 || program > kProgramCount) {
        complain(CommandLineText::tr("--program takes a number from 1 to 4"));
        return std::nullopt;
    }
    return program;
}

// --export: the table on standard output; what does not look like a timing file on standard error.
int exportSchedule(const QCommandLineParser& parser, FindingLanguage language)
{
    const std::optional<int> program = programOption(parser);
    if (!program)
        return kExitFailure;
    const QString path = parser.value(kExportOption);
    TimingSet timings;
    std::vector<TimingFileFinding> findings;
    if (!readForOutput(path, language, timings, findings))
        return kExitFailure;
    const bool written = writeOutput(QByteArray::fromStdString(exportTable(timings, *program)));
    return withFileFindings(written ? kExitOk : kExitFailure, path, findings, language);
}

// --diff: the lines only one file has; what does not look like a timing file on standard error.
int diffFiles(const QString& first, const QString& second, FindingLanguage language)
{
    TimingSet sets[2];
    std::vector<TimingFileFinding> findings[2];
    const QString paths[2] = {first, second};
    for (int i = 0; i < 2; ++i)
        if (!readForOutput(paths[i], language, sets[i], findings[i]))
            return kExitFailure;
    for (int i = 0; i < 2; ++i)
        for (const TimingFileFinding& finding : findings[i])
            complain(QStringLiteral("%1: %2").arg(paths[i], findingText(finding, language)));
    const ScheduleDiff diff = diffSchedules(sets[0], sets[1]);
    QStringList lines;
    for (const std::string& line : diff.lines)
        lines << QString::fromStdString(line);
    if (!writeLines(lines))
        return kExitFailure;
    return diff.differs() ? kExitFindings : kExitOk;
}

// --import: the table read into FILE through the same steps as a save in the window: the file held
// and locked, the whole image replaced at once. A FILE that is not there yet is a new set.
int importTableInto(const QString& csvPath, const QString& path, FindingLanguage language)
{
    std::vector<std::uint8_t> csv;
    FileError error = TimingFile::peek(QFile::encodeName(csvPath).toStdString(), kLargestTable, csv);
    if (error) {
        complain(CommandLineText::tr("cannot read %1: %2").arg(csvPath, fileFailureReason(error, language)));
        return kExitFailure;
    }
    const std::string bytes(csv.begin(), csv.end());
    const std::string systemPath = QFile::encodeName(path).toStdString();
    TimingDocument document;
    TimingSet timings;
    if (QFileInfo(path).exists()) {
        // A file that is no timing file is not overwritten by one.
        TimingSet looked;
        std::vector<TimingFileFinding> findings;
        if (!TimingDocument::peek(systemPath, looked, findings)
            && std::any_of(findings.begin(), findings.end(), [](const TimingFileFinding& f) {
                   return f.kind == TimingFileFinding::Kind::Short;
               })) {
            complain(CommandLineText::tr("%1 is not a timing file; nothing was imported").arg(path));
            return kExitFailure;
        }
        if ((error = document.open(systemPath, timings))) {
            complain(CommandLineText::tr("cannot open %1: %2").arg(path, fileFailureReason(error, language)));
            return kExitFailure;
        }
    } else {
        document.newFile(timings);
        if ((error = document.takePath(systemPath))) {
            complain(
                CommandLineText::tr("cannot create %1: %2").arg(path, fileFailureReason(error, language)));
            return kExitFailure;
        }
    }
    const TableImport imported = importTable(
        timings, bytes, language == FindingLanguage::Chinese ? TableWording::Chinese : TableWording::English);
    if (imported.refused()) {
        for (const TableFault& fault : imported.faults) {
            QString text = CommandLineText::tr("%1, line %2").arg(csvPath).arg(fault.line);
            if (!fault.column.empty())
                text += CommandLineText::tr(", column %1").arg(QString::fromStdString(fault.column));
            if (!fault.value.empty())
                text += CommandLineText::tr(", value \"%1\"").arg(QString::fromStdString(fault.value));
            complain(text + CommandLineText::tr(": %1").arg(QString::fromStdString(fault.reason)));
        }
        complain(CommandLineText::tr("nothing was imported into %1").arg(path));
        return kExitFailure;
    }
    if ((error = document.save(*imported.set))) {
        complain(CommandLineText::tr("cannot save %1: %2").arg(path, fileFailureReason(error, language)));
        return kExitFailure;
    }
    return kExitOk;
}

// The schedule on standard output; what does not look like a timing file on standard error.
int printSchedule(const QString& path, FindingLanguage language)
{
    TimingSet timings;
    std::vector<TimingFileFinding> findings;
    if (!readForOutput(path, language, timings, findings))
        return kExitFailure;
    return withFileFindings(writeLines(scheduleLines(timings)) ? kExitOk : kExitFailure, path, findings,
                            language);
}

// --week and --check: the week of one standard program, as events or as findings; what does not
// look like a timing file on standard error, as --print tells it.
int printWeek(const QCommandLineParser& parser, FindingLanguage language)
{
    const bool check = parser.isSet(kCheckOption);
    TimingSet timings;
    const std::optional<int> chosen = programOption(parser);
    if (!chosen)
        return kExitFailure;
    const int program = *chosen;
    const QString path = parser.value(check ? kCheckOption : kWeekOption);
    std::vector<TimingFileFinding> oddities;
    if (!readForOutput(path, language, timings, oddities))
        return kExitFailure;
    const WeekReview review = reviewWeek(timings, program ? program : playedProgram(timings));
    QStringList lines;
    if (!check) {
        for (const WeekEvent& event : review.week.events)
            lines << QString::fromStdString(weekLine(event));
        return withFileFindings(writeLines(lines) ? kExitOk : kExitFailure, path, oddities, language);
    }
    for (const Finding& finding : review.findings)
        lines << QString::fromStdString(findingLine(finding));
    if (!writeLines(lines))
        return kExitFailure;
    return withFileFindings(passes(review.findings) ? kExitOk : kExitFindings, path, oddities, language);
}

// Whether the arguments ask for the window, opening `fileToOpen` if they name one.
bool opensWindow(int argc, char* argv[], QString& fileToOpen)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    setUp(parser);
    if (!parser.parse(arguments) || parser.isSet(QStringLiteral("help"))
        || parser.isSet(QStringLiteral("help-all")) || parser.isSet(QStringLiteral("version"))
        || std::any_of(std::begin(kOutputOptions), std::end(kOutputOptions),
                       [&](const QString& option) { return parser.isSet(option); })
        || parser.isSet(kProgramOption) || parser.positionalArguments().size() > 1)
        return false;
    fileToOpen = parser.positionalArguments().value(0);
    return true;
}

}  // namespace

std::optional<int> runWithoutWindow(int argc, char* argv[], QString& fileToOpen)
{
    if (opensWindow(argc, argv, fileToOpen))
        return std::nullopt;
    // No platform plugin and no display from here on.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tavisto"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
    const FindingLanguage language = installCommandLineTranslations(app, QLocale::system())
        ? FindingLanguage::Chinese
        : FindingLanguage::English;
    QCommandLineParser parser;
    setUp(parser);
    parser.process(app);  // help, version and errors end here
    const auto outputs = std::count_if(std::begin(kOutputOptions), std::end(kOutputOptions),
                                       [&](const QString& option) { return parser.isSet(option); });
    // --import and --diff take a second file, the others none.
    const bool twoFiles = parser.isSet(kImportOption) || parser.isSet(kDiffOption);
    const QStringList files = parser.positionalArguments();
    QString misuse;
    if (outputs > 1)
        misuse = CommandLineText::tr(
            "--print, --week, --check, --export, --import and --diff are used one at a time");
    else if (twoFiles && files.size() != 1)
        misuse = parser.isSet(kImportOption)
            ? CommandLineText::tr("--import CSV takes the timing FILE to import into")
            : CommandLineText::tr("--diff takes two timing files");
    else if (!twoFiles && !files.isEmpty())
        misuse = outputs == 1
            ? CommandLineText::tr("--print, --week, --check and --export take no other file")
            : CommandLineText::tr("only one FILE can be opened");
    else if (parser.isSet(kProgramOption) && !parser.isSet(kWeekOption) && !parser.isSet(kCheckOption)
             && !parser.isSet(kExportOption))
        misuse = CommandLineText::tr("--program goes with --week, --check or --export");
    if (!misuse.isEmpty()) {
        complain(misuse);
        return kExitFailure;
    }
    if (parser.isSet(kPrintOption))
        return printSchedule(parser.value(kPrintOption), language);
    if (parser.isSet(kExportOption))
        return exportSchedule(parser, language);
    if (parser.isSet(kImportOption))
        return importTableInto(parser.value(kImportOption), files.constFirst(), language);
    if (parser.isSet(kDiffOption))
        return diffFiles(parser.value(kDiffOption), files.constFirst(), language);
    return printWeek(parser, language);
}

}  // namespace tavisto
