#include "Dialogs.h"
#include "Fonts.h"
#include "TForm1.h"
#include "TavistoIcon.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setFont(windowFont());
    QApplication::setWindowIcon(tavisto::tavistoIcon());
    tavisto::QtDialogs dialogs;
    tavisto::TForm1 window(dialogs);
    window.show();
    return QApplication::exec();
}
