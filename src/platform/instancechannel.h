#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QSocketNotifier;

// The way a copy of the program started later reaches the copy that runs: a
// Unix-domain socket in the file system, for the user alone. The later copy
// sends one line, its request; the running copy answers "ok" when it took it,
// and closes the connection either way. Plain POSIX sockets under a
// QSocketNotifier: start-up does not pay for loading another Qt library.
namespace instancechannel {

// How long a later copy waits for the running copy's answer, in ms.
constexpr int answerTime = 2000;

// Sends REQUEST to the copy listening at PATH. True when that copy took it;
// false when nobody listens there (a copy of an older version, a socket left
// by a killed copy) or no answer came in time.
bool send(const QString &path, const QByteArray &request, int timeout = answerTime);

} // namespace instancechannel

// The running copy's end of the channel.
class InstanceChannelListener : public QObject
{
    Q_OBJECT
public:
    // TAKE is asked about every request that arrives; true answers "ok".
    explicit InstanceChannelListener(std::function<bool(const QByteArray &request)> take, QObject *parent = nullptr);
    ~InstanceChannelListener() override;

    // Listens at PATH. Only the owner of the single-instance lock listens,
    // so a socket already there was left by a copy that was killed: it is
    // replaced. False when the socket cannot be made.
    bool listen(const QString &path);

private:
    struct Connection;
    void acceptConnections();
    void readRequest(Connection *connection);
    void close(Connection *connection);

    std::function<bool(const QByteArray &)> m_take;
    QString m_path;
    int m_socket = -1;
    QSocketNotifier *m_incoming = nullptr;
    std::vector<std::unique_ptr<Connection>> m_connections;
};
