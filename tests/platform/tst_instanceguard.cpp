#include "platform/instanceguard.h"

#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Two real processes competing for the lock of one program folder.
class InstanceGuardTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void secondCopyOfSameFolderIsRefused();
    void copiesOfDifferentFoldersRunSideBySide();
    void lockOfKilledCopyDoesNotBlockNextStart();
    void requestReachesRunningCopy_data();
    void requestReachesRunningCopy();

private:
    QString startProbe(QProcess &process, const QString &programFolder, const QStringList &more = {});
    static QString nextLine(QProcess &process);

    QTemporaryDir m_root;
    QString m_lockFolder;
};

void InstanceGuardTest::init()
{
    m_lockFolder = m_root.filePath(QStringLiteral("runtime-%1").arg(QTest::currentTestFunction()));
}

QString InstanceGuardTest::startProbe(QProcess &process, const QString &programFolder, const QStringList &more)
{
    process.start(QStringLiteral(INSTANCE_PROBE), QStringList{programFolder, m_lockFolder} + more);
    if (!process.waitForStarted(10000))
        return QStringLiteral("no answer");
    return nextLine(process);
}

QString InstanceGuardTest::nextLine(QProcess &process)
{
    if (!process.canReadLine() && !process.waitForReadyRead(10000))
        return QStringLiteral("no answer");
    return QString::fromLatin1(process.readLine()).trimmed();
}

void InstanceGuardTest::secondCopyOfSameFolderIsRefused()
{
    QProcess first;
    QProcess second;
    QCOMPARE(startProbe(first, m_root.filePath("a")), QStringLiteral("acquired"));
    QCOMPARE(startProbe(second, m_root.filePath("a")), QStringLiteral("refused"));
    QVERIFY(second.waitForFinished(10000));
    // The running copy is untouched and still owns the lock.
    QCOMPARE(first.state(), QProcess::Running);
    QProcess third;
    QCOMPARE(startProbe(third, m_root.filePath("a")), QStringLiteral("refused"));
    QVERIFY(third.waitForFinished(10000));
    first.closeWriteChannel();
    QVERIFY(first.waitForFinished(10000));
}

void InstanceGuardTest::copiesOfDifferentFoldersRunSideBySide()
{
    QProcess first;
    QProcess second;
    QCOMPARE(startProbe(first, m_root.filePath("a")), QStringLiteral("acquired"));
    QCOMPARE(startProbe(second, m_root.filePath("b")), QStringLiteral("acquired"));
    first.closeWriteChannel();
    second.closeWriteChannel();
    QVERIFY(first.waitForFinished(10000));
    QVERIFY(second.waitForFinished(10000));
}

void InstanceGuardTest::lockOfKilledCopyDoesNotBlockNextStart()
{
    QProcess killed;
    QCOMPARE(startProbe(killed, m_root.filePath("a")), QStringLiteral("acquired"));
    killed.kill();
    QVERIFY(killed.waitForFinished(10000));
    QProcess next;
    QCOMPARE(startProbe(next, m_root.filePath("a")), QStringLiteral("acquired"));
    next.closeWriteChannel();
    QVERIFY(next.waitForFinished(10000));
}

void InstanceGuardTest::requestReachesRunningCopy_data()
{
    QTest::addColumn<bool>("olderVersion");
    // The socket of a killed copy lies there: the next owner replaces it.
    QTest::newRow("a copy that listens") << false;
    // A version without the channel: the later copy says it runs, as ever.
    QTest::newRow("a copy of an older version") << true;
}

void InstanceGuardTest::requestReachesRunningCopy()
{
    QFETCH(bool, olderVersion);
    const QString folder = m_root.filePath("a");
    const LockFileInstanceGuard names(folder, m_lockFolder);
    QProcess killed;
    QCOMPARE(startProbe(killed, folder), QStringLiteral("acquired"));
    killed.kill();
    QVERIFY(killed.waitForFinished(10000));
    QProcess owner;
    QLockFile olderCopy(names.lockFilePath());
    if (olderVersion) {
        QVERIFY(olderCopy.tryLock(0));
    } else {
        QCOMPARE(startProbe(owner, folder), QStringLiteral("acquired"));
        QCOMPARE(QFileInfo(names.socketPath()).permissions(),
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    }

    QProcess later;
    QCOMPARE(startProbe(later, folder, {"pass"}), QStringLiteral("refused"));
    QCOMPARE(nextLine(later), olderVersion ? QStringLiteral("not taken") : QStringLiteral("taken"));
    if (!olderVersion)
        QCOMPARE(nextLine(owner), QStringLiteral("heard log-craving"));
    owner.closeWriteChannel();
    QVERIFY(olderVersion || owner.waitForFinished(10000));
}

QTEST_GUILESS_MAIN(InstanceGuardTest)
#include "tst_instanceguard.moc"
