#include "platform/instanceguard.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <pwd.h>
#include <unistd.h>

// Two real processes competing for the lock of one program folder.
class InstanceGuardTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void secondCopyOfSameFolderIsRefused_data();
    void secondCopyOfSameFolderIsRefused();
    void copiesOfDifferentFoldersRunSideBySide();
    void lockOfKilledCopyDoesNotBlockNextStart();
    void requestReachesRunningCopy_data();
    void requestReachesRunningCopy();
    void lockStaysWithTheUser_data();
    void lockStaysWithTheUser();
    void channelThatCannotListenIsLogged();

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

void InstanceGuardTest::secondCopyOfSameFolderIsRefused_data()
{
    QTest::addColumn<QString>("second"); // how the second copy reaches folder "a"
    QTest::newRow("by the same name") << "a";
    QTest::newRow("through a link") << "link to a";
}

void InstanceGuardTest::secondCopyOfSameFolderIsRefused()
{
    QFETCH(QString, second);
    QVERIFY(QDir(m_root.path()).mkpath(QStringLiteral("a")));
    QFile::link(m_root.filePath("a"), m_root.filePath("link to a"));
    QProcess first;
    QProcess secondCopy;
    QCOMPARE(startProbe(first, m_root.filePath("a")), QStringLiteral("acquired"));
    QCOMPARE(startProbe(secondCopy, m_root.filePath(second)), QStringLiteral("refused"));
    QVERIFY(secondCopy.waitForFinished(10000));
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
    // What the later copy sends: "pass" is the guard's own request.
    QTest::addColumn<QString>("request");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("heard");
    // The socket of a killed copy lies there: the next owner replaces it.
    QTest::newRow("a copy that listens") << false << "pass"
                                         << "taken"
                                         << "heard log-craving";
    QTest::newRow("a request it does not know") << false << "log-cravings"
                                                << "not taken"
                                                << "";
    // A version without the channel: the later copy says it runs, as ever.
    QTest::newRow("a copy of an older version") << true << "pass"
                                                << "not taken"
                                                << "";
}

void InstanceGuardTest::requestReachesRunningCopy()
{
    QFETCH(bool, olderVersion);
    QFETCH(QString, request);
    QFETCH(QString, answer);
    QFETCH(QString, heard);
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
    QCOMPARE(startProbe(later, folder, {request}), QStringLiteral("refused"));
    QCOMPARE(nextLine(later), answer);
    QVERIFY(later.waitForFinished(10000));
    if (!olderVersion) {
        owner.closeWriteChannel();
        QVERIFY(owner.waitForFinished(10000));
        QCOMPARE(QString::fromLatin1(owner.readAll()).trimmed(), heard);
    }
}

// The copy runs all the same; whoever hunts the fault finds why no later
// copy reaches it.
void InstanceGuardTest::channelThatCannotListenIsLogged()
{
    // Longer than any socket's address may be.
    const QString deep = m_lockFolder + u'/' + QString(120, u'x');
    QVERIFY(QDir().mkpath(deep));
    LockFileInstanceGuard guard(m_root.filePath(QStringLiteral("program")), deep);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^No channel for later copies: ")));
    QVERIFY(guard.acquire());
}

void InstanceGuardTest::lockStaysWithTheUser_data()
{
    // $XDG_RUNTIME_DIR, under the test's folder; unset when empty.
    QTest::addColumn<QString>("runtimeFolder");
    // Someone made the folder where the user's runtime folder goes when the
    // session has none, open to all, and left there the lock of a copy that runs.
    QTest::addColumn<bool>("planted");
    QTest::addColumn<bool>("byAnotherUser");
    // Where the lock goes: "guarded" is the folder of the user's files.
    QTest::addColumn<QString>("lockFolder");

    QTest::newRow("the session's") << "run" << false << false << "run";
    QTest::newRow("none set") << "" << false << false << "tmp/runtime-";
    QTest::newRow("open to all in the temporary folder") << "" << true << false << "guarded";
    QTest::newRow("another user's in the temporary folder") << "" << true << true << "guarded";
}

void InstanceGuardTest::lockStaysWithTheUser()
{
    QFETCH(QString, runtimeFolder);
    QFETCH(bool, planted);
    QFETCH(bool, byAnotherUser);
    QFETCH(QString, lockFolder);
    if (byAnotherUser && ::geteuid() != 0)
        QSKIP("Only root can make a folder of another user's");
    const QByteArray runtimeBefore = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray tempBefore = qgetenv("TMPDIR");
    const auto restore = qScopeGuard([&] {
        qputenv("XDG_RUNTIME_DIR", runtimeBefore);
        qputenv("TMPDIR", tempBefore);
    });
    QTemporaryDir root;
    const QString place = root.filePath(QStringLiteral("tmp/runtime-") + getpwuid(::geteuid())->pw_name);
    const QString guarded = root.filePath(QStringLiteral("user/clearwind"));
    lockFolder = lockFolder == QLatin1String("guarded") ? guarded : root.filePath(lockFolder);
    lockFolder.replace(root.filePath(QStringLiteral("tmp/runtime-")), place);
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("tmp")));
    qputenv("TMPDIR", QFile::encodeName(root.filePath(QStringLiteral("tmp"))));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeFolder.isEmpty() ? QString() : root.filePath(runtimeFolder)));
    QLockFile plantedLock(planted ? LockFileInstanceGuard(guarded, place).lockFilePath() : QString());
    QVERIFY(!planted || (plantedLock.tryLock(0) && QFile::setPermissions(place, QFileDevice::Permissions(0x7777))));
    const passwd *nobody = getpwnam("nobody");
    QVERIFY(!byAnotherUser || ::chown(QFile::encodeName(place).constData(), nobody->pw_uid, nobody->pw_gid) == 0);

    LockFileInstanceGuard guard(guarded);
    QVERIFY(guard.acquire());
    // Asked again, as start-up does after a request from the desktop found no copy.
    QVERIFY(guard.acquire());
    QCOMPARE(QFileInfo(guard.lockFilePath()).absolutePath(), lockFolder);
    QCOMPARE(QFileInfo(lockFolder).permissions() & QFileDevice::Permissions(0x7777),
             QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser | QFile::WriteUser |
                 QFile::ExeUser);
    // A second copy over the same files finds the first.
    QVERIFY(!LockFileInstanceGuard(guarded).acquire());
}

QTEST_GUILESS_MAIN(InstanceGuardTest)
#include "tst_instanceguard.moc"
