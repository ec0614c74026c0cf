#include "CommandLine.h"

#include "FindingText.h"
#include "ScheduleText.h"
#include "TimingDocument.h"
#include "WeekText.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <cstdio>

namespace tavisto {

namespace {

const QCommandLineOption
    kPrintOption(QStringLiteral("print"),
                 QStringLiteral("Write the schedule in FILE to standard output, one line per "
                                "used timing, and exit. Needs no display."),
                 QStringLiteral("FILE"));
const QCommandLineOption
    kWeekOption(QStringLiteral("week"),
                QStringLiteral("Write the week the player runs from FILE to standard output, one line "
                               "per event, and exit. Needs no display."),
                QStringLiteral("FILE"));
const QCommandLineOption
    kCheckOption(QStringLiteral("check"),
                 QStringLiteral("Check the week of FILE for clashes and timings that never play, one "
                                "line per finding, and exit: 0 when there is no clash and no timing "
                                "that never plays, 2 when there is, 1 when FILE cannot be read."),
                 QStringLiteral("FILE"));
const QCommandLineOption
    kProgramOption(QStringLiteral("program"),
                   QStringLiteral("With --week or --check: the standard program N (1 to 4) instead of "
                                  "the one the player runs."),
                   QStringLiteral("N"));

constexpr int kFailed = 1;
constexpr int kFindings = 2;  // --check: a clash or a timing that never plays; --print: an odd file

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

void setUp(QCommandLineParser& parser)
{
    acceptQtOptions(parser);
    parser.setApplicationDescription(QStringLiteral("Timing editor of the RX-5 MP3 player's .mtf files."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(kPrintOption);
    parser.addOption(kWeekOption);
    parser.addOption(kCheckOption);
    parser.addOption(kProgramOption);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The timing file to open."),
                                 QStringLiteral("[FILE]"));
}

// Reads FILE without taking it from a program that holds it; says why on standard error when it cannot.
// `findings`: what in it no timing file written by this program holds.
bool readForOutput(const QString& path, TimingSet& timings, std::vector<TimingFileFinding>& findings)
{
    if (const FileError error =
            TimingDocument::peek(QFile::encodeName(path).toStdString(), timings, findings)) {
        std::fprintf(stderr, "tavisto: cannot read %s: %s\n", QFile::encodeName(path).constData(),
                     reasonText(error).c_str());
        return false;
    }
    return true;
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
    std::fprintf(stderr, "tavisto: cannot write the output: %s\n", qPrintable(out.errorString()));
    return false;
}

// The schedule on standard output; what does not look like a timing file on standard error.
int printSchedule(const QString& path)
{
    TimingSet timings;
    std::vector<TimingFileFinding> findings;
    if (!readForOutput(path, timings, findings) || !writeLines(scheduleLines(timings)))
        return kFailed;
    for (const TimingFileFinding& finding : findings)
        std::fprintf(stderr, "tavisto: %s: %s\n", QFile::encodeName(path).constData(),
                     qPrintable(findingText(finding, FindingLanguage::English)));
    return findings.empty() ? 0 : kFindings;
}

// --week and --check: the week of one standard program, as events or as findings.
int printWeek(const QCommandLineParser& parser)
{
    const bool check = parser.isSet(kCheckOption);
    TimingSet timings;
    int program = 0;
    if (parser.isSet(kProgramOption)) {
        bool number = false;
        program = parser.value(kProgramOption).toInt(&number);
        if (!number || program < 1 || program > kProgramCount) {
            std::fprintf(stderr, "tavisto: --program takes a number from 1 to 4\n");
            return kFailed;
        }
    }
    std::vector<TimingFileFinding> oddities;  // the week itself shows what matters of them
    if (!readForOutput(parser.value(check ? kCheckOption : kWeekOption), timings, oddities))
        return kFailed;
    const WeekPlan plan = expandWeek(timings, program ? program : playedProgram(timings));
    QStringList lines;
    if (!check) {
        for (const WeekEvent& event : plan.events)
            lines << QString::fromStdString(weekLine(event));
        return writeLines(lines) ? 0 : kFailed;
    }
    const std::vector<Finding> findings = checkWeek(timings, plan);
    for (const Finding& finding : findings)
        lines << QString::fromStdString(findingLine(finding));
    if (!writeLines(lines))
        return kFailed;
    return passes(findings) ? 0 : kFindings;
}

}  // namespace

std::optional<int> runWithoutWindow(int argc, char* argv[], QString& fileToOpen)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    setUp(parser);
    if (parser.parse(arguments) && !parser.isSet(QStringLiteral("help"))
        && !parser.isSet(QStringLiteral("version")) && !parser.isSet(kPrintOption)
        && !parser.isSet(kWeekOption) && !parser.isSet(kCheckOption) && !parser.isSet(kProgramOption)
        && parser.positionalArguments().size() <= 1) {
        fileToOpen = parser.positionalArguments().value(0);
        return std::nullopt;
    }
    // No platform plugin and no display from here on.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tavisto"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
    parser.process(app);  // help, version and errors end here
    const int outputs =
        int(parser.isSet(kPrintOption)) + int(parser.isSet(kWeekOption)) + int(parser.isSet(kCheckOption));
    const char* misuse = nullptr;
    if (outputs > 1)
        misuse = "--print, --week and --check are used one at a time";
    else if (!parser.positionalArguments().isEmpty())
        misuse =
            outputs == 1 ? "--print, --week and --check take no other file" : "only one FILE can be opened";
    else if (parser.isSet(kProgramOption) && !parser.isSet(kWeekOption) && !parser.isSet(kCheckOption))
        misuse = "--program goes with --week or --check";
    if (misuse) {
        std::fprintf(stderr, "tavisto: %s\n", misuse);
        return kFailed;
    }
    return parser.isSet(kPrintOption) ? printSchedule(parser.value(kPrintOption)) : printWeek(parser);
}

}  // namespace tavisto
