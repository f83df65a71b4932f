#include "platform/datalayout.h"

#include "platform/xdgbase.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Below the prefix, as the build installs them.
const QString binFolder = QStringLiteral(CLEARWIND_BIN_DIR);
const QString shippedFolder = QStringLiteral(CLEARWIND_SHIPPED_DIR);
const QString moduleFolder = QStringLiteral(CLEARWIND_MODULE_DIR);

// Where an earlier per-user install under PREFIX kept the user's files: the
// data folder beside its program, which stood where the modules stand now.
QString earlierFolderUnder(const QString &prefix)
{
    return QDir::cleanPath(prefix + u'/' + moduleFolder + QStringLiteral("/data"));
}

} // namespace

DataLayout findDataLayout(const QString &programFolder, const QString &xdgDataHome, const QString &home)
{
    const QDir folder(programFolder);
    const QString beside = folder.filePath(QStringLiteral("data"));
    const QString prefix = QDir::cleanPath(folder.filePath(QStringLiteral("..")));
    const QString shared = prefix + u'/' + shippedFolder;
    const bool installed = !QFileInfo(beside).isDir() && folder.dirName() == binFolder && QFileInfo(shared).isDir();
    if (!installed)
        return {false, beside, beside, {}, QDir::cleanPath(programFolder)};
    const QString dataHome = xdgbase::folder(xdgDataHome, home, QStringLiteral(".local/share"));
    QStringList earlier{earlierFolderUnder(home + QStringLiteral("/.local")), earlierFolderUnder(prefix)};
    earlier.removeDuplicates();
    return {true, shared, dataHome + QStringLiteral("/clearwind"), earlier, prefix + u'/' + moduleFolder};
}
