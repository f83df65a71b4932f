#include "support/testwindow.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

// From the first questionnaire to the running counter, and the relapse
// question with its reset.
class QuitFlowTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void questionnaireRefusesEachGapInOrder_data();
    void questionnaireRefusesEachGapInOrder();
    void correctedAnswerTurnsLabelBlackAgain();
    void commaKeyEntersDecimalPoint();
    void twoStagesAndGoingBack();
    void summaryFollowsTheAnswers();
    void secondPressSavesAndShowsStartPanel();
    void typedCurrencyIsKept();
    void failedSaveKeepsTheAnswers();

    void startPanelShowsTheClock();
    void alreadyStoppedChangesOnlyTheExplanation();
    void comeBackLaterEndsAfterTheMessage();
    void stopNowLogsTheMomentAndStartsTheCounter_data();
    void stopNowLogsTheMomentAndStartsTheCounter();
    void failedStopNowStaysOnStartPanel();

    void relapseDialogue_data();
    void relapseDialogue();
    void resetKeepsThePreviousAttempt();
    void failedResetSaysSo();
    void nextStartAfterResetShowsQuestionnaireUnderTheLock();
};

namespace {

void fillAnswers(TestProgram &program, const QString &name = QStringLiteral("Ann"), int cigarettesIndex = 19,
                 const QString &money = QStringLiteral("6.50"), int yearsIndex = 10)
{
    program.find<QLineEdit>("txtname")->setText(name);
    program.find<QComboBox>("cmbcigcount")->setCurrentIndex(cigarettesIndex);
    program.find<QLineEdit>("cmbmoney")->setText(money);
    program.find<QComboBox>("cmbyears")->setCurrentIndex(yearsIndex);
}

QColor colourOf(const TestProgram &program, const char *label)
{
    return program.label(label)->palette().color(QPalette::WindowText);
}

const QByteArray runningProfile = "Ann\r\n20\r\neuro\r\n6.50\r\n2026-03-10\r\n08:00:00\r\nYES\r\n";

} // namespace

void QuitFlowTest::questionnaireRefusesEachGapInOrder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("cigarettes");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<QString>("money");
    QTest::addColumn<int>("years");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("redLabel");
    QTest::addColumn<QString>("focus");
    QTest::newRow("all empty") << "" << -1 << ""
                               << "" << -1
                               << "You did not enter your name. Please enter your name, or at least 1 letter"
                               << "lblname"
                               << "txtname";
    QTest::newRow("count") << "A" << -1 << ""
                           << "" << -1 << "You did not enter how many cigarettes you some in a day"
                           << "lblcigday"
                           << "cmbcigcount";
    QTest::newRow("currency") << "A" << 0 << ""
                              << "" << -1 << "You did not enter your currency."
                              << "lblcur"
                              << "txtcurrency";
    QTest::newRow("money") << "A" << 0 << "euro"
                           << "" << -1 << "Please enter how much money you spend on cigarettes each day"
                           << "lblmoney"
                           << "cmbmoney";
    QTest::newRow("money letters") << "A" << 0 << "euro"
                                   << "abc" << -1 << "Please enter numbers only!"
                                   << "lblmoney"
                                   << "cmbmoney";
    QTest::newRow("money two points") << "A" << 0 << "euro"
                                      << "2..5" << 3 << "Please enter numbers only!"
                                      << "lblmoney"
                                      << "cmbmoney";
    QTest::newRow("years") << "A" << 0 << "euro"
                           << "0.0" << -1 << "You did not enter for how many years you have smoked."
                           << "lblyears"
                           << "cmbyears";
}

void QuitFlowTest::questionnaireRefusesEachGapInOrder()
{
    QFETCH(QString, name);
    QFETCH(int, cigarettes);
    QFETCH(QString, currency);
    QFETCH(QString, money);
    QFETCH(int, years);
    QFETCH(QString, message);
    QFETCH(QString, redLabel);
    QFETCH(QString, focus);
    TestProgram program;
    program.start();
    program.find<QLineEdit>("txtname")->setText(name);
    program.find<QComboBox>("cmbcigcount")->setCurrentIndex(cigarettes);
    program.find<QComboBox>("txtcurrency")->setCurrentText(currency);
    program.find<QLineEdit>("cmbmoney")->setText(money);
    program.find<QComboBox>("cmbyears")->setCurrentIndex(years);
    program.click("cmdcontinue");

    QCOMPARE(program.messages.texts(), QStringList{message});
    const bool information = message == QLatin1String("Please enter numbers only!");
    QCOMPARE(program.messages.shown.first().icon,
             information ? MessageService::Icon::Information : MessageService::Icon::None);
    for (const char *label : {"lblname", "lblcigday", "lblcur", "lblmoney", "lblyears"})
        QCOMPARE(colourOf(program, label), label == redLabel ? QColor(Qt::red) : QColor(Qt::black));
    QWidget *focused = program.window().focusWidget();
    QCOMPARE(focused ? focused->objectName() : QString(), focus);
    QVERIFY(program.shown("frmdata"));
    QVERIFY(!program.exists("data/settings/data.dat"));
}

void QuitFlowTest::correctedAnswerTurnsLabelBlackAgain()
{
    TestProgram program;
    program.start();
    fillAnswers(program, QStringLiteral("Ann"), 19, QStringLiteral("abc"));
    program.click("cmdcontinue");
    QCOMPARE(colourOf(program, "lblmoney"), QColor(Qt::red));
    program.find<QLineEdit>("cmbmoney")->setText(QStringLiteral("5"));
    program.click("cmdcontinue");
    QCOMPARE(colourOf(program, "lblmoney"), QColor(Qt::black));
}

void QuitFlowTest::commaKeyEntersDecimalPoint()
{
    TestProgram program;
    program.start();
    auto *money = program.find<QLineEdit>("cmbmoney");
    money->clear();
    QTest::keyClicks(money, QStringLiteral("2,5"));
    QCOMPARE(money->text(), QStringLiteral("2.5"));
    QCOMPARE(money->maxLength(), 5);
}

void QuitFlowTest::twoStagesAndGoingBack()
{
    TestProgram program;
    program.start();
    fillAnswers(program);
    program.click("cmdcontinue");
    QVERIFY(program.shown("txtbeforetips"));
    QVERIFY(!program.shown("imgwrite"));
    QCOMPARE(program.find<QPushButton>("cmdcontinue")->text(), QStringLiteral("Yes, continue"));
    QVERIFY(program.shown("cmdnoback"));
    QVERIFY(!program.exists("data/settings/data.dat"));

    program.click("cmdnoback");
    QVERIFY(!program.shown("txtbeforetips"));
    QVERIFY(program.shown("imgwrite"));
    QCOMPARE(program.find<QPushButton>("cmdcontinue")->text(), QStringLiteral("Continue"));
    QVERIFY(!program.shown("cmdnoback"));
    QCOMPARE(program.find<QLineEdit>("txtname")->text(), QStringLiteral("Ann"));

    program.click("cmdcontinue");
    QVERIFY(program.shown("txtbeforetips"));
    QVERIFY(!program.exists("data/settings/data.dat"));
}

void QuitFlowTest::summaryFollowsTheAnswers()
{
    TestProgram program;
    program.start();
    fillAnswers(program);
    program.click("cmdcontinue");
    auto *summary = program.find<QTextEdit>("txtbeforetips");
    QCOMPARE(summary->toPlainText(),
             QStringLiteral("\nHi Ann\n\nOn average you are smoking 20 cigarettes a day.\n\nYou waste 6.50 dollar in a "
                            "day on cigarettes.\n\nYou have smoked for 10-15 years.\n\nIs this information correct?"));
    // What is confirmed is what is saved: a change shows at once.
    program.find<QLineEdit>("cmbmoney")->setText(QStringLiteral("9"));
    program.find<QComboBox>("cmbcigcount")->setCurrentIndex(29);
    QVERIFY(summary->toPlainText().contains(QLatin1String("You waste 9 dollar in a day")));
    QVERIFY(summary->toPlainText().contains(QLatin1String("smoking 30 cigarettes")));
    program.click("cmdcontinue");
    const QList<QByteArray> lines = program.readFile("data/settings/data.dat").split('\n');
    QCOMPARE(lines.at(1), QByteArray("30\r"));
    QCOMPARE(lines.at(3), QByteArray("9\r"));
}

void QuitFlowTest::secondPressSavesAndShowsStartPanel()
{
    TestProgram program;
    program.clock.set(QDateTime(QDate(2026, 3, 14), QTime(21, 5, 33)));
    program.start();
    fillAnswers(program, QStringLiteral("O'Hara, J"));
    program.click("cmdcontinue");
    program.click("cmdcontinue");
    QCOMPARE(program.readFile("data/settings/data.dat"),
             QByteArray("O'Hara, J\r\n20\r\ndollar\r\n6.50\r\n3/14/2026\r\n9:05:33 PM\r\nNO\r\n"));
    QVERIFY(!program.shown("frmdata"));
    QVERIFY(program.shown("frmstart"));
    QVERIFY(program.find("frmstart")->isVisible());
    QVERIFY(program.messages.shown.isEmpty());
}

void QuitFlowTest::typedCurrencyIsKept()
{
    TestProgram program;
    program.start();
    fillAnswers(program);
    program.find<QComboBox>("txtcurrency")->setCurrentText(QStringLiteral("krona"));
    program.click("cmdcontinue");
    QVERIFY(program.find<QTextEdit>("txtbeforetips")->toPlainText().contains(QLatin1String("6.50 krona in a day")));
    program.click("cmdcontinue");
    QVERIFY(program.readFile("data/settings/data.dat").contains("\r\nkrona\r\n"));
}

void QuitFlowTest::failedSaveKeepsTheAnswers()
{
    TestProgram program;
    program.start();
    // A file where the settings folder should be: nothing can be saved.
    QDir(program.path("data/settings")).removeRecursively();
    program.writeFile("data/settings", "blocked");
    fillAnswers(program);
    program.click("cmdcontinue");
    program.click("cmdcontinue");
    QCOMPARE(program.messages.shown.size(), 1);
    QVERIFY(program.messages.shown.first().text.startsWith(QLatin1String("Your answers could not be saved in ")));
    QVERIFY(program.messages.shown.first().text.contains(QLatin1String("data.dat")));
    QVERIFY(program.shown("frmdata"));
    QVERIFY(!program.shown("frmstart"));
    QCOMPARE(program.find<QLineEdit>("txtname")->text(), QStringLiteral("Ann"));
    QCOMPARE(program.find<QPushButton>("cmdcontinue")->text(), QStringLiteral("Yes, continue"));
}

void QuitFlowTest::startPanelShowsTheClock()
{
    TestProgram program;
    program.writeFile("data/settings/data.dat", "Ann\r\n20\r\neuro\r\n6.50\r\n2026-03-10\r\n08:00:00\r\nNO\r\n");
    program.clock.set(QDateTime(QDate(2026, 3, 14), QTime(21, 5, 33)));
    program.start();
    program.clock.advance(1);
    program.tick("Timerdate");
    QCOMPARE(program.text("lbltime2"), QStringLiteral("9:05:34 PM"));
    QCOMPARE(program.text("lbldate2"), QStringLiteral("Computer date and time: 3/14/2026"));
}

void QuitFlowTest::alreadyStoppedChangesOnlyTheExplanation()
{
    TestProgram program;
    program.writeFile("data/settings/data.dat", "Ann\r\n20\r\neuro\r\n6.50\r\n2026-03-10\r\n08:00:00\r\nNO\r\n");
    program.start();
    const QString expected = QStringLiteral(
        "Good, you already stopped. Just set your computer date back to the day you stopped, then click 'yes', then "
        "set your computer date back to the current date.");
    program.click("Command6");
    QCOMPARE(program.text("lblstarttxt"), expected);
    program.click("Command6");
    QCOMPARE(program.text("lblstarttxt"), expected);
    QVERIFY(program.shown("frmstart"));
    QVERIFY(program.readFile("data/settings/data.dat").endsWith("NO\r\n"));
}

void QuitFlowTest::comeBackLaterEndsAfterTheMessage()
{
    TestProgram program;
    const QByteArray waiting = "Ann\r\n20\r\neuro\r\n6.50\r\n2026-03-10\r\n08:00:00\r\nNO\r\n";
    program.writeFile("data/settings/data.dat", waiting);
    program.start();
    program.click("cmdstartnot");
    QCOMPARE(program.messages.texts(), QStringList{"Ok. Come back when you are ready to quit."});
    QCOMPARE(program.endRequests, 1);
    QCOMPARE(program.readFile("data/settings/data.dat"), waiting);
}

void QuitFlowTest::stopNowLogsTheMomentAndStartsTheCounter_data()
{
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<QByteArray>("dateLine");
    QTest::addColumn<QByteArray>("timeLine");
    QTest::newRow("evening") << QDateTime(QDate(2026, 3, 14), QTime(21, 5, 33)) << QByteArray("3/14/2026")
                             << QByteArray("9:05:33 PM");
    QTest::newRow("last second of the day")
        << QDateTime(QDate(2026, 3, 14), QTime(23, 59, 59)) << QByteArray("3/14/2026") << QByteArray("11:59:59 PM");
    QTest::newRow("clock set back a year")
        << QDateTime(QDate(2025, 3, 1), QTime(0, 0, 0)) << QByteArray("3/1/2025") << QByteArray("12:00:00 AM");
}

void QuitFlowTest::stopNowLogsTheMomentAndStartsTheCounter()
{
    QFETCH(QDateTime, moment);
    QFETCH(QByteArray, dateLine);
    QFETCH(QByteArray, timeLine);
    TestProgram program;
    program.start();
    fillAnswers(program);
    program.click("cmdcontinue");
    program.click("cmdcontinue");
    program.clock.set(moment.addMSecs(250));
    program.click("CMDSTARTNOW");

    QCOMPARE(program.readFile("data/settings/data.dat"),
             "Ann\r\n20\r\ndollar\r\n6.50\r\n" + dateLine + "\r\n" + timeLine + "\r\nYES\r\n");
    QCOMPARE(program.window().state().profile.StopTime, moment.time());
    QVERIFY(!program.shown("frmstart"));
    QVERIFY(program.find("frmcounter")->isVisible());
    QVERIFY(program.find<QTabWidget>("SSTab1")->isEnabled());
    QCOMPARE(program.text("lblstoppedat"),
             "You stopped smoking on " + QString::fromLatin1(dateLine) + " at " + QString::fromLatin1(timeLine));
    QCOMPARE(program.text("lblstopdate"), QString::fromLatin1(dateLine));
    for (const char *timer : {"tmrcount", "timerrest", "timersmilesay", "timercoachandteacher", "tmrrandomgr"})
        QVERIFY2(program.timer(timer)->isActive(), timer);
    QVERIFY(!program.timer("Timerdate")->isActive());

    program.clock.set(moment.addSecs(1));
    program.tick("tmrcount");
    QCOMPARE(program.text("lbldays"), QStringLiteral("0"));
    QCOMPARE(program.text("lblseconds"), QStringLiteral("1"));
}

void QuitFlowTest::failedStopNowStaysOnStartPanel()
{
    TestProgram program;
    program.writeFile("data/settings/data.dat", "Ann\r\n20\r\neuro\r\n6.50\r\n2026-03-10\r\n08:00:00\r\nNO\r\n");
    program.start();
    QFile::remove(program.path("data/settings/data.dat"));
    QDir(program.path("data/settings")).removeRecursively();
    program.writeFile("data/settings", "blocked");
    program.click("CMDSTARTNOW");
    QCOMPARE(program.messages.shown.size(), 1);
    QVERIFY(program.messages.shown.first().text.startsWith(QLatin1String("Your stop moment could not be saved in ")));
    QVERIFY(program.shown("frmstart"));
    QVERIFY(!program.timer("tmrcount")->isActive());
    QVERIFY(program.timer("Timerdate")->isActive());
}

void QuitFlowTest::relapseDialogue_data()
{
    QTest::addColumn<QStringList>("presses");
    QTest::addColumn<QString>("main");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<bool>("counterRuns");
    QTest::addColumn<bool>("profileKept");
    const QString sorry = QStringLiteral("I am sorry to hear you failed... Try again! With the experience you gained, "
                                         "your next attempt should be more succesful!");
    const QString reset = QStringLiteral("The program has been reset. Please try again to stop smoking when you are "
                                         "ready. The more you try , the better chances you have of actually stopping!");
    QTest::newRow("Q") << QStringList{} << "Have you smoked ?"
                       << "" << QStringList{"cmdyes", "cmdno"} << false << true;
    QTest::newRow("Q no") << QStringList{"cmdno"} << "Have you smoked ?"
                          << "" << QStringList{"cmdyes", "cmdno"} << true << true;
    QTest::newRow("R") << QStringList{"cmdyes"} << "If you have smoked , you can reset Clearwind and try again."
                       << sorry << QStringList{"cmdyessmoke", "cmdnocontinue"} << false << true;
    QTest::newRow("R no, continue") << QStringList{"cmdyes", "cmdnocontinue"}
                                    << "If you have smoked , you can reset Clearwind and try again." << sorry
                                    << QStringList{"cmdyessmoke", "cmdnocontinue"} << true << true;
    QTest::newRow("S") << QStringList{"cmdyes", "cmdyessmoke"} << ""
                       << "Are you sure?" << QStringList{"cmdyes", "cmdno"} << false << true;
    QTest::newRow("S no") << QStringList{"cmdyes", "cmdyessmoke", "cmdno"} << ""
                          << "Are you sure?" << QStringList{"cmdyes", "cmdno"} << true << true;
    QTest::newRow("X") << QStringList{"cmdyes", "cmdyessmoke", "cmdyes"} << "" << reset << QStringList{"cmdexit"}
                       << false << false;
}

void QuitFlowTest::relapseDialogue()
{
    QFETCH(QStringList, presses);
    QFETCH(QString, main);
    QFETCH(QString, answer);
    QFETCH(QStringList, buttons);
    QFETCH(bool, counterRuns);
    QFETCH(bool, profileKept);
    TestProgram program;
    program.writeFile("data/settings/data.dat", runningProfile);
    program.start();
    for (const QString &press : presses)
        program.click(press.toLatin1());

    QCOMPARE(program.find("SSTab1")->isEnabled(), counterRuns);
    QCOMPARE(program.timer("tmrcount")->isActive(), counterRuns);
    QCOMPARE(program.exists("data/settings/data.dat"), profileKept);
    if (profileKept)
        QCOMPARE(program.readFile("data/settings/data.dat"), runningProfile);
    if (counterRuns) {
        QVERIFY(!program.shown("frmmain"));
        return;
    }
    QCOMPARE(program.text("lblmain"), main);
    QCOMPARE(program.shown("lblyessmoked"), !answer.isEmpty());
    if (!answer.isEmpty())
        QCOMPARE(program.text("lblyessmoked"), answer);
    for (const char *button : {"cmdyes", "cmdno", "cmdyessmoke", "cmdnocontinue", "cmdexit"})
        QCOMPARE(program.shown(button), buttons.contains(QLatin1String(button)));
    QCOMPARE(program.shown("imgquestion"), presses.isEmpty());
    QCOMPARE(program.shown("imgunhappy"), !presses.isEmpty());
    if (buttons.contains(QLatin1String("cmdexit"))) {
        program.click("cmdexit");
        QCOMPARE(program.endRequests, 1);
    }
}

void QuitFlowTest::resetKeepsThePreviousAttempt()
{
    TestProgram program;
    program.writeFile("data/settings/data.dat", runningProfile);
    program.clock.set(QDateTime(QDate(2026, 4, 2), QTime(7, 8, 9)));
    program.start();
    for (const char *press : {"cmdyes", "cmdyessmoke", "cmdyes"})
        program.click(press);
    QVERIFY(!program.exists("data/settings/data.dat"));
    QCOMPARE(program.readFile("data/settings/history/attempt-20260402-070809.dat"), runningProfile);
    QCOMPARE(program.readFile("data/settings/settings.dat"), QByteArray("noword\r\n0"));
}

void QuitFlowTest::failedResetSaysSo()
{
    TestProgram program;
    program.writeFile("data/settings/data.dat", runningProfile);
    // A file where the history folder should be: the attempt cannot be kept, so nothing is removed.
    program.writeFile("data/settings/history", "blocked");
    program.start();
    for (const char *press : {"cmdyes", "cmdyessmoke", "cmdyes"})
        program.click(press);
    QVERIFY(program.exists("data/settings/data.dat"));
    QVERIFY(program.text("lblyessmoked").startsWith(QLatin1String("The reset could not be completed: ")));
    QVERIFY(program.shown("cmdexit"));
    QVERIFY(!program.shown("cmdyes"));
}

void QuitFlowTest::nextStartAfterResetShowsQuestionnaireUnderTheLock()
{
    TestProgram program;
    program.writeSettings("pw\r\n0");
    program.writeFile("data/settings/data.dat", runningProfile);
    {
        program.start();
        program.find<QLineEdit>("txtpasswordinput")->setText(QStringLiteral("pw"));
        program.click("cmdpasscheck");
        for (const char *press : {"cmdyes", "cmdyessmoke", "cmdyes"})
            program.click(press);
    }
    program.start();
    QVERIFY(program.shown("frmpasscheck"));
    QVERIFY(program.shown("frmdata"));
}

QTEST_MAIN(QuitFlowTest)
#include "tst_quitflow.moc"
