// Quennet: the process lives exactly as long as its modal editor window; --print, --week and --check
// need none.
#include "AppSetup.h"
#include "CommandLine.h"
#include "DataFile.h"
#include "LockedFile.h"
#include "QtDialogs.h"
#include "TimingEditor.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("quennet"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));

    // Without a window no display is needed: no platform plugin is loaded.
    if (quennet::needsNoWindow(arguments)) {
        QCoreApplication app(argc, argv);
        quennet::installCommandLineTranslations(app, QLocale::system());
        const std::optional<quennet::CommandLine> options = quennet::readCommandLine(app);
        return options ? quennet::writeReport(*options) : 1;
    }

    QApplication app(argc, argv);
    quennet::setUpApplication();
    const std::optional<quennet::CommandLine> options = quennet::readCommandLine(app);
    if (!options)
        return 1;
    quennet::DataFile file(options->driveFolder.toStdString(), quennet::systemFileAccess());
    quennet::QtDialogs dialogs;
    quennet::TimingEditor editor(file, dialogs);
    editor.exec();
    return 0;
}
