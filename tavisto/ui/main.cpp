#include "AppSetup.h"
#include "QtDialogs.h"
#include "TForm1.h"

#include <QApplication>
#include <QCommandLineParser>
#include <csignal>

int main(int argc, char* argv[])
{
    // A write beyond the file size limit must fail and be reported, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    tavisto::setUpApplication();
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The timing file to open."),
                                 QStringLiteral("[FILE]"));
    parser.process(app);

    tavisto::QtDialogs dialogs;
    tavisto::TForm1 window(dialogs);
    window.show();
    if (!parser.positionalArguments().isEmpty())
        window.openFile(parser.positionalArguments().constFirst());
    return QApplication::exec();
}
