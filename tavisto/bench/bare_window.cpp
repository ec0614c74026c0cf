// The yardstick for Tavisto's start-up and memory: an empty Qt window, shown as soon as possible.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare window"));
    window.resize(600, 440);
    window.show();
    return QApplication::exec();
}
