#include "AppSetup.h"
#include "CommandLine.h"
#include "QtDialogs.h"
#include "TForm1.h"
#include "TimingDocument.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    tavisto::TimingDocument::startUp();
    QString fileToOpen;
    if (const std::optional<int> status = tavisto::runWithoutWindow(argc, argv, fileToOpen))
        return *status;

    QApplication app(argc, argv);
    tavisto::setUpApplication();
    tavisto::QtDialogs dialogs;
    tavisto::TForm1 window(dialogs);
    window.show();
    if (!fileToOpen.isEmpty())
        window.openFile(fileToOpen);
    return QApplication::exec();
}
