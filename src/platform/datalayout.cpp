#include "platform/datalayout.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Where an earlier per-user install under PREFIX kept the user's files: the
// data folder beside its program in PREFIX/lib/clearwind.
QString earlierFolderUnder(const QString &prefix)
{
    return QDir::cleanPath(prefix + QStringLiteral("/lib/clearwind/data"));
}

} // namespace

DataLayout findDataLayout(const QString &programFolder, const QString &xdgDataHome, const QString &home)
{
    const QDir folder(programFolder);
    const QString beside = folder.filePath(QStringLiteral("data"));
    const QString shared = QDir::cleanPath(folder.filePath(QStringLiteral("../share/clearwind")));
    const bool installed =
        !QFileInfo(beside).isDir() && folder.dirName() == QLatin1String("bin") && QFileInfo(shared).isDir();
    if (!installed)
        return {false, beside, beside, {}, QDir::cleanPath(programFolder)};
    // The base-directory rules ignore a relative XDG_DATA_HOME.
    const QString dataHome =
        QDir::isAbsolutePath(xdgDataHome) ? xdgDataHome : QDir(home).filePath(QStringLiteral(".local/share"));
    QStringList earlier{earlierFolderUnder(home + QStringLiteral("/.local")),
                        earlierFolderUnder(folder.filePath(QStringLiteral("..")))};
    earlier.removeDuplicates();
    return {true, shared, QDir::cleanPath(dataHome + QStringLiteral("/clearwind")), earlier,
            QDir::cleanPath(folder.filePath(QStringLiteral("../lib/clearwind")))};
}
