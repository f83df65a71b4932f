// What the channel between copies costs a start: the bare window listening on
// a socket of the user's, once through the program's own channel and once
// through QtNetwork's QLocalServer, built as two programs.
//   bench_channel_own       the program's channel (POSIX and QSocketNotifier)
//   bench_channel_qtnetwork QLocalServer, for the user alone

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QWidget>

#ifdef CHANNEL_QTNETWORK
#include <QLocalServer>
#include <QLocalSocket>
#else
#include "platform/instancechannel.h"
#endif

#include <unistd.h>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const QString socket = QDir(qEnvironmentVariable("XDG_RUNTIME_DIR", QDir::tempPath()))
                               .filePath(QStringLiteral("bench-channel-%1.socket").arg(QString::number(getpid())));
#ifdef CHANNEL_QTNETWORK
    QLocalServer channel;
    channel.setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(&channel, &QLocalServer::newConnection, &channel,
                     [&channel] { delete channel.nextPendingConnection(); });
    if (!channel.listen(socket))
        return 1;
#else
    InstanceChannelListener channel([](const QByteArray &) { return true; });
    if (!channel.listen(socket))
        return 1;
#endif
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(800, 600);
    window.show();
    const int ended = application.exec();
    QFile::remove(socket);
    return ended;
}
