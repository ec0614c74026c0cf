// The yardstick for the programs' start-up and memory: a Qt window with one Chinese label, shown
// as soon as possible. Any window with Chinese text pays for the font database and the first
// glyphs; what a program takes beyond this is its own.

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("定时编辑"));
    window.setWindowTitle(QStringLiteral("bare window"));
    window.resize(600, 440);
    window.show();
    return QApplication::exec();
}
