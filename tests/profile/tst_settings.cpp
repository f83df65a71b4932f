#include "support/testwindow.h"

#include "platform/textfiles.h"
#include "platform/xdgautostart.h"
#include "profile/settingstab.h"
#include "ui/controls.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include <sys/stat.h>

// The settings tab's save: the password line, the logon entry, and what the
// user reads when something cannot be done.
class SettingsTest : public QObject
{
    Q_OBJECT
private slots:
    void requestsComeAsSignals_data();
    void requestsComeAsSignals();
    void saving_data();
    void saving();
    void handEditedPasswordOpensAndIsSavedWhole_data();
    void handEditedPasswordOpensAndIsSavedWhole();
    void failureChangesNothingAndSaysWhy_data();
    void failureChangesNothingAndSaysWhy();
    void closingWaitsForTheSave_data();
    void closingWaitsForTheSave();
    void autostartFolderFollowsTheConfigHome_data();
    void autostartFolderFollowsTheConfigHome();
    void passwordEntriesShowStars_data();
    void passwordEntriesShowStars();
};

namespace {

const QByteArray unchanged = "noword\r\n0";

QString entryPath(const TestProgram &program)
{
    return program.autostartFolder() + QStringLiteral("/Clearwind.desktop");
}

void fillIn(TestProgram &program, bool password, const QString &typed, bool autostart)
{
    program.find<QCheckBox>("chkpassword")->setChecked(password);
    auto *entry = program.find<QLineEdit>("txtpassword");
    entry->clear();
    QTest::keyClicks(entry, typed);
    program.find<QCheckBox>("chkautostart")->setChecked(autostart);
}

} // namespace

void SettingsTest::requestsComeAsSignals_data()
{
    QTest::addColumn<QByteArray>("control");
    QTest::addColumn<QByteArray>("signal");
    QTest::newRow("export") << QByteArray("cmdexport") << QByteArray(SIGNAL(exportRequested()));
    QTest::newRow("help") << QByteArray("cmdhelp") << QByteArray(SIGNAL(helpRequested()));
    QTest::newRow("banner") << QByteArray("Image1") << QByteArray(SIGNAL(homePageRequested()));
    QTest::newRow("version line") << QByteArray("lblweb") << QByteArray(SIGNAL(homePageRequested()));
}

// The tab says what the user asked for, once, and nothing else.
void SettingsTest::requestsComeAsSignals()
{
    QFETCH(QByteArray, control);
    QFETCH(QByteArray, signal);
    TestProgram program;
    QVERIFY(program.startOnTab(4));
    auto *tab = program.window().findChild<SettingsTab *>();
    QVERIFY(tab);
    QList<std::pair<QByteArray, std::shared_ptr<QSignalSpy>>> spies;
    for (const char *each : {SIGNAL(exportRequested()), SIGNAL(helpRequested()), SIGNAL(homePageRequested())})
        spies.append({QByteArray(each), std::make_shared<QSignalSpy>(tab, each)});
    QTest::mouseClick(program.find(control), Qt::LeftButton);
    for (const auto &[name, spy] : spies)
        QCOMPARE(spy->count(), name == signal ? 1 : 0);
}

void SettingsTest::saving_data()
{
    QTest::addColumn<bool>("password");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("autostart");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("entry");
    const QString noword = QStringLiteral("\"noword\" cannot be a password, because Clearwind reads it as no password "
                                          "at all. Please choose another password.");
    QTest::newRow("password") << true << "a" << false << QByteArray("a\r\n0") << "" << false;
    QTest::newRow("no password, autostart") << false << "a" << true << QByteArray("noword\r\n1") << "" << true;
    QTest::newRow("empty password keeps the logon change")
        << true << "" << true << unchanged << "Enter a password, or at least 1 character" << true;
    QTest::newRow("the no-password marker is refused, nothing written")
        << true << "noword" << false << unchanged << noword << true;
}

void SettingsTest::saving()
{
    QFETCH(bool, password);
    QFETCH(QString, typed);
    QFETCH(bool, autostart);
    QFETCH(QByteArray, file);
    QFETCH(QString, message);
    QFETCH(bool, entry);
    TestProgram program;
    QVERIFY(program.startOnTab(4));
    // A save before: its report must not stand beside a refusal.
    QVERIFY(program.click("cmdsaveset"));
    // An entry left from before: unticking the box removes it.
    QVERIFY(writeFileAt(entryPath(program), QByteArray()));
    fillIn(program, password, typed, autostart);
    QVERIFY(program.click("cmdsaveset"));

    const bool refused = !message.isEmpty();
    const QString said = refused    ? QStringLiteral("The settings are not saved.")
                         : password ? QStringLiteral("Settings are saved. Don't forget your password!!!")
                                    : QStringLiteral("Settings are saved.");
    // The button stands ready again once the save is confirmed.
    QTRY_VERIFY(program.find("cmdsaveset")->isEnabled());
    QCOMPARE(program.text("lblsetsay"), said);
    QCOMPARE(program.readFile("data/settings/settings.dat"), file);
    QCOMPARE(program.messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(QFileInfo::exists(entryPath(program)), entry);
    QCOMPARE(controls::textColour(program.label("lblpassword")), refused ? QColor(Qt::red) : QColor(Qt::black));
    if (refused)
        return;
    struct stat status;
    QCOMPARE(::stat(QFile::encodeName(program.path("data/settings/settings.dat")).constData(), &status), 0);
    QCOMPARE(status.st_mode & 0777, 0600u);
}

void SettingsTest::handEditedPasswordOpensAndIsSavedWhole_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::newRow("25 characters") << QByteArray("1234567890123456789012345\r\n0");
    QTest::newRow("tab inside") << QByteArray("my\tpass\r\n0");
}

// The lock opens for the password as the file holds it, and a save that
// leaves the password alone writes it back whole.
void SettingsTest::handEditedPasswordOpensAndIsSavedWhole()
{
    QFETCH(QByteArray, settings);
    TestProgram program;
    QVERIFY(program.writeSettings(settings));
    QVERIFY(program.writeRunningProfile(QDateTime(QDate(2026, 3, 3), QTime(22, 0, 0))));
    program.start();
    program.find<QLineEdit>("txtpasswordinput")->setText(QString::fromUtf8(settings.left(settings.indexOf('\r'))));
    QVERIFY(program.click("cmdpasscheck"));
    QVERIFY(program.answer({"cmdno"}));
    program.find<QTabWidget>("SSTab1")->setCurrentIndex(4);
    QVERIFY(program.click("cmdsaveset"));
    QTRY_COMPARE(program.text("lblsetsay"), QStringLiteral("Settings are saved. Don't forget your password!!!"));
    QCOMPARE(program.readFile("data/settings/settings.dat"), settings);
}

void SettingsTest::failureChangesNothingAndSaysWhy_data()
{
    QTest::addColumn<QByteArray>("blocked");
    QTest::addColumn<bool>("autostart");
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("entry");
    // The logon change comes first; when only the file fails, the message says that the two disagree.
    QTest::newRow("logon list cannot be opened")
        << QByteArray("autostart") << true << "Starting Clearwind at logon could not be changed. " << false;
    QTest::newRow("settings file cannot be written")
        << QByteArray("data/settings/settings.dat") << true
        << "Clearwind will start at logon, but the settings could not be saved in " << true;
    QTest::newRow("settings folder cannot be made, autostart off")
        << QByteArray("data/settings") << false
        << "Clearwind will not start at logon, but the settings could not be saved in " << false;
}

void SettingsTest::failureChangesNothingAndSaysWhy()
{
    QFETCH(QByteArray, blocked);
    QFETCH(bool, autostart);
    QFETCH(QString, start);
    QFETCH(bool, entry);
    TestProgram program;
    QVERIFY(program.startOnTab(4));
    const QString settingsFile = program.path("data/settings/settings.dat");
    const bool logonBlocked = blocked == "autostart";
    // A file where a folder should be, a folder where the settings file should be: both hold as root too.
    if (logonBlocked) {
        QVERIFY(writeFileAt(program.autostartFolder(), QByteArray()));
    } else if (blocked.endsWith(".dat")) {
        QFile::remove(settingsFile);
        QVERIFY(QDir().mkpath(settingsFile + "/x"));
    } else {
        QVERIFY(QDir(program.path(blocked.constData())).removeRecursively());
        QVERIFY(writeFileAt(program.path(blocked.constData()), QByteArray()));
    }
    fillIn(program, true, QStringLiteral("a"), autostart);
    QVERIFY(program.click("cmdsaveset"));

    QTRY_COMPARE(program.messages.shown.size(), 1);
    const QString message = program.messages.shown.first().text;
    QVERIFY2(message.startsWith(start), qPrintable(message));
    QVERIFY2(message.contains(QDir::toNativeSeparators(logonBlocked ? program.autostartFolder() : settingsFile)),
             qPrintable(message));
    QCOMPARE(program.text("lblsetsay"), QStringLiteral("The settings are not saved."));
    QCOMPARE(QFileInfo(entryPath(program)).isFile(), entry);
    if (logonBlocked)
        QCOMPARE(program.readFile("data/settings/settings.dat"), unchanged);
}

void SettingsTest::closingWaitsForTheSave_data()
{
    QTest::addColumn<int>("heldMilliseconds");
    QTest::addColumn<bool>("named");
    QTest::newRow("the save lands in time") << 300 << false;
    // Longer than the window waits: it closes all the same, and says which file.
    QTest::newRow("the save is held up") << 10000 << true;
}

void SettingsTest::closingWaitsForTheSave()
{
    QFETCH(int, heldMilliseconds);
    QFETCH(bool, named);
    TestProgram program;
    QVERIFY(program.startOnTab(4));
    const QString settingsFile = program.path("data/settings/settings.dat");
    QSemaphore released;
    textfiles::testing::setBeforeCommit([&](const QString &path) {
        if (path == settingsFile)
            released.tryAcquire(1, heldMilliseconds);
    });
    fillIn(program, true, QStringLiteral("a"), false);
    QVERIFY(program.click("cmdsaveset"));
    QVERIFY(!program.text("lblsetsay").startsWith(QLatin1String("Settings are saved")));
    program.window().close();
    released.release();

    QVERIFY(!program.window().isVisible());
    const QString unwritten = QStringLiteral("Clearwind closes before it could finish writing %1: what you changed "
                                             "there may not be saved.")
                                  .arg(QDir::toNativeSeparators(settingsFile));
    QCOMPARE(program.messages.texts(), named ? QStringList{unwritten} : QStringList());
    // The held write still ends whole once it may.
    QTRY_COMPARE(program.readFile("data/settings/settings.dat"), QByteArray("a\r\n0"));
    textfiles::testing::setBeforeCommit({});
}

void SettingsTest::autostartFolderFollowsTheConfigHome_data()
{
    QTest::addColumn<QByteArray>("configHome");
    QTest::addColumn<QString>("folder");
    QTest::newRow("set") << QByteArray("/cfg/home") << "/cfg/home/autostart";
    QTest::newRow("unset") << QByteArray() << "/home/ann/.config/autostart";
    QTest::newRow("relative, so ignored") << QByteArray("cfg") << "/home/ann/.config/autostart";
}

void SettingsTest::autostartFolderFollowsTheConfigHome()
{
    QFETCH(QByteArray, configHome);
    QFETCH(QString, folder);
    QCOMPARE(XdgAutostart::folderFor(configHome, QStringLiteral("/home/ann")), folder);
}

void SettingsTest::passwordEntriesShowStars_data()
{
    QTest::addColumn<QString>("entry");
    QTest::newRow("lock") << "txtpasswordinput";
    QTest::newRow("settings tab") << "txtpassword";
}

void SettingsTest::passwordEntriesShowStars()
{
    QFETCH(QString, entry);
    // A style whose own mask is a dot.
    QApplication::setStyle(QStringLiteral("Fusion"));
    TestProgram program;
    QVERIFY(program.writeSettings("pw\r\n0"));
    program.start();
    auto *field = program.find<QLineEdit>(entry.toLatin1());
    field->setText(QStringLiteral("abc"));
    QCOMPARE(field->displayText(), QStringLiteral("***"));
}

QTEST_MAIN(SettingsTest)
#include "tst_settings.moc"
