// Quennet: the process lives exactly as long as its modal editor window; --print, --week and --check
// need none.
#include "AppSetup.h"
#include "CommandLine.h"
#include "DataFile.h"
#include "QtDialogs.h"
#include "SystemFiles.h"
#include "TimingEditor.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QString driveFolder;
    if (const std::optional<int> status = quennet::runWithoutWindow(argc, argv, driveFolder))
        return *status;

    QApplication app(argc, argv);
    quennet::setUpApplication();
    quennet::DataFile file(driveFolder.toStdString(), quennet::systemFileAccess());
    quennet::QtDialogs dialogs;
    quennet::TimingEditor editor(file, dialogs);
    editor.exec();
    return quennet::kExitOk;
}
