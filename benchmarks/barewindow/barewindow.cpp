// The yardstick: a bare Qt window of the program's size, built with the same
// compiler and flags. The program's start-up time and memory are measured
// against it.

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(800, 600);
    window.show();
    return application.exec();
}
