#include "platform/datalayout.h"

#include <QDir>
#include <QFileInfo>

DataLayout findDataLayout(const QString &programFolder, const QString &xdgDataHome, const QString &home)
{
    const QDir folder(programFolder);
    const QString beside = folder.filePath(QStringLiteral("data"));
    const QString shared = QDir::cleanPath(folder.filePath(QStringLiteral("../share/clearwind")));
    const bool installed =
        !QFileInfo(beside).isDir() && folder.dirName() == QLatin1String("bin") && QFileInfo(shared).isDir();
    if (!installed)
        return {false, beside, beside, QString(), QDir::cleanPath(programFolder)};
    // The base-directory rules ignore a relative XDG_DATA_HOME.
    const QString dataHome =
        QDir::isAbsolutePath(xdgDataHome) ? xdgDataHome : QDir(home).filePath(QStringLiteral(".local/share"));
    return {true, shared, QDir::cleanPath(dataHome + QStringLiteral("/clearwind")),
            QDir::cleanPath(folder.filePath(QStringLiteral("../lib/clearwind/data"))),
            QDir::cleanPath(folder.filePath(QStringLiteral("../lib/clearwind")))};
}
