// The yardstick: a bare Qt window of the program's size, built with the same
// compiler and flags. The program's start-up time and memory are measured
// against it.
//   bench_bare_window            the empty window
//   bench_bare_window --ticking  the least a counter must do: every second one
//                                large number and the window title change

#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QTimer>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(800, 600);

    // Made only when asked for, so the empty window stays empty.
    QTimer second;
    if (application.arguments().contains(QStringLiteral("--ticking"))) {
        auto *number = new QLabel(QStringLiteral("00"), &window);
        QFont big = number->font();
        big.setPointSizeF(big.pointSizeF() * 3.2);
        big.setBold(true);
        number->setFont(big);
        number->setAlignment(Qt::AlignCenter);
        number->setAutoFillBackground(true);
        number->setGeometry(340, 270, 120, 60);
        QObject::connect(&second, &QTimer::timeout, number, [number, &window] {
            number->setText(QString::number(QTime::currentTime().second()));
            window.setWindowTitle(QStringLiteral("Bare window ") + QDateTime::currentDateTime().toString());
        });
        second.start(1000);
    }
    window.show();
    return application.exec();
}
