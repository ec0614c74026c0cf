#include "CommandLine.h"

#include "AppSetup.h"
#include "FileFailureText.h"
#include "FindingText.h"
#include "ScheduleText.h"
#include "TimingDocument.h"
#include "WeekText.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QLocale>
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
    parser.addOption(
        {kProgramOption,
         CommandLineText::tr("With --week or --check: the standard program N (1 to 4) instead of "
                             "the one the player runs."),
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

// The lines, each ended by a newline; false (said on standard error) when they did not arrive whole.
bool writeLines(const QStringList& lines)
{
    QByteArray text;
    for (const QString& line : lines)
        text += line.toUtf8() + '\n';
    QFile out;
    if (out.open(stdout, QIODevice::WriteOnly) && out.write(text) == text.size() && out.flush())
        return true;
    // A full disk, say.
    complain(CommandLineText::tr("cannot write the output: %1").arg(out.errorString()));
    return false;
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
    int program = 0;
    if (parser.isSet(kProgramOption)) {
        bool number = false;
        program = parser.value(kProgramOption).toInt(&number);
        if (!number || program < 1 || program > kProgramCount) {
            complain(CommandLineText::tr("--program takes a number from 1 to 4"));
            return kExitFailure;
        }
    }
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
        || parser.isSet(kPrintOption) || parser.isSet(kWeekOption) || parser.isSet(kCheckOption)
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
    const int outputs =
        int(parser.isSet(kPrintOption)) + int(parser.isSet(kWeekOption)) + int(parser.isSet(kCheckOption));
    QString misuse;
    if (outputs > 1)
        misuse = CommandLineText::tr("--print, --week and --check are used one at a time");
    else if (!parser.positionalArguments().isEmpty())
        misuse = outputs == 1 ? CommandLineText::tr("--print, --week and --check take no other file")
                              : CommandLineText::tr("only one FILE can be opened");
    else if (parser.isSet(kProgramOption) && !parser.isSet(kWeekOption) && !parser.isSet(kCheckOption))
        misuse = CommandLineText::tr("--program goes with --week or --check");
    if (!misuse.isEmpty()) {
        complain(misuse);
        return kExitFailure;
    }
    return parser.isSet(kPrintOption) ? printSchedule(parser.value(kPrintOption), language)
                                      : printWeek(parser, language);
}

}  // namespace tavisto
