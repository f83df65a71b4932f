#include "platform/instanceguard.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <unistd.h>

LockFileInstanceGuard::LockFileInstanceGuard(const QString &programFolder, const QString &lockFolder)
{
    QString folder = lockFolder;
    // The user's runtime folder where the session has one; otherwise a folder
    // of the user's own under the temporary folder, as the session would give.
    if (folder.isEmpty() && qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
        folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::temp().filePath(QStringLiteral("clearwind-runtime-%1").arg(QString::number(getuid())));
    if (QDir().mkpath(folder))
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QString canonical = QFileInfo(programFolder).canonicalFilePath();
    if (canonical.isEmpty())
        canonical = QFileInfo(programFolder).absoluteFilePath();
    const QByteArray digest = QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    m_path = QDir(folder).filePath(QStringLiteral("clearwind-%1.lock").arg(QString::fromLatin1(digest)));
    m_lock = std::make_unique<QLockFile>(m_path);
    // Never treat a live owner's lock as stale, however old it is.
    m_lock->setStaleLockTime(0);
}

LockFileInstanceGuard::~LockFileInstanceGuard() = default;

bool LockFileInstanceGuard::acquire()
{
    if (m_lock->isLocked())
        return true;
    return m_lock->tryLock(0);
}
