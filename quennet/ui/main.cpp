// Quennet: the process lives exactly as long as its modal editor window.
#include "AppIcon.h"
#include "DataFile.h"
#include "QtDialogs.h"
#include "QtTranslations.h"
#include "TimingEditor.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(quennet::appIcon());
    quennet::installQtTranslations(app, QLocale::system());

    // Drive C: is a folder inside the program's data folder.
    const QString drive = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/quennet/drive_c");
    quennet::DataFile file(drive.toStdString());
    quennet::QtDialogs dialogs;
    quennet::TimingEditor editor(file, dialogs);
    editor.exec();
    return 0;
}
