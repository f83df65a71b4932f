#include "cravinglog/cravings.h"
#include "journey/journeyfigures.h"
#include "journey/journeytab.h"
#include "moment/rideitoutwindow.h"
#include "platform/translation.h"
#include "support/checked.h"
#include "support/testwindow.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QTest>

// The journey tab as the user meets it: built when first opened, the figures
// its charts show, how it follows the clock and the cravings logged, and what
// it says when something cannot be shown.
class JourneyPanelsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(translation::install()); }
    // First: once loaded, the module stays for the rest of the process.
    void builtWhenFirstOpened();
    void followsTheClockAndTheCravings();
    void saysWhatCannotBeShown_data();
    void saysWhatCannotBeShown();
    void savesAsCsv_data();
    void savesAsCsv();
    void rideItOutCountsDownAndBreathes_data();
    void rideItOutCountsDownAndBreathes();
    void remindsBeforeTheUsualHour_data();
    void remindsBeforeTheUsualHour();
};

namespace {

constexpr int journeyTab = 5;

bool chartsModuleLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    const QByteArray mapped = maps.readAll();
    return mapped.contains("journeycharts") || mapped.contains("libQt6Charts");
}

// One earlier attempt, of 12 days and 5 hours.
void writeHistory(TestProgram &program)
{
    QVERIFY(program.writeFile("data/settings/history/attempt-20260115-200000.dat",
                              "Ann\r\n20\r\neuro\r\n6.50\r\n2026-01-03\r\n15:00:00\r\nYES\r\n"));
}

QByteArray cravingsFile(const QList<journey::Craving> &cravings)
{
    QByteArray file = journey::cravingsHeader();
    for (const journey::Craving &craving : cravings)
        file += journey::cravingRecord(craving);
    return file;
}

const QList<journey::Craving> twoCravings = {
    {QDateTime(QDate(2026, 3, 13), QTime(9, 0)), 4, journey::Trigger::Coffee, QString(), journey::Outcome::Passed},
    {QDateTime(QDate(2026, 3, 14), QTime(8, 0)), 2, journey::Trigger::Coffee, QStringLiteral("with Tom"),
     journey::Outcome::Smoked}};

// The files are read beside the window; the figures show once they come.
bool figuresRead(TestProgram &program)
{
    const auto *tab = program.find<JourneyTab>("journeytab");
    return QTest::qWaitFor([tab] { return !tab->isBusy(); });
}

void openJourney(TestProgram &program)
{
    QVERIFY(program.startOnTab(journeyTab));
    QVERIFY(figuresRead(program));
}

} // namespace

void JourneyPanelsTest::builtWhenFirstOpened()
{
    TestProgram program;
    QVERIFY(program.startOnTab(0));
    QVERIFY(program.window().findChild<QWidget *>("journeytab"));
    QVERIFY(!program.window().findChild<QWidget *>("lbljourney"));
    QVERIFY(!chartsModuleLoaded());

    program.find<QTabWidget>("SSTab1")->setCurrentIndex(journeyTab);
    QVERIFY(chartsModuleLoaded());
    for (const char *name : {"lbljourney", "tbljourney", "chtattempts", "chtcravings", "chttriggers"})
        QVERIFY2(program.shown(name), name);
}

void JourneyPanelsTest::followsTheClockAndTheCravings()
{
    TestProgram program;
    CHECKED(writeHistory(program));
    QVERIFY(program.writeFile("data/journey/cravings.csv", cravingsFile(twoCravings)));
    CHECKED(openJourney(program));
    QVERIFY(program.text("lbljourney").startsWith("Attempts so far: 2\n"));
    QCOMPARE(program.label("lbljourney")->accessibleDescription(), program.text("lbljourney"));

    // At 21:05:34, this attempt (since 3 March, 22:00) reaches its next hour in 54:26, and waits until then.
    QCOMPARE(program.clock.now().time(), QTime(21, 5, 34));
    QTimer *timer = program.timer("tmrjourney");
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), (54 * 60 + 26) * 1000);
    const QString before = program.text("lbljourney");
    program.passTime(timer->interval());
    QVERIFY(figuresRead(program));
    QVERIFY(program.text("lbljourney") != before);

    // A craving logged from the tab, with nothing chosen, counts as not said.
    QVERIFY(program.click("cmdlogcraving"));
    QVERIFY(program.find<QListWidget>("lsttrigger")->selectedItems().isEmpty());
    QVERIFY(program.click("cmdpassed"));
    QTRY_VERIFY(program.find("chttriggers")->accessibleDescription().contains("Not said, 1 craving"));
}

void JourneyPanelsTest::saysWhatCannotBeShown_data()
{
    QTest::addColumn<QByteArray>("cravings");
    QTest::addColumn<bool>("module");
    QTest::addColumn<QString>("note");     // %1: the cravings file
    QTest::addColumn<QString>("sentence"); // the fifth, of the cravings

    const QByteArray good = cravingsFile(twoCravings);
    const QString twoLogged = "Cravings logged in the last 30 days: 2. 50% passed without a cigarette.";
    QTest::newRow("all well") << good << true << "" << twoLogged;
    QTest::newRow("a row not understood")
        << good + "yesterday,9,coffee,,passed\r\n"
        << true << "1 row of your cravings could not be read. It is kept in the file as it is." << twoLogged;
    // Said once, with why, and no count of cravings as if there were none.
    QTest::newRow("the file a folder") << QByteArray() << true
                                       << "%1 could not be read: it is a folder, not a file of cravings."
                                       << "Your cravings could not be read.";
    QTest::newRow("no charts module") << good << false
                                      << "The charts could not be shown; their figures are in the table below."
                                      << twoLogged;
}

void JourneyPanelsTest::saysWhatCannotBeShown()
{
    QFETCH(QByteArray, cravings);
    QFETCH(bool, module);
    QFETCH(QString, note);
    QFETCH(QString, sentence);
    TestProgram program;
    QTemporaryDir noModules;
    if (!module)
        program.environment().moduleFolder = noModules.path();
    CHECKED(writeHistory(program));
    if (cravings.isEmpty())
        QDir().mkpath(program.path("data/journey/cravings.csv/folder"));
    else
        QVERIFY(program.writeFile("data/journey/cravings.csv", cravings));
    CHECKED(openJourney(program));

    QVERIFY(program.text("lbljourney").startsWith("Attempts so far: 2\n"));
    QCOMPARE(program.text("lbljourney").split(u'\n').value(4), sentence);
    QVERIFY(program.shown("tbljourney"));
    QCOMPARE(program.shown("lbljourneynotes"), !note.isEmpty());
    QCOMPARE(program.text("lbljourneynotes"),
             note.contains("%1") ? note.arg(QDir::toNativeSeparators(program.path("data/journey/cravings.csv")))
                                 : note);
    QCOMPARE(program.window().findChild<QWidget *>("chtattempts") != nullptr, module);
    if (module)
        QVERIFY(program.find("chttriggers")
                    ->accessibleDescription()
                    .endsWith(cravings.isEmpty() ? "Your cravings could not be read." : "2 cravings."));
    else
        QVERIFY(program.label("lbljourneynotes")->accessibleDescription().contains(noModules.path()));
    QVERIFY(program.messages.shown.isEmpty());
}

void JourneyPanelsTest::savesAsCsv_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");

    QTest::newRow("named without a suffix") << "journey"
                                            << "journey.csv";
    QTest::newRow("named with one") << "mine.txt"
                                    << "mine.txt";
    QTest::newRow("cancelled") << ""
                               << "";
    QTest::newRow("a folder in the way") << "blocked/journey.csv"
                                         << "";
}

void JourneyPanelsTest::savesAsCsv()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QTemporaryDir folder;
    QVERIFY(writeFileAt(folder.filePath(QStringLiteral("blocked")), "a file, not a folder"));
    TestProgram program;
    CHECKED(writeHistory(program));
    QVERIFY(program.writeFile("data/journey/cravings.csv", cravingsFile(twoCravings)));
    CHECKED(openJourney(program));
    program.fileToSave = chosen.isEmpty() ? QString() : folder.filePath(chosen);
    QVERIFY(program.click("cmdsavecsv"));
    QVERIFY(figuresRead(program));

    QCOMPARE(program.saveQuestions.size(), 1);
    QVERIFY(program.saveQuestions.first().filter.contains("*.csv"));
    if (!written.isEmpty()) {
        QFile file(folder.filePath(written));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("with Tom"));
        QVERIFY(program.messages.shown.isEmpty());
    } else if (!chosen.isEmpty()) {
        QCOMPARE(program.messages.texts(),
                 QStringList{QStringLiteral("The journey could not be saved in %1: its folder %2 could not be created")
                                 .arg(QDir::toNativeSeparators(program.fileToSave),
                                      QDir::toNativeSeparators(folder.filePath(QStringLiteral("blocked"))))});
    } else {
        QVERIFY(program.messages.shown.isEmpty());
    }
}

// The countdown from 5:00 on the window's own clock, never below 0:00 and
// never closing by itself; the pacer four seconds in, six out.
void JourneyPanelsTest::rideItOutCountsDownAndBreathes_data()
{
    QTest::addColumn<qint64>("elapsed"); // milliseconds since the window opened
    QTest::addColumn<QString>("countdown");
    QTest::addColumn<QString>("breath");
    QTest::newRow("opened") << 0LL << "5:00"
                            << "Breathe in";
    QTest::newRow("a second in") << 1LL << "5:00"
                                 << "Breathe in";
    QTest::newRow("breathing out") << 4'000LL << "4:56"
                                   << "Breathe out";
    QTest::newRow("the next breath") << 10'000LL << "4:50"
                                     << "Breathe in";
    QTest::newRow("the last second") << 299'001LL << "0:01"
                                     << "Breathe out";
    QTest::newRow("over") << 300'000LL << "0:00"
                          << "Breathe in";
    QTest::newRow("long over") << 3'600'000LL << "0:00"
                               << "Breathe in";
    QTest::newRow("a clock set back") << -5'000LL << "5:00"
                                      << "Breathe in";
}

void JourneyPanelsTest::rideItOutCountsDownAndBreathes()
{
    QFETCH(qint64, elapsed);
    QFETCH(QString, countdown);
    QFETCH(QString, breath);
    TestProgram program;
    QVERIFY(program.writeFile("data/coach/personal.rtf", "{\\rtf1 For Lena\\par}"));
    QVERIFY(program.startOnTab(0));
    QVERIFY(program.click("cmdcravingnow"));
    auto *ride = program.find<RideItOutWindow>("frmrideitout");
    QVERIFY(ride);
    // The reasons come from the keeper's worker, after the window is up.
    QTRY_COMPARE(program.text("lblreasons"), QStringLiteral("For Lena"));
    qint64 now = 0;
    ride->setElapsedSource([&now] { return now; });
    now = elapsed;
    QVERIFY(program.tick("tmrrideitout") || !program.timer("tmrrideitout")->isActive());
    QVERIFY(program.tick("tmrbreathe"));
    QCOMPARE(program.text("lblcountdown"), countdown);
    QCOMPARE(program.find<QLabel>("lblstillthere")->isVisible(), countdown == QLatin1String("0:00"));
    QCOMPARE(program.text("lblbreathe"), breath);
    QVERIFY(ride->isVisible());
    QVERIFY(!program.exists("data/journey/cravings.csv"));
    // Out of sight, hidden or minimised, nothing of it ticks; back in sight, both go on.
    const bool counting = countdown != QLatin1String("0:00");
    for (const auto &[away, back] : {std::pair{&QWidget::hide, &QWidget::show},
                                     std::pair{&QWidget::showMinimized, &QWidget::showNormal}}) {
        (ride->*away)();
        QVERIFY(!program.timer("tmrbreathe")->isActive() && !program.timer("tmrrideitout")->isActive());
        (ride->*back)();
        QVERIFY(program.timer("tmrbreathe")->isActive());
        QCOMPARE(program.timer("tmrrideitout")->isActive(), counting);
        QCOMPARE(program.text("lblcountdown"), countdown);
    }
    // Paused, it is still, and says the whole way to breathe.
    QVERIFY(program.click("cmdpausebreathe"));
    QVERIFY(!program.timer("tmrbreathe")->isActive());
    QCOMPARE(program.text("lblbreathe"), QStringLiteral("Breathe in slowly for 4 seconds, then out for 6."));
    // Closed, nothing of it ticks.
    QVERIFY(program.click("cmdridepassed"));
    QTRY_VERIFY(!program.find<RideItOutWindow>("frmrideitout"));
}

// The nudge: one single-shot timer, set for ten minutes before the hour the
// cravings of the last 30 days most often came, shown once a day, never over
// the password lock, and only when asked for.
void JourneyPanelsTest::remindsBeforeTheUsualHour_data()
{
    QTest::addColumn<int>("cravings"); // at 23:10, one a day back from yesterday
    // By the check box, or by the file of an earlier run; "box, new plan": the
    // plan is changed in "My plans" once the nudge is set.
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<bool>("reminds");
    // The machine sleeps until then: the wall clock moves on, the timer's time does not.
    QTest::addColumn<QTime>("wakes");
    QTest::addColumn<int>("notes"); // the nudges shown, that day
    QTest::newRow("ten cravings, turned on") << 10 << "box" << QByteArray() << true << QTime() << 1;
    QTest::newRow("a plan changed after the nudge was set")
        << 10 << "box, new plan" << QByteArray() << true << QTime() << 1;
    QTest::newRow("nine are too few") << 9 << "box" << QByteArray() << false << QTime() << 0;
    QTest::newRow("off") << 10 << "" << QByteArray() << false << QTime() << 0;
    QTest::newRow("on from an earlier run, after the lock")
        << 12 << "file" << QByteArray("Abc\r\n0") << true << QTime() << 1;
    QTest::newRow("asleep at the moment, awake before the hour")
        << 10 << "box" << QByteArray() << true << QTime(22, 55) << 1;
    QTest::newRow("asleep until the hour has begun") << 10 << "box" << QByteArray() << true << QTime(23, 5) << 0;
}

void JourneyPanelsTest::remindsBeforeTheUsualHour()
{
    QFETCH(int, cravings);
    QFETCH(QString, asked);
    QFETCH(QByteArray, password);
    QFETCH(bool, reminds);
    QFETCH(QTime, wakes);
    QFETCH(int, notes);
    TestProgram program;
    RecordingTray tray;
    program.environment().tray = &tray;
    QByteArray file = journey::cravingsHeader();
    for (int day = 1; day <= cravings; ++day) {
        journey::Craving craving{QDateTime(program.clock.now().date().addDays(-day), QTime(23, 10)), 3,
                                 journey::Trigger::Coffee};
        file += journey::cravingRecord(craving);
    }
    QVERIFY(program.writeFile("data/journey/cravings.csv", file));
    QVERIFY(program.writeFile("data/journey/plans.csv", "trigger,plan\r\ncoffee,drink water first.\r\n"));
    if (asked == "file")
        QVERIFY(program.writeFile("data/settings/preferences.ini", "[reminder]\nbeforeUsualHour=true\n"));
    if (!password.isEmpty()) {
        QVERIFY(program.writeSettings(password));
        QVERIFY(program.writeRunningProfile(QDateTime(QDate(2026, 3, 3), QTime(22, 0, 0))));
        program.start();
        program.find<QLineEdit>("txtpasswordinput")->setText(QStringLiteral("Abc"));
        QVERIFY(program.click("cmdpasscheck") && program.answer({"cmdno"}));
    } else {
        QVERIFY(program.startOnTab(journeyTab));
    }
    if (asked.startsWith("box"))
        QVERIFY(program.click("chkremind"));
    QTimer *reminder = program.timer("tmrreminder");
    QVERIFY(reminder);
    QTRY_COMPARE(reminder->isActive(), reminds);
    const QString plan = asked.endsWith("new plan") ? QStringLiteral("walk round the block.") : "drink water first.";
    if (asked.endsWith("new plan")) {
        QVERIFY(program.click("cmdmyplans"));
        program.find<QLineEdit>("txtplancoffee")->setText(plan);
        QVERIFY(program.click("cmdsaveplans"));
        QTRY_VERIFY(!program.shown("frmplans"));
        // What the counter said to the tray while the dialog had the focus is not the nudge.
        program.window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&program.window()));
        tray.notes.clear();
    }
    if (!reminds)
        return;
    // Some minutes after nine in the evening now; the nudge at 22:50, or within a minute of the wake.
    const QDate today = program.clock.now().date();
    if (wakes.isValid())
        program.clock.set(QDateTime(today, wakes));
    const qint64 wait = wakes.isValid() ? 60 * 1000 : program.clock.now().msecsTo(QDateTime(today, QTime(22, 50)));
    program.passTime(int(wait - 1));
    QVERIFY(tray.notes.isEmpty() || wakes.isValid());
    program.passTime(1);
    QCOMPARE(tray.notes.size(), notes);
    if (notes == 0)
        return;
    QCOMPARE(tray.notes.last(),
             QStringLiteral("Your usual craving hour is coming. Your plan: When Coffee, I will ") + plan);
    // Not again today, though the clock is set back: the file knows it for the next run too.
    QTRY_VERIFY(reminder->isActive());
    program.clock.set(QDateTime(today, QTime(22, 45)));
    program.passTime(20 * 60 * 1000);
    QCOMPARE(tray.notes.size(), 1);
    // Written by the keeper beside the window.
    QTRY_VERIFY(program.readFile("data/settings/preferences.ini").contains("lastShown=2026-03-14"));
}

QTEST_MAIN(JourneyPanelsTest)
#include "tst_journey_panels.moc"
