#include "AppSetup.h"
#include "QtDialogs.h"
#include "TForm1.h"

#include <QApplication>
#include <csignal>

int main(int argc, char* argv[])
{
    // A write beyond the file size limit must fail and be reported, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    tavisto::setUpApplication();
    tavisto::QtDialogs dialogs;
    tavisto::TForm1 window(dialogs);
    window.show();
    return QApplication::exec();
}
