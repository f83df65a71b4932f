#include "platform/datalayout.h"
#include "platform/environment.h"
#include "platform/textfiles.h"
#include "records/datafiles.h"
#include "records/userfolder.h"
#include "support/checked.h"
#include "support/fakes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <pwd.h>
#include <unistd.h>

namespace {

constexpr QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

void writeFile(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(path.toUtf8());
}

void makeFolder(const QString &path, QFileDevice::Permissions permissions)
{
    QVERIFY(QDir().mkpath(path));
    QVERIFY(QFile::setPermissions(path, permissions));
}

void link(const QString &target, const QString &link)
{
    QVERIFY(QDir().mkpath(QFileInfo(link).absolutePath()));
    QVERIFY(QFile::link(target, link));
}

void giveToAnotherUser(const QString &path)
{
    const passwd *nobody = getpwnam("nobody");
    QVERIFY(nobody && ::chown(QFile::encodeName(path).constData(), nobody->pw_uid, nobody->pw_gid) == 0);
}

constexpr QFileDevice::Permissions openToAll = QFileDevice::Permissions(0x7777);

// How a row leaves the user's folder before the program starts.
enum Setup { Missing = 0, Made = 1, Linked = 2, AnotherUsers = 4, ReadOnly = 8, AFile = 16 };

} // namespace

// Where the program finds its files, and the user's folder of an installed program.
class UserFilesTest : public QObject
{
    Q_OBJECT
private slots:
    void layoutFollowsWhereTheProgramStands_data();
    void layoutFollowsWhereTheProgramStands();
    void userFolderIsKeptPrivate_data();
    void userFolderIsKeptPrivate();
    void earlierInstallIsCopiedOnce_data();
    void earlierInstallIsCopiedOnce();
    void shippedSettingsHoldUntilTheUserSaves();
    void buildListsTheUsersFilesOfTheTable();
};

void UserFilesTest::layoutFollowsWhereTheProgramStands_data()
{
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("xdgDataHome");
    QTest::addColumn<QString>("shipped");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("modules");
    // Where earlier per-user installs are looked for; none when portable.
    QTest::addColumn<QStringList>("earlier");

    const QStringList earlierOfSystem{"home/.local/lib/clearwind/data", "usr/lib/clearwind/data"};
    QTest::newRow("build tree") << QStringList{"build/data"} << "build"
                                << ""
                                << "build/data"
                                << "build/data"
                                << "build" << QStringList{};
    QTest::newRow("earlier per-user install") << QStringList{"lib/clearwind/data"} << "lib/clearwind"
                                              << ""
                                              << "lib/clearwind/data"
                                              << "lib/clearwind/data"
                                              << "lib/clearwind" << QStringList{};
    QTest::newRow("installed") << QStringList{"usr/bin", "usr/share/clearwind"} << "usr/bin"
                               << ""
                               << "usr/share/clearwind"
                               << "home/.local/share/clearwind"
                               << "usr/lib/clearwind" << earlierOfSystem;
    QTest::newRow("installed, XDG_DATA_HOME set") << QStringList{"usr/bin", "usr/share/clearwind"} << "usr/bin"
                                                  << "@/data"
                                                  << "usr/share/clearwind"
                                                  << "data/clearwind"
                                                  << "usr/lib/clearwind" << earlierOfSystem;
    QTest::newRow("installed, XDG_DATA_HOME relative") << QStringList{"usr/bin", "usr/share/clearwind"} << "usr/bin"
                                                       << "data"
                                                       << "usr/share/clearwind"
                                                       << "home/.local/share/clearwind"
                                                       << "usr/lib/clearwind" << earlierOfSystem;
    QTest::newRow("installed into ~/.local")
        << QStringList{"home/.local/bin", "home/.local/share/clearwind"} << "home/.local/bin"
        << ""
        << "home/.local/share/clearwind"
        << "home/.local/share/clearwind"
        << "home/.local/lib/clearwind" << QStringList{"home/.local/lib/clearwind/data"};
    QTest::newRow("data beside wins") << QStringList{"usr/bin/data", "usr/share/clearwind"} << "usr/bin"
                                      << ""
                                      << "usr/bin/data"
                                      << "usr/bin/data"
                                      << "usr/bin" << QStringList{};
    QTest::newRow("outside bin/ is portable") << QStringList{"usr/games", "usr/share/clearwind"} << "usr/games"
                                              << ""
                                              << "usr/games/data"
                                              << "usr/games/data"
                                              << "usr/games" << QStringList{};
}

void UserFilesTest::layoutFollowsWhereTheProgramStands()
{
    QFETCH(QStringList, folders);
    QFETCH(QString, program);
    QFETCH(QString, xdgDataHome);
    QFETCH(QString, shipped);
    QFETCH(QString, user);
    QFETCH(QString, modules);
    QFETCH(QStringList, earlier);
    QTemporaryDir root;
    for (const QString &folder : folders)
        QDir(root.path()).mkpath(folder);
    xdgDataHome.replace(QLatin1String("@"), root.path());

    const DataLayout layout =
        findDataLayout(root.filePath(program), xdgDataHome, root.filePath(QStringLiteral("home")));
    QCOMPARE(layout.shippedFolder, root.filePath(shipped));
    QCOMPARE(layout.userFolder, root.filePath(user));
    QCOMPARE(layout.installed, !earlier.isEmpty());
    QCOMPARE(layout.moduleFolder, root.filePath(modules));
    for (QString &folder : earlier)
        folder = root.filePath(folder);
    QCOMPARE(layout.earlierUserFolders, earlier);

    // What the user writes goes to the user's folder; what ships is read where it was installed.
    Environment environment;
    environment.shippedDataFolder = layout.shippedFolder;
    environment.userDataFolder = layout.userFolder;
    QCOMPARE(datafiles::path(environment, datafiles::File::Cravings), root.filePath(user + "/journey/cravings.csv"));
    QCOMPARE(datafiles::path(environment, datafiles::File::HelpPage), root.filePath(shipped + "/help/help.html"));
    // In German, what ships in German is read so; what does not, in English.
    environment.language = QStringLiteral("de");
    QVERIFY(QDir(root.path()).mkpath(shipped + "/de/help"));
    writeFile(root.filePath(shipped + "/de/help/help.html"));
    QCOMPARE(datafiles::path(environment, datafiles::File::HelpPage), root.filePath(shipped + "/de/help/help.html"));
    Environment english = environment;
    english.language = QStringLiteral("en");
    QCOMPARE(datafiles::path(environment, datafiles::File::CoachTips),
             datafiles::path(english, datafiles::File::CoachTips));
}

void UserFilesTest::userFolderIsKeptPrivate_data()
{
    QTest::addColumn<int>("setup");
    // What the reason for keeping nothing says; empty when the folder is used.
    QTest::addColumn<QString>("problem");

    QTest::newRow("missing") << int(Missing) << "";
    QTest::newRow("open to all") << int(Made) << "";
    QTest::newRow("a link to the user's own folder") << (Made | Linked) << "";
    QTest::newRow("another user's") << (Made | AnotherUsers) << "another user";
    QTest::newRow("a link to another user's folder") << (Made | Linked | AnotherUsers) << "another user";
    QTest::newRow("a file") << int(AFile) << "a file";
    // Root writes anywhere but on a read-only file system.
    QTest::newRow("cannot be written") << (Made | ReadOnly) << "Read-only file system";
}

void UserFilesTest::userFolderIsKeptPrivate()
{
    QFETCH(int, setup);
    QFETCH(QString, problem);
    if (setup & (AnotherUsers | ReadOnly) && ::geteuid() != 0)
        QSKIP("Only root can give a folder to another user or mount a file system");
    QTemporaryDir root;
    const QString folder = root.filePath(QStringLiteral("share/clearwind"));
    const QString made = setup & Linked ? root.filePath(QStringLiteral("synced")) : folder;
    if (setup & Made)
        CHECKED(makeFolder(made, openToAll));
    if (setup & AFile)
        CHECKED(writeFile(folder));
    if (setup & AnotherUsers)
        CHECKED(giveToAnotherUser(made));
    if (setup & Linked)
        CHECKED(link(made, folder));
    const bool mounted = setup & ReadOnly &&
                         QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "ro", "tmpfs", folder}) == 0;
    const auto unmount = qScopeGuard([&] {
        if (mounted)
            QProcess::execute(QStringLiteral("umount"), {folder});
    });
    MessageRecorder messages;
    Environment environment;
    environment.userDataFolder = folder;
    environment.messages = &messages;

    prepareUserFolder(environment, {});
    // The user learns why nothing is kept, once.
    QCOMPARE(messages.shown.size(), problem.isEmpty() ? 0 : 1);
    const QString reason = messages.shown.value(0).detail;
    QVERIFY2(reason.contains(problem), qPrintable(reason));
    // A folder the user cannot write in is still read; another user's is not.
    QCOMPARE(environment.userDataFolder != folder, bool(setup & AnotherUsers));
    QCOMPARE(textfiles::writeAtomically(datafiles::path(environment, datafiles::File::Profile), "x").ok,
             problem.isEmpty());
    if (problem.isEmpty()) {
        QCOMPARE(QFileInfo(folder).permissions() & openToAll,
                 ownerOnly | QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
        return;
    }
    // Nothing is left there, not even a test of the folder.
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
}

void UserFilesTest::earlierInstallIsCopiedOnce_data()
{
    // Two earlier installs are looked in: "own", in ~/.local, then "prefix",
    // under the program's prefix.
    QTest::addColumn<QStringList>("earlierFiles");
    QTest::addColumn<QStringList>("ownFiles");
    // The earlier install copied from; empty when none is.
    QTest::addColumn<QString>("copiedFrom");
    QTest::addColumn<bool>("copyFails");

    QTest::newRow("first start") << QStringList{} << QStringList{} << "" << false;
    QTest::newRow("earlier install") << QStringList{"own/settings/data.dat", "own/settings/history/attempt-1.dat",
                                                    "own/journey/cravings.csv"}
                                     << QStringList{} << "own" << false;
    QTest::newRow("earlier install under the prefix")
        << QStringList{"prefix/coach/personal.rtf"} << QStringList{} << "prefix" << false;
    QTest::newRow("the user's own comes first")
        << QStringList{"own/journey/cravings.csv", "prefix/settings/data.dat"} << QStringList{} << "own" << false;
    QTest::newRow("copied before") << QStringList{"own/settings/data.dat"} << QStringList{"settings/settings.dat"} << ""
                                   << false;
    // A file stands where the folder of the copy must go.
    QTest::newRow("a copy that fails") << QStringList{"own/settings/data.dat", "own/coach/personal.rtf"}
                                       << QStringList{"settings"} << "own" << true;
}

void UserFilesTest::earlierInstallIsCopiedOnce()
{
    QFETCH(QStringList, earlierFiles);
    QFETCH(QStringList, ownFiles);
    QFETCH(QString, copiedFrom);
    QFETCH(bool, copyFails);
    QTemporaryDir root;
    for (const QString &file : earlierFiles)
        CHECKED(writeFile(root.filePath(file)));
    for (const QString &file : ownFiles)
        CHECKED(writeFile(root.filePath("user/clearwind/" + file)));

    MessageRecorder messages;
    Environment environment;
    environment.userDataFolder = root.filePath(QStringLiteral("user/clearwind"));
    environment.messages = &messages;
    const QStringList earlier{root.filePath(QStringLiteral("own")), root.filePath(QStringLiteral("prefix"))};
    prepareUserFolder(environment, earlier);
    // One message, naming where the files came from and what of them could not be copied.
    QCOMPARE(messages.shown.size(), copiedFrom.isEmpty() ? 0 : 1);
    const MessageService::Message said = messages.shown.value(0);
    QVERIFY(copiedFrom.isEmpty() || said.text.contains(root.filePath(copiedFrom)));
    QVERIFY(copiedFrom.isEmpty() ||
            said.icon == (copyFails ? MessageService::Icon::Warning : MessageService::Icon::Information));
    QCOMPARE(said.detail.contains(QLatin1String("settings/data.dat")), copyFails);
    QVERIFY(!said.detail.contains(QLatin1String("personal.rtf")));
    for (const QString &file : earlierFiles) {
        // Copied, never moved: the earlier install keeps its files.
        QVERIFY(QFile::exists(root.filePath(file)));
        const QString source = file.section(u'/', 0, 0);
        QCOMPARE(QFile::exists(environment.userDataFolder + u'/' + file.section(u'/', 1)),
                 source == copiedFrom && !(copyFails && file.contains(QLatin1String("settings"))));
    }
    // A second start copies nothing again.
    messages.shown.clear();
    prepareUserFolder(environment, earlier);
    QCOMPARE(messages.shown.size(), 0);
}

void UserFilesTest::shippedSettingsHoldUntilTheUserSaves()
{
    QTemporaryDir root;
    Environment environment;
    environment.shippedDataFolder = root.filePath(QStringLiteral("share"));
    environment.userDataFolder = root.filePath(QStringLiteral("user"));
    CHECKED(writeFile(root.filePath("share/settings/settings.dat")));
    QCOMPARE(datafiles::pathToRead(environment, datafiles::File::Settings),
             root.filePath("share/settings/settings.dat"));
    CHECKED(writeFile(root.filePath("user/settings/settings.dat")));
    QCOMPARE(datafiles::pathToRead(environment, datafiles::File::Settings),
             root.filePath("user/settings/settings.dat"));
}

// The build and the install check take the user's files from the table, so
// a row added there is never installed under the prefix nor copied over.
void UserFilesTest::buildListsTheUsersFilesOfTheTable()
{
    QStringList inTable;
    for (int i = 0; i < int(datafiles::File::Count); ++i) {
        const datafiles::Entry &row = datafiles::entry(datafiles::File(i));
        if (row.owner == datafiles::Owner::User)
            inTable << QString::fromLatin1(row.path);
    }
    QFile listed(QStringLiteral(CLEARWIND_BUILD_DIR "/user-files.txt"));
    QVERIFY(listed.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(listed.readAll()).split(u'\n', Qt::SkipEmptyParts), inTable);
}

QTEST_GUILESS_MAIN(UserFilesTest)
#include "tst_userfiles.moc"
