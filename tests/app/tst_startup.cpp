#include "support/checked.h"
#include "support/testwindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCheckBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

// Start-up: which first screen a profile leads to, the password lock, the
// refused second copy, and the window's panels, tabs and timers.
class StartupTest : public QObject
{
    Q_OBJECT
private slots:
    void firstScreen_data();
    void firstScreen();
    void lockLiesOverEveryFirstScreen_data();
    void lockLiesOverEveryFirstScreen();
    void passwordCheck_data();
    void passwordCheck();
    void settingsTabShowsTheFile_data();
    void settingsTabShowsTheFile();
    void refusedSecondCopyEndsAfterHalfASecond();

    void updatesComeOnTime_data();
    void updatesComeOnTime();
    void controlsCarryTheirCaptions_data();
    void controlsCarryTheirCaptions();
    void screenReaderDescriptions_data();
    void screenReaderDescriptions();
    void tabsAreNamedAndLockedUntilTheCounterRuns();
    void programLogsNothingWhileAllGoesWell();
    void coveredPanelsCannotTakeTheFocus();

private:
    std::unique_ptr<TestProgram> m_captioned;
};

namespace {
const QByteArray runningProfile = "Ann\r\n20\r\neuro\r\n6.50\r\n2026-03-10\r\n08:00:00\r\nYES\r\n";
const QByteArray waitingProfile = "Ann\r\n20\r\neuro\r\n6.50\r\n2026-03-10\r\n08:00:00\r\nNO\r\n";
// Empty bytes stand for no settings file at all.
void useSettings(TestProgram &program, const QByteArray &settings)
{
    if (settings.isEmpty())
        QFile::remove(program.path("data/settings/settings.dat"));
    else
        QVERIFY(program.writeSettings(settings));
}

} // namespace

void StartupTest::firstScreen_data()
{
    QTest::addColumn<bool>("hasProfile");
    QTest::addColumn<QByteArray>("profile");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<bool>("clockRuns");
    QTest::newRow("no profile") << false << QByteArray() << "frmdata" << true;
    QTest::newRow("quit not started") << true << waitingProfile << "frmstart" << true;
    QTest::newRow("quit running") << true << runningProfile << "frmmain" << false;
    QTest::newRow("lowercase marker counts as running")
        << true << QByteArray("A\r\n1\r\ne\r\n1\r\n2026-03-10\r\n08:00:00\r\nno\r\n") << "frmmain" << false;
    QTest::newRow("three lines") << true << QByteArray("Ann\r\n20\r\neuro\r\n") << "frmmain" << false;
    QTest::newRow("empty file") << true << QByteArray() << "frmmain" << false;
    QTest::newRow("binary") << true << QByteArray("\x00\xff\x13\r\n\x80\x81", 7) << "frmmain" << false;
    QTest::newRow("huge") << true << QByteArray(50 * 1024 * 1024, '\n') << "frmmain" << false;
}

void StartupTest::firstScreen()
{
    QFETCH(bool, hasProfile);
    QFETCH(QByteArray, profile);
    QFETCH(QString, panel);
    QFETCH(bool, clockRuns);
    TestProgram program;
    if (hasProfile)
        QVERIFY(program.writeFile("data/settings/data.dat", profile));
    program.start();

    const QStringList firstPanels{"frmdata", "frmstart", "frmmain"};
    for (const QString &name : firstPanels)
        QCOMPARE(program.shown(name.toLatin1()), name == panel);
    QVERIFY(!program.shown("frmpasscheck"));
    QVERIFY(program.find("frmcounter")->isHidden());
    QCOMPARE(program.timer("Timerdate")->isActive(), clockRuns);
    for (const char *timer : {"tmrcount", "timerrest", "timersmilesay", "tmrrandomgr", "timercoachandteacher"})
        QVERIFY2(!program.timer(timer)->isActive(), timer);
    QVERIFY(program.messages.shown.isEmpty());
    QVERIFY(program.window().isVisible());
}

void StartupTest::lockLiesOverEveryFirstScreen_data()
{
    firstScreen_data();
}

void StartupTest::lockLiesOverEveryFirstScreen()
{
    QFETCH(bool, hasProfile);
    QFETCH(QByteArray, profile);
    QFETCH(QString, panel);
    TestProgram program;
    QVERIFY(program.writeSettings("Abc\r\n0"));
    if (hasProfile)
        QVERIFY(program.writeFile("data/settings/data.dat", profile));
    program.start();
    QVERIFY(program.shown("frmpasscheck"));
    QVERIFY(program.shown(panel.toLatin1()));
    // Nobody reaches the panel under the lock, neither the mouse, the
    // keyboard nor a screen reader, until the lock opens.
    QWidget *covered = program.find(panel.toLatin1());
    QVERIFY(!covered->isVisible());
    QVERIFY(QAccessible::queryAccessibleInterface(covered)->state().invisible);
    QVERIFY(!QAccessible::queryAccessibleInterface(program.find("txtpasswordinput"))->state().invisible);
    program.find<QLineEdit>("txtpasswordinput")->setText(QStringLiteral("Abc"));
    QVERIFY(program.click("cmdpasscheck"));
    QVERIFY(!program.shown("frmpasscheck"));
    QVERIFY(program.shown(panel.toLatin1()));
    QVERIFY(!QAccessible::queryAccessibleInterface(covered)->state().invisible);
    // The keyboard goes on in the panel that the lock uncovered.
    QVERIFY(covered->isAncestorOf(program.window().focusWidget()));
}

void StartupTest::passwordCheck_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<bool>("locked");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<bool>("untypeable");
    QTest::newRow("right password") << QByteArray("Abc\r\n0") << true << "Abc" << true << false;
    QTest::newRow("case differs") << QByteArray("Abc\r\n0") << true << "abc" << false << false;
    QTest::newRow("nothing typed") << QByteArray("Abc\r\n0") << true << "" << false << false;
    QTest::newRow("longer") << QByteArray("Abc\r\n0") << true << "Abcd" << false << false;
    QTest::newRow("blank password line opens empty") << QByteArray("\r\n0") << true << "" << true << false;
    QTest::newRow("marker means no lock") << QByteArray("noword\r\n1") << false << "" << true << false;
    // A missing settings file is no password, not a lock with an empty one.
    QTest::newRow("missing file") << QByteArray() << false << "" << true << false;
    // A hand-edited file never switches the lock off, and its password still opens it.
    QTest::newRow("tab inside, pasted") << QByteArray("my\tpass\r\n0") << true << "my\tpass" << true << true;
    QTest::newRow("control characters") << QByteArray("\x01\x02\x03 pw\r\n1") << true << "" << false << true;
    // The entry takes as much as the reader read, so the whole line pasted opens.
    QTest::newRow("first line over the read limit")
        << QByteArray(5000, 'p') + "\r\n1" << true << QString(5000, u'p') << true << false;
}

void StartupTest::passwordCheck()
{
    QFETCH(QByteArray, settings);
    QFETCH(bool, locked);
    QFETCH(QString, typed);
    QFETCH(bool, opens);
    QFETCH(bool, untypeable);
    TestProgram program;
    CHECKED(useSettings(program, settings));
    program.start();
    QCOMPARE(program.shown("frmpasscheck"), locked);
    if (!locked)
        return;

    QCOMPARE(program.text("lblpass2"), QStringLiteral("Please enter your password :"));
    QCOMPARE(program.shown("lblpassuntypeable"), untypeable);
    if (untypeable)
        QVERIFY(program.text("lblpassuntypeable").contains(program.path("data/settings/settings.dat")));
    auto *entry = program.find<QLineEdit>("txtpasswordinput");
    QCOMPARE(entry->echoMode(), QLineEdit::Password);
    QVERIFY(entry->maxLength() >= 20);
    entry->setText(typed);
    QVERIFY(program.click("cmdpasscheck"));
    QCOMPARE(program.shown("frmpasscheck"), !opens);
    if (!opens) {
        QCOMPARE(program.text("lblpass2"), QStringLiteral("Wrong password, try again :"));
        QCOMPARE(program.label("lblpass2")->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(entry->text(), typed);
        if (untypeable)
            return;
        // As many tries as the user likes.
        entry->setText(QStringLiteral("Abc"));
        QVERIFY(program.click("cmdpasscheck"));
        QVERIFY(!program.shown("frmpasscheck"));
    }
    QCOMPARE(program.messages.shown.size(), 0);
}

void StartupTest::settingsTabShowsTheFile_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<bool>("passwordTicked");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("autostartTicked");
    QTest::newRow("password, no autostart") << QByteArray("a\r\n0") << true << "a" << false;
    QTest::newRow("no password, autostart") << QByteArray("noword\r\n1") << false << "" << true;
    QTest::newRow("missing file") << QByteArray() << false << "" << false;
}

void StartupTest::settingsTabShowsTheFile()
{
    QFETCH(QByteArray, settings);
    QFETCH(bool, passwordTicked);
    QFETCH(QString, password);
    QFETCH(bool, autostartTicked);
    TestProgram program;
    CHECKED(useSettings(program, settings));
    program.start();
    QCOMPARE(program.find<QCheckBox>("chkpassword")->isChecked(), passwordTicked);
    QCOMPARE(program.find<QCheckBox>("chkautostart")->isChecked(), autostartTicked);
    QCOMPARE(program.shown("txtpassword"), passwordTicked);
    QCOMPARE(program.shown("lblpassword"), passwordTicked);
    QCOMPARE(program.find<QLineEdit>("txtpassword")->text(), password);
    QCOMPARE(program.find<QLineEdit>("txtpassword")->maxLength(), 15);
}

void StartupTest::refusedSecondCopyEndsAfterHalfASecond()
{
    TestProgram program;
    QVERIFY(program.writeFile("data/settings/data.dat", runningProfile));
    program.instanceGuard.onlyCopy = false;
    program.start();
    QCOMPARE(program.messages.texts(), QStringList{"This program is already running. You cannot start it twice."});
    QVERIFY(!program.window().isVisible());
    program.passTime(499);
    QCOMPARE(program.endRequests, 0);
    program.passTime(1);
    QCOMPARE(program.endRequests, 1);
    // Nothing is written on this path.
    QCOMPARE(program.readFile("data/settings/data.dat"), runningProfile);
    QCOMPARE(program.readFile("data/settings/settings.dat"), QByteArray("noword\r\n0"));
}

void StartupTest::updatesComeOnTime_data()
{
    QTest::addColumn<bool>("running");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("milliseconds");
    QTest::newRow("clock of the start panel") << false << 0 << ""
                                              << "lbltime2" << 1000;
    QTest::newRow("counter") << true << 0 << ""
                             << "lblseconds" << 1000;
    QTest::newRow("statistics") << true << 0 << ""
                                << "lblcigcount" << 1500;
    QTest::newRow("greeting") << true << 0 << ""
                              << "lblmaincomp" << 1600;
    QTest::newRow("milestone after the greeting") << true << 0 << ""
                                                  << "lblmaincomp" << 5000;
    QTest::newRow("tips") << true << 0 << ""
                          << "lblcoachsay" << 60000;
    QTest::newRow("disease risks") << true << 1 << "cmddesstats"
                                   << "lblstatheart" << 1000;
    QTest::newRow("body monitor") << true << 1 << "cmdbodyfunctions"
                                  << "i1" << 1000;
}

// What the window shows changes when its time comes, and not a moment before.
void StartupTest::updatesComeOnTime()
{
    QFETCH(bool, running);
    QFETCH(int, tab);
    QFETCH(QString, open);
    QFETCH(QString, control);
    QFETCH(int, milliseconds);
    TestProgram program;
    QVERIFY(program.writeFile("data/settings/data.dat", running ? runningProfile : waitingProfile));
    program.start();
    if (running)
        QVERIFY(program.click("cmdno"));
    program.find<QTabWidget>("SSTab1")->setCurrentIndex(tab);
    if (!open.isEmpty())
        QVERIFY(program.click(open.toLatin1()));
    // A line's text, or where a marker stands.
    const auto look = [&] {
        const QByteArray name = control.toLatin1();
        if (const QLabel *label = program.label(name))
            return label->text();
        const QRect place = program.find(name)->geometry();
        return QStringLiteral("%1,%2").arg(place.left()).arg(place.top());
    };
    program.passTime(milliseconds - 1);
    const QString before = look();
    program.passTime(1);
    QVERIFY2(look() != before, qPrintable(before));
}

void StartupTest::controlsCarryTheirCaptions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("visibleToParent");
    const struct
    {
        const char *name;
        const char *caption;
        bool visible;
    } controls[] = {
        {"lblpass1", "This program is password protected.", true},
        {"cmdpasscheck", "Continue >>>", true},
        {"lblmain", "Have you smoked ?", true},
        {"cmdyes", "Yes", true},
        {"cmdno", "No", true},
        {"cmdyessmoke", "Yes, reset it now.", false},
        {"cmdnocontinue", "No, continue.", false},
        {"cmdexit", "Exit", false},
        {"lblstart", "Are you ready to stop smoking right now?", true},
        {"CMDSTARTNOW", "Yes, I want to stop NOW", true},
        {"cmdstartnot", "No, I come back later...", true},
        {"Command6", "I already stopped", true},
        {"cmdcontinue", "Continue", true},
        {"cmdnoback", "No, go back", false},
        {"lblmainsay", "You have stopped smoking for :", true},
        {"lbldays", "00", true},
        {"lblseconds", "00", true},
        {"Label21", "Days", true},
        {"Label9", "Seconds", true},
        {"lblstoppedat", "----", true},
        {"lblcigcount", "----", true},
        {"lbllifeext", "----", true},
        {"lblstopdate", "-------------------------", false},
        {"Label8", "Stars", true},
        {"cmdstarsback", "Back", true},
        {"Label20", "For not smoking for a year", true},
        {"lbldocsay",
         "Hello. I am your doctor. I can give you information about your health and help you with some problems.",
         true},
        {"cmdweight", "My body weight?", true},
        {"cmdifeel", "Withdrawal symptoms", true},
        {"cmddesstats", "Disease stats", true},
        {"cmdbodyfunctions", "Body monitor", true},
        {"cmdfeelconcentration", "Can't  concentrate", true},
        {"cmdokdoc", "Ok", false},
        {"cmdbackfeel", "Back", true},
        {"cmdok8", "Ok", false},
        {"cmddeseaseback", "Back", true},
        {"cmddocback", "Back", false},
        {"lblprofsay", "Hello. I am your professor. I can teach you a lot of things about smoking.", true},
        {"cmdfact", "Next....", false},
        {"cmdbacktoprof", "Back", false},
        {"lblcoachsay", "Hi. I am your coach. I will try to help you mental and emotional problems.", true},
        {"Command1", "I found a good reason to smoke", true},
        {"cmdpersonal", "Show me my list of personal reasons", true},
        {"cmdthings", "Things you can do to forget about smoking", true},
        {"cmdtroublewith", "I have mental or emotional withdrawal symptoms", true},
        {"Command4", "Carvings", true},
        {"cmdokcoach", "Ok", false},
        {"cmdthingsnext", "Next  >>>", true},
        {"Command2", "Print", true},
        {"cmdshowanwser", "My answer", true},
        {"cmdok7", "Ok", false},
        {"lblsetsay", "Hi. Here you can change the program settings.", true},
        {"chkpassword", "Protect Clearwind with a password ", true},
        {"lblpassword", "Specify password :", false},
        {"chkautostart", "Auto-run Clearwind when windows starts", true},
        {"cmdsaveset", "save settings", true},
        {"cmdloadset", "Load settings", false},
        {"cmdexport", "export stopdata", true},
        {"cmdhelp", "help", true},
    };
    for (const auto &control : controls)
        QTest::newRow(control.name) << QString::fromLatin1(control.name) << QString::fromLatin1(control.caption)
                                    << control.visible;
}

void StartupTest::controlsCarryTheirCaptions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(bool, visibleToParent);
    // One window for every row: no row changes it.
    if (!m_captioned) {
        m_captioned = std::make_unique<TestProgram>();
        m_captioned->start();
    }
    QWidget *control = m_captioned->find(name.toLatin1());
    QVERIFY(control);
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        QCOMPARE(button->text(), caption);
    else
        QCOMPARE(qobject_cast<QLabel *>(control)->text(), caption);
    QCOMPARE(!control->isHidden(), visibleToParent);
}

void StartupTest::screenReaderDescriptions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    const char *const described[][2] = {
        {"lbldays", "Smoke-free days"},
        {"lblhours", "Smoke-free hours"},
        {"lblminutes", "Smoke-free minutes"},
        {"lblseconds", "Smoke-free seconds"},
        {"lblmaincomp", "Companion says"},
        {"lbldocsay", "Doctor says"},
        {"lblprofsay", "Professor says"},
        {"lblcoachsay", "Coach says"},
        {"lblsetsay", "Mechanic says"},
        {"imgsmiley", "Companion"},
        {"Image9", "Doctor"},
        {"Image2", "Professor"},
        {"Image15", "Coach"},
        {"imgmechanic", "Mechanic"},
        {"Image1", "Clearwind web page"},
    };
    for (const auto &entry : described)
        QTest::newRow(entry[0]) << QString::fromLatin1(entry[0]) << QString::fromLatin1(entry[1]);
}

void StartupTest::screenReaderDescriptions()
{
    QFETCH(QString, name);
    QFETCH(QString, description);
    TestProgram program;
    program.start();
    QWidget *control = program.find(name.toLatin1());
    QVERIFY(control);
    QCOMPARE(control->accessibleDescription(), description);
    // On a label the name would hide its text from the screen reader.
    if (qobject_cast<QLabel *>(control))
        QVERIFY(control->accessibleName().isEmpty());
}

namespace {
QStringList programLog;
} // namespace

// The program's log is for faults: a day of ordinary use leaves it empty.
void StartupTest::programLogsNothingWhileAllGoesWell()
{
    programLog.clear();
    const QtMessageHandler before =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &context, const QString &message) {
            if (QByteArrayView(context.category) == "clearwind")
                programLog << message;
        });
    {
        TestProgram program;
        QVERIFY(program.startOnTab(0));
        for (int tab = 1; tab < program.find<QTabWidget>("SSTab1")->count(); ++tab)
            program.find<QTabWidget>("SSTab1")->setCurrentIndex(tab);
        program.passTime(24 * 60 * 60 * 1000);
    }
    qInstallMessageHandler(before);
    QCOMPARE(programLog, QStringList());
}

void StartupTest::tabsAreNamedAndLockedUntilTheCounterRuns()
{
    TestProgram program;
    QVERIFY(program.writeFile("data/settings/data.dat", runningProfile));
    program.start();
    auto *tabs = program.find<QTabWidget>("SSTab1");
    const QStringList names{"Counter", "Doctor", "Professor", "Coach", "Settings", "Journey"};
    QCOMPARE(tabs->count(), names.size());
    QCOMPARE(tabs->currentIndex(), 0);
    QVERIFY(!tabs->isEnabled());
    for (int index = 0; index < names.size(); ++index) {
        QCOMPARE(tabs->tabBar()->accessibleTabName(index), names[index]);
        QCOMPARE(tabs->tabToolTip(index), names[index]);
        QVERIFY(tabs->tabText(index).isEmpty());
        QCOMPARE(tabs->iconSize(), QSize(48, 48));
    }
    QVERIFY(program.click("cmdno"));
    QVERIFY(tabs->isEnabled());
}

void StartupTest::coveredPanelsCannotTakeTheFocus()
{
    TestProgram program;
    program.start();
    // The questionnaire lies over the tabs, which are still shown by the
    // program but can be neither seen nor reached.
    for (const char *covered : {"frmmain", "SSTab1"}) {
        QVERIFY2(!program.find(covered)->isVisible(), covered);
        QVERIFY2(QAccessible::queryAccessibleInterface(program.find(covered))->state().invisible, covered);
    }
    QVERIFY(program.shown("SSTab1"));
    QVERIFY(program.find("frmdata")->isVisible());
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
