#include "platform/datalayout.h"
#include "platform/environment.h"
#include "records/datafiles.h"
#include "records/userfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// Where the program finds its files, and the user's folder of an installed program.
class UserFilesTest : public QObject
{
    Q_OBJECT
private slots:
    void layoutFollowsWhereTheProgramStands_data();
    void layoutFollowsWhereTheProgramStands();
    void userFolderIsMadeReady_data();
    void userFolderIsMadeReady();
    void shippedSettingsHoldUntilTheUserSaves();

private:
    QTemporaryDir m_root;
    QString at(const QString &relative) const { return m_root.filePath(relative); }
    void write(const QString &relative, const QByteArray &bytes = "x")
    {
        QDir().mkpath(QFileInfo(at(relative)).absolutePath());
        QFile file(at(relative));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

void UserFilesTest::layoutFollowsWhereTheProgramStands_data()
{
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("xdgDataHome");
    QTest::addColumn<QString>("shipped");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("modules");

    QTest::newRow("build tree") << QStringList{"build/data"} << "build"
                                << ""
                                << "build/data"
                                << "build/data"
                                << "build";
    QTest::newRow("earlier per-user install") << QStringList{"lib/clearwind/data"} << "lib/clearwind"
                                              << ""
                                              << "lib/clearwind/data"
                                              << "lib/clearwind/data"
                                              << "lib/clearwind";
    QTest::newRow("installed") << QStringList{"usr/bin", "usr/share/clearwind"} << "usr/bin"
                               << ""
                               << "usr/share/clearwind"
                               << "home/.local/share/clearwind"
                               << "usr/lib/clearwind";
    QTest::newRow("installed, XDG_DATA_HOME set") << QStringList{"usr/bin", "usr/share/clearwind"} << "usr/bin"
                                                  << "@/data"
                                                  << "usr/share/clearwind"
                                                  << "data/clearwind"
                                                  << "usr/lib/clearwind";
    QTest::newRow("installed, XDG_DATA_HOME relative") << QStringList{"usr/bin", "usr/share/clearwind"} << "usr/bin"
                                                       << "data"
                                                       << "usr/share/clearwind"
                                                       << "home/.local/share/clearwind"
                                                       << "usr/lib/clearwind";
    QTest::newRow("data beside wins") << QStringList{"usr/bin/data", "usr/share/clearwind"} << "usr/bin"
                                      << ""
                                      << "usr/bin/data"
                                      << "usr/bin/data"
                                      << "usr/bin";
}

void UserFilesTest::layoutFollowsWhereTheProgramStands()
{
    QFETCH(QStringList, folders);
    QFETCH(QString, program);
    QFETCH(QString, xdgDataHome);
    QFETCH(QString, shipped);
    QFETCH(QString, user);
    QFETCH(QString, modules);
    QTemporaryDir root;
    for (const QString &folder : folders)
        QDir(root.path()).mkpath(folder);
    xdgDataHome.replace(QLatin1String("@"), root.path());

    const DataLayout layout =
        findDataLayout(root.filePath(program), xdgDataHome, root.filePath(QStringLiteral("home")));
    QCOMPARE(layout.shippedFolder, root.filePath(shipped));
    QCOMPARE(layout.userFolder, root.filePath(user));
    QCOMPARE(layout.installed, shipped != user);
    QCOMPARE(layout.moduleFolder, root.filePath(modules));
}

void UserFilesTest::userFolderIsMadeReady_data()
{
    QTest::addColumn<QStringList>("earlierFiles");
    QTest::addColumn<QStringList>("ownFiles");
    QTest::addColumn<bool>("copied");

    QTest::newRow("first start") << QStringList{} << QStringList{} << false;
    QTest::newRow("earlier install") << QStringList{"settings/data.dat", "settings/history/attempt-1.dat"}
                                     << QStringList{} << true;
    QTest::newRow("copied before") << QStringList{"settings/data.dat"} << QStringList{"settings/settings.dat"} << false;
}

void UserFilesTest::userFolderIsMadeReady()
{
    QFETCH(QStringList, earlierFiles);
    QFETCH(QStringList, ownFiles);
    QFETCH(bool, copied);
    QTemporaryDir root;
    auto writeAt = [&](const QString &path) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(path.toUtf8());
    };
    for (const QString &file : earlierFiles)
        writeAt(root.filePath("earlier/" + file));
    for (const QString &file : ownFiles)
        writeAt(root.filePath("user/clearwind/" + file));

    Environment environment;
    environment.userDataFolder = root.filePath(QStringLiteral("user/clearwind"));
    const UserFolderReport report = prepareUserFolder(environment, root.filePath(QStringLiteral("earlier")));
    QCOMPARE(report.problem, QString());
    QCOMPARE(report.copiedFrom.isEmpty(), !copied);
    if (ownFiles.isEmpty()) // made by the program: only its owner may look inside
        QCOMPARE(QFileInfo(environment.userDataFolder).permissions() & 0x0077, QFileDevice::Permissions());
    for (const QString &file : earlierFiles) {
        // Copied, never moved: the earlier install keeps its files.
        QVERIFY(QFile::exists(root.filePath("earlier/" + file)));
        QCOMPARE(QFile::exists(environment.userDataFolder + u'/' + file), copied);
    }
    // A second start copies nothing again.
    QVERIFY(prepareUserFolder(environment, root.filePath(QStringLiteral("earlier"))).copiedFrom.isEmpty());
}

void UserFilesTest::shippedSettingsHoldUntilTheUserSaves()
{
    Environment environment;
    environment.shippedDataFolder = at(QStringLiteral("share"));
    environment.userDataFolder = at(QStringLiteral("user"));
    write(QStringLiteral("share/settings/settings.dat"));
    QCOMPARE(datafiles::pathToRead(environment, datafiles::File::Settings), at("share/settings/settings.dat"));
    write(QStringLiteral("user/settings/settings.dat"));
    QCOMPARE(datafiles::pathToRead(environment, datafiles::File::Settings), at("user/settings/settings.dat"));

    // A file where the folder should be: the user learns that nothing is kept.
    environment.userDataFolder = at(QStringLiteral("share/settings/settings.dat"));
    QVERIFY(prepareUserFolder(environment, QString()).problem.contains(QStringLiteral("settings.dat")));
}

QTEST_GUILESS_MAIN(UserFilesTest)
#include "tst_userfiles.moc"
