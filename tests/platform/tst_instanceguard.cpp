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

private:
    QString startProbe(QProcess &process, const QString &programFolder);

    QTemporaryDir m_root;
    QString m_lockFolder;
};

void InstanceGuardTest::init()
{
    m_lockFolder = m_root.filePath(QStringLiteral("runtime-%1").arg(QTest::currentTestFunction()));
}

QString InstanceGuardTest::startProbe(QProcess &process, const QString &programFolder)
{
    process.start(QStringLiteral(INSTANCE_PROBE), {programFolder, m_lockFolder});
    if (!process.waitForStarted(10000) || !process.waitForReadyRead(10000))
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

QTEST_GUILESS_MAIN(InstanceGuardTest)
#include "tst_instanceguard.moc"
