#include "CommandLine.h"

#include "ScheduleText.h"
#include "TimingFile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tavisto {

namespace {

const QCommandLineOption
    kPrintOption(QStringLiteral("print"),
                 QStringLiteral("Write the schedule in FILE to standard output, one line per "
                                "used timing, and exit. Needs no display."),
                 QStringLiteral("FILE"));

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
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The timing file to open."),
                                 QStringLiteral("[FILE]"));
}

int printSchedule(const QString& path)
{
    TimingSet timings;
    if (const int error = readTimingFile(QFile::encodeName(path).toStdString(), timings)) {
        std::fprintf(stderr, "%s: cannot read %s: %s\n", qPrintable(QCoreApplication::applicationName()),
                     QFile::encodeName(path).constData(), std::strerror(error));
        return 1;
    }
    const QByteArray text = scheduleLines(timings).join(QLatin1Char('\n')).toUtf8() + '\n';
    if (std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stdout)
            == static_cast<std::size_t>(text.size())
        && std::fflush(stdout) == 0)
        return 0;
    // A full disk, say: the schedule did not arrive whole.
    std::fprintf(stderr, "%s: cannot write the schedule: %s\n",
                 qPrintable(QCoreApplication::applicationName()), std::strerror(errno));
    return 1;
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
        && parser.positionalArguments().size() <= 1) {
        fileToOpen = parser.positionalArguments().value(0);
        return std::nullopt;
    }
    // No platform plugin and no display from here on.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tavisto"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
    parser.process(app);  // help, version and errors end here
    if (!parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "tavisto: %s\n",
                     parser.isSet(kPrintOption) ? "--print takes no other file"
                                                : "only one FILE can be opened");
        return 1;
    }
    return printSchedule(parser.value(kPrintOption));
}

}  // namespace tavisto
