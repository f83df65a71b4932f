#include "support/checked.h"
#include "support/testwindow.h"

#include <QTabWidget>
#include <QTest>

// The counter's companions in the running window: when the statistics, stars,
// milestone messages, greeting and tips appear, and which panels keep them away.
class CompanionsTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void statisticsAndStarsAfterTheCounter();
    void unreadableMoneyKeepsItsSentence();
    void deathsCountOnTheCompanionsClick();
    void milestoneWritesDoctorOnlyOnHisMainPanel_data();
    void milestoneWritesDoctorOnlyOnHisMainPanel();
    void greetingComesOnceAndOnlyAfterMinuteZero_data();
    void greetingComesOnceAndOnlyAfterMinuteZero();
    void tipsRespectOpenPanels_data();
    void tipsRespectOpenPanels();
    void openFactKeepsTheProfessorsComment();
    void noTipsInTheFirstTenMinutes();
    void missingTipFilesGiveTheFallbacks();
    void longSentencesWrapInsideTheWindow();
    void trayFollowsTheCounter();
};

namespace {

// A quit running since the given stretch of time before the clock.
void startRunning(TestProgram &program, qint64 days, int hours, int minutes, int seconds = 0,
                  const QString &money = QStringLiteral("6.50"))
{
    const QDateTime now(QDate(2026, 6, 10), QTime(12, 0, 0));
    program.clock.set(now);
    QVERIFY(program.writeRunningProfile(now.addDays(-days).addSecs(-(hours * 3600 + minutes * 60 + seconds)),
                                        QStringLiteral("Ann"), 20, money));
    program.start();
    QVERIFY(program.click("cmdno"));
    QVERIFY(program.tick("tmrcount"));
}

void writeTips(TestProgram &program, const QByteArray &coach, const QByteArray &professor)
{
    QVERIFY(program.writeFile("data/coach/randomcoach.txt", coach));
    QVERIFY(program.writeFile("data/prof/randomprof.txt", professor));
}

} // namespace

void CompanionsTest::statisticsAndStarsAfterTheCounter()
{
    TestProgram program;
    startRunning(program, 2, 5, 30);
    QCOMPARE(program.text("lblcigcount"), QStringLiteral("----"));
    QVERIFY(program.tick("timerrest"));
    QCOMPARE(program.text("lblcigcount"), QStringLiteral("You have NOT smoked 44 cigarettes."));
    QCOMPARE(program.text("lblminsaved"), QStringLiteral("You have NOT wasted 220 minutes on smoking."));
    QCOMPARE(program.text("lblmoneysaved"), QStringLiteral("You saved 14.35 euro."));
    QCOMPARE(program.text("lbllifeext"), QStringLiteral("You have extended your life by 484 minutes."));
    QCOMPARE(program.timer("timerrest")->interval(), 10000);
    // Two days: the stars for 24 hours and for taste and smell.
    const bool expected[] = {true, true, true, false, false, false, false, false, false, false};
    for (int index = 0; index < 10; ++index) {
        QCOMPARE(program.shown(QStringLiteral("s%1").arg(index + 1).toLatin1()), expected[index]);
        QCOMPARE(program.shown(QStringLiteral("star(%1)").arg(index).toLatin1()), expected[index]);
    }
}

void CompanionsTest::unreadableMoneyKeepsItsSentence()
{
    TestProgram program;
    startRunning(program, 1, 0, 0, 0, QStringLiteral("lots"));
    QVERIFY(program.tick("timerrest"));
    QCOMPARE(program.text("lblmoneysaved"), QStringLiteral("----"));
    QCOMPARE(program.text("lblcigcount"), QStringLiteral("You have NOT smoked 20 cigarettes."));
}

void CompanionsTest::deathsCountOnTheCompanionsClick()
{
    TestProgram program;
    startRunning(program, 0, 23, 59);
    QVERIFY(program.click("imgsmiley"));
    QCOMPARE(program.text("lblmaincomp"),
             QStringLiteral("There have been 12974 smoking related deaths since you stopped smoking."));
}

void CompanionsTest::milestoneWritesDoctorOnlyOnHisMainPanel_data()
{
    QTest::addColumn<QString>("openPanel");
    QTest::addColumn<bool>("doctorWritten");
    QTest::newRow("main panel") << "" << true;
    QTest::newRow("withdrawal symptoms") << "cmdifeel" << false;
    QTest::newRow("weight") << "cmdweight" << false;
    QTest::newRow("disease stats") << "cmddesstats" << false;
    QTest::newRow("body monitor") << "cmdbodyfunctions" << false;
}

void CompanionsTest::milestoneWritesDoctorOnlyOnHisMainPanel()
{
    QFETCH(QString, openPanel);
    QFETCH(bool, doctorWritten);
    TestProgram program;
    startRunning(program, 0, 0, 45);
    auto *tabs = program.find<QTabWidget>("SSTab1");
    tabs->setCurrentIndex(1);
    if (!openPanel.isEmpty())
        QVERIFY(program.click(openPanel.toLatin1()));
    const QString doctorBefore = program.text("lbldocsay");
    // Another tab in front does not stop the doctor's remarks.
    tabs->setCurrentIndex(0);

    QVERIFY(program.tick("timersmilesay"));
    QCOMPARE(program.text("lblmaincomp"), QStringLiteral("More then 40 minutes smoke free. well done."));
    QCOMPARE(program.text("lbldocsay"),
             doctorWritten ? QStringLiteral("Good job, you bloodpressure is back to a normal level now.")
                           : doctorBefore);
    QCOMPARE(program.timer("timersmilesay")->interval(), 60000);
}

void CompanionsTest::greetingComesOnceAndOnlyAfterMinuteZero_data()
{
    QTest::addColumn<int>("minutes");
    QTest::addColumn<double>("draw");
    QTest::addColumn<QString>("greeting");
    QTest::newRow("minute 0") << 0 << 0.5 << "";
    QTest::newRow("first") << 1 << 0.0 << "Welcome back.";
    QTest::newRow("second") << 12 << 0.17 << "Hi again.";
    QTest::newRow("third") << 30 << 0.34 << "Good job!";
    QTest::newRow("fourth") << 45 << 0.5 << "Well done!";
    QTest::newRow("fifth") << 59 << 0.7 << "Good to see you again!";
    QTest::newRow("sixth") << 7 << 0.99 << "Very nice!";
}

void CompanionsTest::greetingComesOnceAndOnlyAfterMinuteZero()
{
    QFETCH(int, minutes);
    QFETCH(double, draw);
    QFETCH(QString, greeting);
    TestProgram program;
    startRunning(program, 2, 3, minutes);
    program.random.draws = {draw};
    QVERIFY(program.tick("tmrrandomgr"));
    QCOMPARE(program.text("lblmaincomp"), greeting);
    QVERIFY(!program.timer("tmrrandomgr")->isActive());
    // Nothing was drawn at minute 0.
    QCOMPARE(program.random.draws.size(), greeting.isEmpty() ? 1 : 0);
}

void CompanionsTest::tipsRespectOpenPanels_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("openPanel");
    QTest::addColumn<bool>("coachSays");
    QTest::newRow("main panels") << 3 << "" << true;
    QTest::newRow("troubles open") << 3 << "cmdtroublewith" << false;
    QTest::newRow("things open") << 3 << "cmdthings" << false;
    QTest::newRow("personal open") << 3 << "cmdpersonal" << false;
    QTest::newRow("reasons open") << 3 << "Command1" << false;
    QTest::newRow("another tab in front") << 0 << "" << true;
}

void CompanionsTest::tipsRespectOpenPanels()
{
    QFETCH(int, tab);
    QFETCH(QString, openPanel);
    QFETCH(bool, coachSays);
    TestProgram program;
    CHECKED(writeTips(program, "Coach one\r\nCoach two\r\n", "Professor one\r\n"));
    startRunning(program, 0, 0, 10);
    program.find<QTabWidget>("SSTab1")->setCurrentIndex(3);
    if (!openPanel.isEmpty())
        QVERIFY(program.click(openPanel.toLatin1()));
    program.find<QTabWidget>("SSTab1")->setCurrentIndex(tab);
    const QString coachBefore = program.text("lblcoachsay");
    program.random.draws = {0.6, 0.2};
    QVERIFY(program.tick("timercoachandteacher"));
    QCOMPARE(program.text("lblcoachsay"), coachSays ? QStringLiteral("Coach two") : coachBefore);
    QCOMPARE(program.text("lblprofsay"), QStringLiteral("Professor one"));
}

void CompanionsTest::openFactKeepsTheProfessorsComment()
{
    TestProgram program;
    CHECKED(writeTips(program, "Coach\r\n", "Professor\r\n"));
    startRunning(program, 3, 0, 0);
    program.find<QTabWidget>("SSTab1")->setCurrentIndex(2);
    // A fact open in the professor's box: his comment on it stays.
    program.find("txtfacts")->show();
    program.label("lblprofsay")->setText(QStringLiteral("About this fact"));
    QVERIFY(program.tick("timercoachandteacher"));
    QCOMPARE(program.text("lblprofsay"), QStringLiteral("About this fact"));
    QCOMPARE(program.text("lblcoachsay"), QStringLiteral("Coach"));
    program.find("txtfacts")->hide();
    QVERIFY(program.tick("timercoachandteacher"));
    QCOMPARE(program.text("lblprofsay"), QStringLiteral("Professor"));
}

void CompanionsTest::noTipsInTheFirstTenMinutes()
{
    TestProgram program;
    CHECKED(writeTips(program, "Coach\r\n", "Professor\r\n"));
    startRunning(program, 0, 0, 9, 59);
    const QString coachBefore = program.text("lblcoachsay");
    QVERIFY(program.tick("timercoachandteacher"));
    QCOMPARE(program.text("lblcoachsay"), coachBefore);
    program.clock.advance(1);
    QVERIFY(program.tick("tmrcount"));
    QVERIFY(program.tick("timercoachandteacher"));
    QCOMPARE(program.text("lblcoachsay"), QStringLiteral("Coach"));
    QCOMPARE(program.text("lblprofsay"), QStringLiteral("Professor"));
}

void CompanionsTest::missingTipFilesGiveTheFallbacks()
{
    TestProgram program;
    startRunning(program, 1, 0, 0);
    QVERIFY(program.tick("timercoachandteacher"));
    QCOMPARE(program.text("lblcoachsay"), QStringLiteral("Don't let the nicotine control you!"));
    QCOMPARE(program.text("lblprofsay"), QStringLiteral("Good luck. "));
}

void CompanionsTest::longSentencesWrapInsideTheWindow()
{
    TestProgram program;
    const QDateTime now(QDate(2026, 6, 10), QTime(12, 0, 0));
    program.clock.set(now);
    // 120 characters of currency name.
    QVERIFY(program.writeRunningProfile(now.addDays(-40), QStringLiteral("Ann"), 20, QStringLiteral("6.50"),
                                        QStringLiteral("Eastern Caribbean dollar ").repeated(5).left(120)));
    program.start();
    QVERIFY(program.click("cmdno"));
    QVERIFY(program.tick("tmrcount"));
    QVERIFY(program.tick("timerrest"));
    program.window().resize(800, 600);
    QCoreApplication::processEvents();
    // The sentences never push the window wider than a small screen.
    QCOMPARE(program.window().width(), 800);
    for (const char *name : {"lblstoppedat", "lblcigcount", "lblminsaved", "lblmoneysaved", "lbllifeext"}) {
        const QLabel *line = program.label(name);
        const QRect inWindow(line->mapTo(&program.window(), QPoint(0, 0)), line->size());
        QVERIFY2(program.window().rect().contains(inWindow), name);
        // The whole sentence fits: as wide as the line, as many rows as it needs.
        QVERIFY2(line->minimumSizeHint().width() <= line->width(), name);
        QVERIFY2(!line->hasHeightForWidth() || line->heightForWidth(line->width()) <= line->height(), name);
    }
}

void CompanionsTest::trayFollowsTheCounter()
{
    TestProgram program;
    RecordingTray tray;
    program.environment().tray = &tray;
    startRunning(program, 1, 0, 15);
    QVERIFY(tray.shown);
    QVERIFY(program.tick("timerrest"));
    QCOMPARE(tray.toolTip, QStringLiteral("Smoke-free for 1 day and 0 hours\nYou saved 6.5 euro."));

    // The window is not the active one: a new milestone message comes as a notification.
    QVERIFY(program.tick("timersmilesay"));
    program.clock.advance(24 * 3600);
    QVERIFY(program.tick("tmrcount"));
    QVERIFY(program.tick("timersmilesay"));
    QCOMPARE(tray.notes, QStringList{program.text("lblmaincomp")});

    emit tray.exitRequested();
    QVERIFY(!program.window().isVisible());
    emit tray.showRequested();
    QVERIFY(program.window().isVisible());
}

QTEST_MAIN(CompanionsTest)
#include "tst_companions.moc"
