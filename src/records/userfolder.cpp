#include "records/userfolder.h"

#include "platform/environment.h"
#include "platform/messageservice.h"
#include "records/datafiles.h"
#include "records/recordstexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What became of the folder, for the user to know.
struct UserFolderReport
{
    // Why nothing can be saved in the folder; empty when all is well.
    QString problem;
    // The earlier folder whose files were copied; empty when none were.
    QString copiedFrom;
    // Which files of it could not be copied; empty when all were.
    QString copyProblem;
};

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
    return std::any_of(paths.cbegin(), paths.cend(),
                       [&folder](const QString &path) { return QFileInfo::exists(folder + u'/' + path); });
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

QString notAFolder(const QString &folder)
{
    const QFileInfo info(folder);
    return info.exists() && !info.isDir() ? RecordsTexts::tr("it is a file, not a folder.")
                                          : QString();
}

QString cannotBeMade(const QString &folder)
{
    // Made for the user alone by the check that follows.
    if (QFileInfo::exists(folder) || QDir().mkpath(folder))
        return QString();
    return RecordsTexts::tr("it cannot be created.");
}

// A link to a folder is judged by the folder it leads to: one of the user's
// own, a synced folder say, is as good as the folder itself.
QString notTheUsers(const QString &folder)
{
    struct stat status;
    if (::stat(QFile::encodeName(folder).constData(), &status) != 0 || status.st_uid != ::geteuid())
        return RecordsTexts::tr("it belongs to another user.");
    // Others may have been let in by hand or by an old version. A file system
    // without modes keeps its own: that is no reason to keep nothing.
    QFile::setPermissions(folder, ownerOnly);
    return QString();
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

// What the folder must pass before the program keeps anything there, in order.
constexpr struct
{
    QString (*failure)(const QString &folder);
    bool refuses;
} folderChecks[] = {
    {notAFolder, false},
    {cannotBeMade, false},
    {notTheUsers, true},
    {cannotWrite, false},
};

// Copies the user's files from the first earlier folder that holds any;
// says which could not be copied.
void copyFromEarlierInstall(const QString &folder, const QStringList &earlierFolders, UserFolderReport &report)
{
    const QStringList userFiles = userFilePaths();
    if (holdsAny(folder, userFiles))
        return;
    const auto earlier = std::find_if(earlierFolders.cbegin(), earlierFolders.cend(),
                                      [&userFiles](const QString &earlier) { return holdsAny(earlier, userFiles); });
    if (earlier == earlierFolders.cend())
        return;
    QStringList notCopied;
    for (const QString &path : userFiles) {
        if (QFileInfo::exists(*earlier + u'/' + path) && !copyInto(*earlier + u'/' + path, folder + u'/' + path))
            notCopied << path;
    }
    report.copiedFrom = *earlier;
    if (!notCopied.isEmpty())
        report.copyProblem = RecordsTexts::tr("These could not be copied from %1: %2.")
                                 .arg(QDir::toNativeSeparators(*earlier), notCopied.join(QStringLiteral(", ")));
}

// Says once what the user must know: where the files came from, or what of
// them did not come, and why nothing can be kept.
void tellUser(MessageService &messages, const UserFolderReport &report, const QString &folder)
{
    const QString from = QDir::toNativeSeparators(report.copiedFrom);
    const QString to = QDir::toNativeSeparators(folder);
    if (!report.copyProblem.isEmpty())
        messages.show({RecordsTexts::tr("Not every file of the earlier installation in %1 "
                                                                 "could be copied to %2. The earlier copies stay "
                                                                 "where they were.")
                           .arg(from, to),
                       MessageService::Icon::Warning, QString(), report.copyProblem, nullptr});
    else if (!report.copiedFrom.isEmpty())
        messages.show(RecordsTexts::tr(
                                                  "Your files from the earlier installation in %1 were "
                                                  "copied to %2. The earlier copies stay where they were.")
                          .arg(from, to),
                      MessageService::Icon::Information);
    if (!report.problem.isEmpty())
        messages.show({RecordsTexts::tr("Clearwind cannot keep your files in %1. It runs, but "
                                                                 "nothing you enter will be saved.")
                           .arg(to),
                       MessageService::Icon::Warning, QString(), report.problem, nullptr});
}

} // namespace

void prepareUserFolder(Environment &environment, const QStringList &earlierFolders)
{
    const QString folder = environment.userDataFolder;
    UserFolderReport report;
    for (const auto &check : folderChecks) {
        if (const QString reason = check.failure(folder); !reason.isEmpty()) {
            report.problem = QDir::toNativeSeparators(folder) + QStringLiteral(": ") + reason;
            // Below a device nothing can be read or made, by root neither.
            if (check.refuses)
                environment.userDataFolder = QStringLiteral("/dev/null/clearwind");
            break;
        }
    }
    if (report.problem.isEmpty())
        copyFromEarlierInstall(folder, earlierFolders, report);
    tellUser(*environment.messages, report, folder);
}
