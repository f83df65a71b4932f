#include "platform/instancechannel.h"

#include "platform/logging.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A request is one short line; anything longer is not one of ours.
constexpr qsizetype longestRequest = 64;
// Connections that have not sent their line yet; a new one ends the oldest.
constexpr std::size_t mostWaitingConnections = 4;
const QByteArray answerTaken = QByteArrayLiteral("ok\n");

bool socketAddress(const QString &path, sockaddr_un &address)
{
    const QByteArray encoded = QFile::encodeName(path);
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (encoded.isEmpty() || encoded.size() >= qsizetype(sizeof address.sun_path))
        return false;
    std::memcpy(address.sun_path, encoded.constData(), encoded.size());
    return true;
}

// Waits for the descriptor to become ready for EVENTS, until the deadline.
bool waitFor(int descriptor, short events, const QDeadlineTimer &deadline)
{
    for (;;) {
        pollfd watched{descriptor, events, 0};
        const int ready = ::poll(&watched, 1, int(deadline.remainingTime()));
        if (ready > 0)
            return true;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

bool sameUser(int connection)
{
    ucred peer{};
    socklen_t length = sizeof peer;
    return ::getsockopt(connection, SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0 && peer.uid == ::getuid();
}

} // namespace

bool instancechannel::send(const QString &path, const QByteArray &request, int timeout)
{
    sockaddr_un address;
    if (!socketAddress(path, address))
        return false;
    const int connection = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (connection < 0)
        return false;
    const QDeadlineTimer deadline(timeout);
    bool taken = false;
    if (::connect(connection, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0) {
        const QByteArray line = request + '\n';
        if (::send(connection, line.constData(), line.size(), MSG_NOSIGNAL) == line.size()) {
            QByteArray answer;
            char buffer[16];
            while (answer.size() < answerTaken.size() && waitFor(connection, POLLIN, deadline)) {
                const ssize_t got = ::recv(connection, buffer, sizeof buffer, 0);
                if (got <= 0 && !(got < 0 && (errno == EINTR || errno == EAGAIN)))
                    break;
                if (got > 0)
                    answer.append(buffer, got);
            }
            taken = answer.startsWith(answerTaken);
        }
    }
    ::close(connection);
    return taken;
}

struct InstanceChannelListener::Connection
{
    int descriptor;
    std::unique_ptr<QSocketNotifier> readable;
    QByteArray received;
};

InstanceChannelListener::InstanceChannelListener(std::function<bool(const QByteArray &)> take, QObject *parent)
    : QObject(parent), m_take(std::move(take))
{}

InstanceChannelListener::~InstanceChannelListener()
{
    for (const auto &connection : m_connections) {
        connection->readable.reset();
        ::close(connection->descriptor);
    }
    if (m_socket >= 0) {
        delete m_incoming;
        ::close(m_socket);
        ::unlink(QFile::encodeName(m_path).constData());
    }
}

bool InstanceChannelListener::listen(const QString &path)
{
    sockaddr_un address;
    if (m_socket >= 0)
        return false;
    if (!socketAddress(path, address)) {
        qCWarning(logClearwind, "No channel for later copies: the path is too long for a socket: %s", qPrintable(path));
        return false;
    }
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (socket < 0) {
        qCWarning(logClearwind, "No channel for later copies: no socket: %s", std::strerror(errno));
        return false;
    }
    // Whatever else stands under that name is left alone: then there is no channel.
    struct stat existing;
    if (::lstat(address.sun_path, &existing) == 0 && S_ISSOCK(existing.st_mode))
        ::unlink(address.sun_path);
    // The folder is the user's alone; the socket is made so as well.
    if (::bind(socket, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0 ||
        ::chmod(address.sun_path, S_IRUSR | S_IWUSR) != 0 || ::listen(socket, 8) != 0) {
        qCWarning(logClearwind, "No channel for later copies at %s: %s", address.sun_path, std::strerror(errno));
        ::close(socket);
        return false;
    }
    m_socket = socket;
    m_path = path;
    m_incoming = new QSocketNotifier(socket, QSocketNotifier::Read, this);
    connect(m_incoming, &QSocketNotifier::activated, this, &InstanceChannelListener::acceptConnections);
    return true;
}

void InstanceChannelListener::acceptConnections()
{
    for (;;) {
        const int descriptor = ::accept4(m_socket, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (descriptor < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            return;
        }
        if (!sameUser(descriptor)) {
            ::close(descriptor);
            continue;
        }
        // One that never says anything does not keep the others out for long.
        if (m_connections.size() >= mostWaitingConnections)
            close(m_connections.front().get());
        auto connection = std::make_unique<Connection>();
        connection->descriptor = descriptor;
        connection->readable = std::make_unique<QSocketNotifier>(descriptor, QSocketNotifier::Read);
        Connection *added = connection.get();
        connect(added->readable.get(), &QSocketNotifier::activated, this, [this, added] { readRequest(added); });
        m_connections.push_back(std::move(connection));
    }
}

void InstanceChannelListener::readRequest(Connection *connection)
{
    char buffer[longestRequest];
    const ssize_t got = ::recv(connection->descriptor, buffer, sizeof buffer, 0);
    if (got < 0 && (errno == EINTR || errno == EAGAIN))
        return;
    if (got > 0)
        connection->received.append(buffer, got);
    const qsizetype end = connection->received.indexOf('\n');
    if (end < 0 && got > 0 && connection->received.size() <= longestRequest)
        return;
    // A whole line is a request; anything else, a closed or overlong one, is
    // answered by closing. Whoever takes the request may run an event loop of
    // its own: this connection says nothing more by then.
    connection->readable->setEnabled(false);
    if (end >= 0 && m_take(connection->received.left(end)))
        ::send(connection->descriptor, answerTaken.constData(), answerTaken.size(), MSG_NOSIGNAL);
    close(connection);
}

void InstanceChannelListener::close(Connection *connection)
{
    const auto found = std::find_if(m_connections.begin(), m_connections.end(),
                                    [connection](const auto &held) { return held.get() == connection; });
    if (found == m_connections.end())
        return;
    connection->readable->setEnabled(false);
    ::close(connection->descriptor);
    // Closed from its own notifier's signal: the notifier goes once that is over.
    (*found)->readable.release()->deleteLater();
    m_connections.erase(found);
}
