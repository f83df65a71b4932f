#include "cravinglog/cravings.h"
#include "encourage/cravingwords.h"
#include "moment/cravingdialog.h"
#include "moment/plans.h"
#include "moment/rideitoutwindow.h"
#include "platform/instancechannel.h"
#include "platform/instanceguard.h"
#include "records/datafiles.h"
#include "support/checked.h"
#include "support/testwindow.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

// Logging a craving: the dialog through to the file, every way into it, and
// the desktop's action reaching a copy that runs.
class JourneyLoggingTest : public QObject
{
    Q_OBJECT
private slots:
    void slipIsSavedAndTheCounterRunsOn_data();
    void slipIsSavedAndTheCounterRunsOn();
    void noteKeptWithinLimit_data();
    void noteKeptWithinLimit();
    void requestWaitsForTheUnlockedCounter_data();
    void requestWaitsForTheUnlockedCounter();
    void smokingAgainOffersTheReset_data();
    void smokingAgainOffersTheReset();
    void rideItOutLogsToTheFile_data();
    void rideItOutLogsToTheFile();
    void typedPlanIsNeverLost_data();
    void typedPlanIsNeverLost();
    void desktopActionReachesRunningCopy_data();
    void desktopActionReachesRunningCopy();
};

namespace {

QWidget *openWindow(const TestProgram &program, const char *name)
{
    auto *window = program.find<QWidget>(name);
    return window && window->isVisible() ? window : nullptr;
}

QDialog *openDialog(const TestProgram &program)
{
    return qobject_cast<QDialog *>(openWindow(program, "frmcraving"));
}

QString cravingsFile(TestProgram &program)
{
    return program.path("data/") + QString::fromLatin1(datafiles::entry(datafiles::File::Cravings).path);
}

// The craving dialog's choices, then "I smoked".
void logSmoked(TestProgram &program, const QString &note)
{
    QTest::keyClick(&program.window(), Qt::Key_L, Qt::ControlModifier);
    QVERIFY(openDialog(program));
    QVERIFY(program.click("optstrength5"));
    program.find<QListWidget>("lsttrigger")->setCurrentRow(2);
    QTest::keyClicks(program.find<QPlainTextEdit>("txtcravingnote"), note);
    QVERIFY(program.click("cmdsmoked"));
}

// The program's running copy, with the quit running and the relapse question answered.
void startCounter(TestProgram &program)
{
    QVERIFY(program.startOnTab(0));
    program.window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&program.window()));
}

} // namespace

void JourneyLoggingTest::slipIsSavedAndTheCounterRunsOn_data()
{
    QTest::addColumn<bool>("link");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a folder in the file's place") << false << "it is a folder, not a file of cravings";
    // Planted by someone who could once write in the folder: the file it
    // leads to is neither read nor written.
    QTest::newRow("a link that leads out of the folder")
        << true << "it is a link to %1, outside the folder of your files";
}

// Something stands where the file goes at first, then the save succeeds.
void JourneyLoggingTest::slipIsSavedAndTheCounterRunsOn()
{
    QFETCH(bool, link);
    QFETCH(QString, reason);
    TestProgram program;
    const QString file = cravingsFile(program);
    QTemporaryDir elsewhere;
    const QString outside = elsewhere.filePath(QStringLiteral(".profile"));
    QVERIFY(writeFileAt(outside, "export PATH\n"));
    QVERIFY(link ? QDir().mkpath(QFileInfo(file).path()) && QFile::link(outside, file) : QDir().mkpath(file));
    CHECKED(startCounter(program));
    const QByteArray profile = program.readFile("data/settings/data.dat");
    QSignalSpy logged(&program.window(), &MainWindow::cravingLogged);
    QTest::keyClick(&program.window(), Qt::Key_L, Qt::ControlModifier);
    QVERIFY(openDialog(program));
    QVERIFY(program.click("optstrength5"));
    program.find<QListWidget>("lsttrigger")->setCurrentRow(2);
    auto *note = program.find<QPlainTextEdit>("txtcravingnote");
    const QString kept = QStringLiteral("After lunch");
    QTest::keyClicks(note, kept);
    program.find<QComboBox>("cbocravingwhen")->setCurrentIndex(3);
    QVERIFY(program.click("cmdsmoked"));
    QVERIFY(program.click("cmdslip"));
    program.find<QLineEdit>("txtslipwhere")->setText(QStringLiteral("At the pub"));
    QVERIFY(program.click("cmdslipnext"));

    // The file named once, the reason once.
    if (link)
        reason = reason.arg(QDir::toNativeSeparators(outside));
    QTRY_COMPARE(
        program.messages.texts(),
        QStringList{
            QStringLiteral("The craving could not be saved in %1: %2").arg(QDir::toNativeSeparators(file), reason)});
    QFile untouched(outside);
    QVERIFY(untouched.open(QIODevice::ReadOnly));
    QCOMPARE(untouched.readAll(), QByteArray("export PATH\n"));
    QVERIFY(openDialog(program));
    QCOMPARE(note->toPlainText(), kept);
    QVERIFY(program.find<QAbstractButton>("optstrength5")->isChecked());
    QCOMPARE(logged.count(), 0);
    QTRY_VERIFY(!program.find<QDialog>("frmslip"));

    QVERIFY(link ? QFile::remove(file) : QDir().rmdir(file));
    const QDateTime pressed = program.clock.now();
    QVERIFY(program.click("cmdsmoked"));
    QVERIFY(program.click("cmdslip"));
    program.find<QLineEdit>("txtslipwhere")->setText(QStringLiteral("At the pub"));
    program.find<QLineEdit>("txtslipwith")->setText(QStringLiteral("Tom"));
    QVERIFY(program.click("cmdslipnext"));
    // Logged as soon as the answers are given, whatever comes after.
    QTRY_COMPARE(logged.count(), 1);
    const journey::Trigger trigger = journey::triggerNames().value(2).trigger;
    program.find<QLineEdit>("txtnextplan")->setText(QStringLiteral("order a soft drink first"));
    QVERIFY(program.click("cmdkeepplan"));
    QTRY_VERIFY(openWindow(program, "cmdslipdone"));
    QVERIFY(program.click("cmdslipdone"));
    QTRY_VERIFY(!openDialog(program));
    const journey::Craving expected{pressed.addSecs(-3600), 5, trigger,
                                    kept + QStringLiteral("; where: At the pub; with: Tom"), journey::Outcome::Smoked};
    QCOMPARE(journey::CravingFile(file).read().cravings, QList<journey::Craving>{expected});
    QCOMPARE(journey::PlansFile::ofUser(program.environment()).read().plan(trigger),
             QStringLiteral("order a soft drink first"));
    QCOMPARE(logged.count(), 1);
    // A slip is not a relapse: the counter runs on from the same stop.
    QCOMPARE(program.readFile("data/settings/data.dat"), profile);
    program.passTime(1000);
    QCOMPARE(program.text("lbldays"), QStringLiteral("10"));
    ScriptedRandom firstDraw;
    QCOMPARE(program.text("lblmaincomp"), wordsAfterSlip(firstDraw));
}

// However it comes, what goes over the limit is taken off the end of what
// came in, and never half of a character that takes two.
void JourneyLoggingTest::noteKeptWithinLimit_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("kept");
    const QString twoPart = QStringLiteral("\U0001F600");
    const QString lunch = QStringLiteral("After lunch, ");
    QTest::newRow("over the limit") << QString(250, u'x') << lunch + QString(journey::maximumNoteLength - 13, u'x');
    QTest::newRow("a two-part character across the limit") << QString(journey::maximumNoteLength - 14, u'x') + twoPart
                                                           << lunch + QString(journey::maximumNoteLength - 14, u'x');
    QTest::newRow("a two-part character at the limit")
        << QString(journey::maximumNoteLength - 15, u'x') + twoPart
        << lunch + QString(journey::maximumNoteLength - 15, u'x') + twoPart;
}

void JourneyLoggingTest::noteKeptWithinLimit()
{
    QFETCH(QString, pasted);
    QFETCH(QString, kept);
    TestProgram program;
    CravingDialog dialog(program.environment(), nullptr);
    dialog.setAttribute(Qt::WA_DeleteOnClose, false);
    auto *note = dialog.findChild<QPlainTextEdit *>(QStringLiteral("txtcravingnote"));
    note->insertPlainText(QStringLiteral("After lunch, "));
    note->insertPlainText(pasted);
    QCOMPARE(note->toPlainText(), kept);
}

// Smoking again: a word on what stays, and the reset only through its own
// confirmation.
void JourneyLoggingTest::smokingAgainOffersTheReset_data()
{
    QTest::addColumn<QStringList>("presses");
    QTest::addColumn<bool>("reset");
    QTest::newRow("confirmed") << QStringList{"cmdgotoreset", "cmdyessmoke", "cmdyes"} << true;
    QTest::newRow("No at the confirmation") << QStringList{"cmdgotoreset", "cmdyessmoke", "cmdno"} << false;
    QTest::newRow("not now") << QStringList{"cmdnotreset"} << false;
}

void JourneyLoggingTest::smokingAgainOffersTheReset()
{
    QFETCH(QStringList, presses);
    QFETCH(bool, reset);
    TestProgram program;
    CHECKED(startCounter(program));
    const QByteArray profile = program.readFile("data/settings/data.dat");
    CHECKED(logSmoked(program, QStringLiteral("After lunch")));
    QVERIFY(program.click("cmdsmokingagain"));
    QTRY_VERIFY(openWindow(program, "lblsmokingagain"));
    QCOMPARE(program.text("lblsmokingagain"),
             QStringLiteral("Every attempt you made stays on your journey, and your longest run still counts."));
    // Logged before the reset is offered: the journey keeps it either way.
    QCOMPARE(journey::CravingFile(cravingsFile(program)).read().cravings.size(), 1);
    QCOMPARE(program.readFile("data/settings/data.dat"), profile);
    QVERIFY(program.answer(presses));
    QVERIFY(!openDialog(program));
    QTRY_COMPARE(program.exists("data/settings/data.dat"), !reset);
    QCOMPARE(QDir(program.path("data/settings/history")).entryList(QDir::Files).size(), reset ? 1 : 0);
}

// Riding out a craving, from each way in through to the file: the seconds
// the window was open, the steps ticked, and the window gone.
void JourneyLoggingTest::rideItOutLogsToTheFile_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<QString>("ending");
    QTest::addColumn<qint64>("elapsed");  // milliseconds on the monotonic clock
    QTest::addColumn<QByteArray>("tail"); // of the record: seconds and steps
    QTest::newRow("Ctrl+K, It passed") << "shortcut"
                                       << "cmdridepassed" << 73'900LL << QByteArray(",73,walk;water\r\n");
    QTest::newRow("the tray's first entry, closed, Return")
        << "tray"
        << "Return" << 301'000LL << QByteArray(",301,walk;water\r\n");
    // A clock set back never makes the time negative.
    QTest::newRow("the counter's button, closed, Yes")
        << "counter"
        << "cmdclosepassed" << -5'000LL << QByteArray(",0,walk;water\r\n");
    QTest::newRow("the journey's button, closed without it") << "journey"
                                                             << "cmdclosewithout" << 10'000LL << QByteArray();
}

void JourneyLoggingTest::rideItOutLogsToTheFile()
{
    QFETCH(QString, way);
    QFETCH(QString, ending);
    QFETCH(qint64, elapsed);
    QFETCH(QByteArray, tail);
    TestProgram program;
    RecordingTray tray;
    program.environment().tray = &tray;
    CHECKED(startCounter(program));
    if (way == "shortcut")
        QTest::keyClick(&program.window(), Qt::Key_K, Qt::ControlModifier);
    else if (way == "tray")
        emit tray.cravingNowRequested();
    else if (way == "counter")
        QVERIFY(program.click("cmdcravingnow"));
    else {
        program.find<QTabWidget>("SSTab1")->setCurrentIndex(5);
        QVERIFY(program.click("cmdjourneycravingnow"));
    }
    auto *ride = qobject_cast<RideItOutWindow *>(openWindow(program, "frmrideitout"));
    QVERIFY(ride);
    QVERIFY(ride->isActiveWindow() || QTest::qWaitForWindowActive(ride));
    ride->setElapsedSource([elapsed] { return elapsed; });
    program.find<QComboBox>("cbotrigger")->setCurrentIndex(1);
    QVERIFY(program.click("chkstepwater") && program.click("chkstepwalk"));
    if (ending.startsWith(QLatin1String("cmdride"))) {
        QVERIFY(program.click(ending.toLatin1().constData()));
    } else {
        QTest::keyClick(ride, Qt::Key_Escape);
        QVERIFY(openWindow(program, "msgrideclose"));
        if (ending == "Return")
            QTest::keyClick(program.find<QWidget>("msgrideclose"), Qt::Key_Return);
        else
            QVERIFY(program.click(ending.toLatin1().constData()));
    }
    QTRY_VERIFY(!program.window().findChild<RideItOutWindow *>("frmrideitout"));
    const QByteArray bytes = program.readFile("data/journey/cravings.csv");
    if (tail.isEmpty()) {
        QVERIFY(!program.exists("data/journey/cravings.csv"));
        return;
    }
    QVERIFY2(bytes.endsWith(tail), bytes.constData());
    QCOMPARE(bytes.count('\n'), 2);
}

// A plan typed in "Ride it out", in the slip dialog after it, or in "My
// plans" meanwhile: Enter saves it, Escape passes it by, the window is never
// left with it unsaved, and every open window shows the plan saved. A step is
// a button, "line=plan" typed, "control?text" that it shows (_ for a space), a
// key in that line, "close" for the slip dialog, "myplans" from the journey,
// "block": a folder where the plans file goes, "jam": one where the cravings
// go, or "behind": the plans file changed behind the program's back, which it
// never reads again.
void JourneyLoggingTest::typedPlanIsNeverLost_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("plan"); // for Coffee, in the file at the end
    QTest::addColumn<QString>("open"); // the windows still open
    QTest::addColumn<int>("cravings");
    QTest::addColumn<QString>("kept"); // the line left holding the plan the file could not take
    const QString walk = QStringLiteral("walk");
    const QString before = QStringLiteral("drink water first.");
    const QString edit = QStringLiteral("cmdchangeplan txtrideplan=walk ");
    const QString slip = QStringLiteral("cmdridesmoked cmdslip cmdslipnext txtnextplan=walk ");
    QTest::newRow("Enter") << edit + "Return" << walk << "frmrideitout" << 0 << "";
    QTest::newRow("Escape") << edit + "Escape" << before << "frmrideitout" << 0 << "";
    QTest::newRow("It passed") << edit + "cmdridepassed" << walk << "" << 1 << "";
    QTest::newRow("I smoked") << edit + "cmdridesmoked" << walk << "frmrideitout frmslip" << 0 << "";
    QTest::newRow("not saved") << edit + "block cmdridepassed"
                               << ""
                               << "frmrideitout" << 0 << "txtrideplan";
    QTest::newRow("slip, Enter") << slip + "Return" << walk << "frmrideitout frmslip" << 1 << "";
    QTest::newRow("slip, Escape") << slip + "Escape" << before << "frmrideitout frmslip" << 1 << "";
    QTest::newRow("slip closed") << slip + "close" << walk << "" << 1 << "";
    QTest::newRow("slip not saved") << slip + "block close"
                                    << ""
                                    << "frmrideitout frmslip" << 1 << "txtnextplan";
    QTest::newRow("changed in My plans")
        << "behind myplans txtplancoffee?drink_water_first. txtplancoffee=walk cmdsaveplans lblplan?walk "
           "cmdchangeplan txtrideplan?walk Escape"
        << walk << "frmrideitout" << 0 << "";
    QTest::newRow("craving not saved") << "chkstepwater jam cmdridepassed lblplan?drink_water_first. chkstepwater?"
                                       << before << "frmrideitout" << 0 << "";
}

void JourneyLoggingTest::typedPlanIsNeverLost()
{
    QFETCH(QString, steps);
    QFETCH(QString, open);
    QFETCH(QString, kept);
    TestProgram program;
    QVERIFY(program.writeFile("data/journey/plans.csv", "trigger,plan\r\ncoffee,drink water first.\r\n"));
    CHECKED(startCounter(program));
    QVERIFY(program.click("cmdcravingnow"));
    auto *ride = qobject_cast<RideItOutWindow *>(openWindow(program, "frmrideitout"));
    QVERIFY(ride && QTest::qWaitFor([ride] { return !ride->isReading(); }));
    auto *trigger = program.find<QComboBox>("cbotrigger");
    trigger->setCurrentIndex(trigger->findData(static_cast<int>(journey::Trigger::Coffee)));
    const QString plans = program.path("data/journey/plans.csv");
    QLineEdit *typedInto = nullptr;
    for (const QString &step : steps.split(u' ')) {
        if (const QStringList typing = step.split(u'='); typing.size() == 2) {
            typedInto = program.find<QLineEdit>(typing[0].toLatin1().constData());
            QTRY_VERIFY(typedInto && typedInto->isVisible());
            typedInto->clear();
            typedInto->setFocus();
            QTest::keyClicks(typedInto, typing[1]);
        } else if (step == "Return" || step == "Escape") {
            QTest::keyClick(typedInto, step == "Return" ? Qt::Key_Return : Qt::Key_Escape);
        } else if (step == "close") {
            program.find<QDialog>("frmslip")->close();
        } else if (const QStringList shows = step.split(u'?'); shows.size() == 2) {
            auto *control = program.find<QWidget>(shows[0].toLatin1().constData());
            auto *line = qobject_cast<QLineEdit *>(control);
            auto *box = qobject_cast<QAbstractButton *>(control);
            const QString wanted = QString(shows[1]).replace(u'_', u' ');
            QTRY_VERIFY2(control && control->isVisible() &&
                             (box ? box->isChecked()
                                  : (line ? line->text() : program.text(shows[0].toLatin1())).contains(wanted)),
                         qPrintable(step));
            if (line)
                typedInto = line;
        } else if (step == "block") {
            QVERIFY(QFile::remove(plans) && QDir().mkpath(plans));
        } else if (step == "jam") {
            QVERIFY(QDir().mkpath(cravingsFile(program)));
        } else if (step == "behind") {
            QVERIFY(program.writeFile("data/journey/plans.csv", "trigger,plan\r\ncoffee,smoke.\r\n"));
        } else if (step == "myplans") {
            program.find<QTabWidget>("SSTab1")->setCurrentIndex(5);
            QVERIFY(program.click("cmdmyplans"));
        } else {
            QTRY_VERIFY2(openWindow(program, step.toLatin1().constData()), qPrintable(step));
            QVERIFY2(program.click(step.toLatin1().constData()), qPrintable(step));
        }
    }
    for (const char *window : {"frmrideitout", "frmslip"})
        QTRY_COMPARE(openWindow(program, window) != nullptr, open.contains(QLatin1String(window)));
    QFETCH(QString, plan);
    QFETCH(int, cravings);
    QTRY_COMPARE(journey::PlansFile::ofUser(program.environment()).read().plan(journey::Trigger::Coffee), plan);
    QTRY_COMPARE(int(journey::CravingFile(cravingsFile(program)).read().cravings.size()), cravings);
    const auto *line = program.find<QLineEdit>(kept.isEmpty() ? "txtrideplan" : kept.toLatin1().constData());
    QTRY_COMPARE(line && line->isVisible() && line->text() == "walk", !kept.isEmpty());
    const QString notSaved = QStringLiteral("Your plan could not be saved in %1: it is a folder, not a file of plans");
    QStringList said;
    if (!kept.isEmpty())
        said << notSaved.arg(QDir::toNativeSeparators(plans));
    if (steps.contains(QLatin1String("jam")))
        said << QStringLiteral("The craving could not be saved in %1: it is a folder, not a file of cravings")
                    .arg(QDir::toNativeSeparators(cravingsFile(program)));
    QTRY_COMPARE(program.messages.texts(), said);
}

void JourneyLoggingTest::requestWaitsForTheUnlockedCounter_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("cancel"); // left by Cancel, else by Escape
    QTest::newRow("Ctrl+L") << "shortcut" << false;
    QTest::newRow("the tray's menu") << "tray" << true;
    QTest::newRow("the desktop's action, through the running copy") << "desktop" << false;
}

void JourneyLoggingTest::requestWaitsForTheUnlockedCounter()
{
    QFETCH(QString, way);
    QFETCH(bool, cancel);
    TestProgram program;
    RecordingTray tray;
    program.environment().tray = &tray;
    QVERIFY(program.writeSettings("Abc\r\n0"));
    QVERIFY(program.writeRunningProfile(QDateTime(QDate(2026, 3, 3), QTime(22, 0, 0))));
    program.start();
    program.window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&program.window()));
    const auto ask = [&] {
        if (way == "shortcut")
            QTest::keyClick(&program.window(), Qt::Key_L, Qt::ControlModifier);
        else if (way == "tray")
            emit tray.cravingLogRequested();
        else
            emit program.instanceGuard.requested(InstanceGuard::Request::LogCraving);
    };

    ask();
    QVERIFY(!openDialog(program));
    program.find<QLineEdit>("txtpasswordinput")->setText(QStringLiteral("Abc"));
    QVERIFY(program.click("cmdpasscheck"));
    // Unlocked, the relapse question comes first, then the counter and the dialog.
    QVERIFY(!openDialog(program));
    QVERIFY(program.answer({"cmdno"}));
    QDialog *dialog = openDialog(program);
    QVERIFY(dialog);
    // Asked again, the same dialog comes up.
    if (way != "shortcut")
        ask();
    QCOMPARE(program.window().findChildren<QDialog *>(QStringLiteral("frmcraving")).size(), 1);
    // Escape, or Cancel, leaves without logging.
    if (cancel)
        QVERIFY(program.click("cmdcancel"));
    else
        QTest::keyClick(dialog, Qt::Key_Escape);
    QVERIFY(!openDialog(program));
    QVERIFY(!program.exists("data/journey"));
}

// The copy started from the desktop's action, as the desktop entry starts it,
// hands the request to the copy that runs and ends; a plain second start
// does not, and gets the usual message.
void JourneyLoggingTest::desktopActionReachesRunningCopy_data()
{
    QTest::addColumn<QByteArray>("action");
    QTest::addColumn<QByteArray>("window");
    QTest::newRow("Log a craving") << QByteArray("log-craving") << QByteArray("frmcraving");
    QTest::newRow("Craving now") << QByteArray("craving-now") << QByteArray("frmrideitout");
}

void JourneyLoggingTest::desktopActionReachesRunningCopy()
{
    QFETCH(QByteArray, action);
    QFETCH(QByteArray, window);
    QFile entry(QStringLiteral(DESKTOP_ENTRY));
    QVERIFY(entry.open(QIODevice::ReadOnly));
    const QByteArray text = entry.readAll();
    const qsizetype group = text.indexOf("[Desktop Action " + action + "]");
    QVERIFY(group >= 0);
    const qsizetype exec = text.indexOf("\nExec=", group) + 6;
    QStringList arguments = QString::fromUtf8(text.mid(exec, text.indexOf('\n', exec) - exec)).split(u' ');
    QCOMPARE(arguments.takeFirst(), QStringLiteral("@LAUNCHER@"));

    QTemporaryDir runtime;
    const QString programFile = QStringLiteral(CLEARWIND_PROGRAM);
    LockFileInstanceGuard guard(QFileInfo(programFile).absolutePath() + QStringLiteral("/data"), runtime.path());
    TestProgram program;
    program.environment().instanceGuard = &guard;
    CHECKED(startCounter(program));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    QProcess plainStart;
    plainStart.setProcessEnvironment(environment);
    plainStart.start(programFile, {});
    QVERIFY(plainStart.waitForStarted(10000));
    // Were it to take the desktop's way, it would be gone by now.
    QTest::qWait(instancechannel::answerTime);
    QCOMPARE(plainStart.state(), QProcess::Running);
    QVERIFY(!openWindow(program, window.constData()));
    plainStart.kill();
    plainStart.waitForFinished(10000);

    QProcess fromDesktop;
    fromDesktop.setProcessEnvironment(environment);
    fromDesktop.start(programFile, arguments);
    QTRY_VERIFY_WITH_TIMEOUT(fromDesktop.state() == QProcess::NotRunning, 20000);
    QCOMPARE(fromDesktop.exitCode(), 0);
    QTRY_VERIFY(openWindow(program, window.constData()));
}

QTEST_MAIN(JourneyLoggingTest)
#include "tst_moment_windows.moc"
