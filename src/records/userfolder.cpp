#include "records/userfolder.h"

#include "platform/environment.h"
#include "records/datafiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

constexpr QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

// The user's files, as the table of the data folder names them.
QStringList userFilePaths()
{
    QStringList paths;
    for (int i = 0; i < static_cast<int>(datafiles::File::Count); ++i) {
        const datafiles::Entry &row = datafiles::entry(static_cast<datafiles::File>(i));
        if (row.owner == datafiles::Owner::User)
            paths << QString::fromLatin1(row.path);
    }
    return paths;
}

bool holdsAny(const QString &folder, const QStringList &paths)
{
    for (const QString &path : paths) {
        if (QFileInfo::exists(folder + u'/' + path))
            return true;
    }
    return false;
}

// Copies a file, or a folder with everything in it; what is there already stays.
bool copyInto(const QString &from, const QString &to)
{
    const QFileInfo source(from);
    if (!source.isDir())
        return QDir().mkpath(QFileInfo(to).absolutePath()) && (QFileInfo::exists(to) || QFile::copy(from, to));
    bool copied = QDir().mkpath(to);
    QDirIterator files(from, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        copied = copyInto(file, to + u'/' + QDir(from).relativeFilePath(file)) && copied;
    }
    return copied;
}

// Whether a file can be written in the folder, tried for real: a folder can
// look writable on a disk that is full.
QString cannotWrite(const QString &folder)
{
    QTemporaryFile probe(folder + QStringLiteral("/.write-test-XXXXXX"));
    if (!probe.open())
        return probe.errorString();
    if (probe.write("x", 1) != 1 || !probe.flush())
        return probe.errorString();
    return QString();
}

} // namespace

UserFolderReport prepareUserFolder(const Environment &environment, const QString &earlierFolder)
{
    const QString folder = environment.userDataFolder;
    UserFolderReport report;
    if (QFileInfo(folder).exists() && !QFileInfo(folder).isDir()) {
        report.problem = QDir::toNativeSeparators(folder) + QStringLiteral(": ") +
                         QCoreApplication::translate("UserFolder", "it is a file, not a folder.");
        return report;
    }
    if (!QFileInfo::exists(folder) && (!QDir().mkpath(folder) || !QFile::setPermissions(folder, ownerOnly))) {
        report.problem = QDir::toNativeSeparators(folder) + QStringLiteral(": ") +
                         QCoreApplication::translate("UserFolder", "it cannot be created.");
        return report;
    }
    if (const QString reason = cannotWrite(folder); !reason.isEmpty()) {
        report.problem = QDir::toNativeSeparators(folder) + QStringLiteral(": ") + reason;
        return report;
    }

    const QStringList userFiles = userFilePaths();
    if (earlierFolder.isEmpty() || holdsAny(folder, userFiles) || !holdsAny(earlierFolder, userFiles))
        return report;
    bool copied = true;
    for (const QString &path : userFiles) {
        if (QFileInfo::exists(earlierFolder + u'/' + path))
            copied = copyInto(earlierFolder + u'/' + path, folder + u'/' + path) && copied;
    }
    report.copiedFrom = earlierFolder;
    if (!copied)
        report.problem = QDir::toNativeSeparators(folder) + QStringLiteral(": ") +
                         QCoreApplication::translate("UserFolder", "not every file of %1 could be copied there.")
                             .arg(QDir::toNativeSeparators(earlierFolder));
    return report;
}
