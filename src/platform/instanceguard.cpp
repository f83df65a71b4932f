#include "platform/instanceguard.h"

#include "platform/instancechannel.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace {

// A request as it travels between copies: a fixed word, the same in every version.
constexpr struct
{
    InstanceGuard::Request request;
    const char *line;
} requestLines[] = {{InstanceGuard::Request::LogCraving, "log-craving"},
                    {InstanceGuard::Request::CravingNow, "craving-now"}};

// The user's runtime folder: $XDG_RUNTIME_DIR, or where that is unset or not
// fit, a folder of the user's own in the temporary folder, made when missing.
// Qt takes either only when it is a real folder of this user's that nobody
// else may enter. Where neither is, someone else holds the place, and a lock
// there would be theirs to plant or to remove: the lock then goes beside the
// files it guards. Only whoever may change those files can put one there, so
// nobody else can keep the user out, and two copies over the same files still
// find each other.
QString lockFolderFor(const QString &guardedFolder)
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? guardedFolder : runtime;
}

} // namespace

LockFileInstanceGuard::LockFileInstanceGuard(const QString &guardedFolder, const QString &lockFolder)
{
    const QString folder = lockFolder.isEmpty() ? lockFolderFor(guardedFolder) : lockFolder;
    if (!QFileInfo::exists(folder) && QDir().mkpath(folder))
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QString canonical = QFileInfo(guardedFolder).canonicalFilePath();
    if (canonical.isEmpty())
        canonical = QFileInfo(guardedFolder).absoluteFilePath();
    const QByteArray digest = QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    const QString name = QDir(folder).filePath(QStringLiteral("clearwind-%1").arg(QString::fromLatin1(digest)));
    m_path = name + QStringLiteral(".lock");
    m_socketPath = name + QStringLiteral(".socket");
    m_lock = std::make_unique<QLockFile>(m_path);
    // Never treat a live owner's lock as stale, however old it is.
    m_lock->setStaleLockTime(0);
}

LockFileInstanceGuard::~LockFileInstanceGuard() = default;

bool LockFileInstanceGuard::acquire()
{
    if (m_lock->isLocked())
        return true;
    if (!m_lock->tryLock(0))
        return false;
    // Without a channel the program runs all the same; a later copy then says
    // that this one runs, as it always has.
    m_listener = std::make_unique<InstanceChannelListener>([this](const QByteArray &line) { return take(line); });
    m_listener->listen(m_socketPath);
    return true;
}

bool LockFileInstanceGuard::pass(Request request)
{
    for (const auto &known : requestLines) {
        if (known.request == request)
            return instancechannel::send(m_socketPath, known.line);
    }
    return false;
}

bool LockFileInstanceGuard::take(const QByteArray &line)
{
    for (const auto &known : requestLines) {
        if (line == known.line) {
            emit requested(known.request);
            return true;
        }
    }
    return false;
}
