#include "support/testwindow.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QStyleHints>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <sys/stat.h>

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
    void resetKeepsThePreviousAttempt_data();
    void resetKeepsThePreviousAttempt();
    void attemptThatCannotBeKeptAsksFirst_data();
    void attemptThatCannotBeKeptAsksFirst();
    void confirmationNeedsASecondAct_data();
    void confirmationNeedsASecondAct();
    void nextStartAfterResetShowsQuestionnaireUnderTheLock();
    void unreadableFilesAreSaidAndKept_data();
    void unreadableFilesAreSaidAndKept();
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
    QVERIFY(program.click("cmdcontinue"));

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
    QVERIFY(program.click("cmdcontinue"));
    QCOMPARE(colourOf(program, "lblmoney"), QColor(Qt::red));
    program.find<QLineEdit>("cmbmoney")->setText(QStringLiteral("5"));
    QVERIFY(program.click("cmdcontinue"));
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
    QVERIFY(program.click("cmdcontinue"));
    QVERIFY(program.shown("txtbeforetips"));
    QVERIFY(!program.shown("imgwrite"));
    QCOMPARE(program.find<QPushButton>("cmdcontinue")->text(), QStringLiteral("Yes, continue"));
    QVERIFY(program.shown("cmdnoback"));
    QVERIFY(!program.exists("data/settings/data.dat"));

    QVERIFY(program.click("cmdnoback"));
    QVERIFY(!program.shown("txtbeforetips"));
    QVERIFY(program.shown("imgwrite"));
    QCOMPARE(program.find<QPushButton>("cmdcontinue")->text(), QStringLiteral("Continue"));
    QVERIFY(!program.shown("cmdnoback"));
    QCOMPARE(program.find<QLineEdit>("txtname")->text(), QStringLiteral("Ann"));

    QVERIFY(program.click("cmdcontinue"));
    QVERIFY(program.shown("txtbeforetips"));
    QVERIFY(!program.exists("data/settings/data.dat"));
}

void QuitFlowTest::summaryFollowsTheAnswers()
{
    TestProgram program;
    program.start();
    fillAnswers(program);
    QVERIFY(program.click("cmdcontinue"));
    auto *summary = program.find<QTextEdit>("txtbeforetips");
    QCOMPARE(summary->toPlainText(),
             QStringLiteral("\nHi Ann\n\nOn average you are smoking 20 cigarettes a day.\n\nYou waste 6.50 dollar in a "
                            "day on cigarettes.\n\nYou have smoked for 10-15 years.\n\nIs this information correct?"));
    // What is confirmed is what is saved: a change shows at once.
    program.find<QLineEdit>("cmbmoney")->setText(QStringLiteral("9"));
    program.find<QComboBox>("cmbcigcount")->setCurrentIndex(29);
    QVERIFY(summary->toPlainText().contains(QLatin1String("You waste 9 dollar in a day")));
    QVERIFY(summary->toPlainText().contains(QLatin1String("smoking 30 cigarettes")));
    QVERIFY(program.click("cmdcontinue"));
    QTRY_VERIFY(program.shown("frmstart"));
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
    QVERIFY(program.click("cmdcontinue"));
    QVERIFY(program.click("cmdcontinue"));
    QTRY_VERIFY(program.shown("frmstart"));
    QCOMPARE(program.readFile("data/settings/data.dat"),
             QByteArray("O'Hara, J\r\n20\r\ndollar\r\n6.50\r\n2026-03-14\r\n21:05:33\r\nNO\r\n"));
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
    QVERIFY(program.click("cmdcontinue"));
    QVERIFY(program.find<QTextEdit>("txtbeforetips")->toPlainText().contains(QLatin1String("6.50 krona in a day")));
    QVERIFY(program.click("cmdcontinue"));
    QTRY_VERIFY(program.shown("frmstart"));
    QVERIFY(program.readFile("data/settings/data.dat").contains("\r\nkrona\r\n"));
}

// The one sentence said when a file where the settings folder belongs blocks
// the profile: the profile named once, the reason once.
QString blockedSave(const TestProgram &program, const char *sentence)
{
    return QString::fromLatin1(sentence).arg(QDir::toNativeSeparators(program.path("data/settings/data.dat")),
                                             QStringLiteral("its folder %1 could not be created")
                                                 .arg(QDir::toNativeSeparators(program.path("data/settings"))));
}

void QuitFlowTest::failedSaveKeepsTheAnswers()
{
    TestProgram program;
    program.start();
    // A file where the settings folder should be: nothing can be saved.
    QDir(program.path("data/settings")).removeRecursively();
    QVERIFY(program.writeFile("data/settings", "blocked"));
    fillAnswers(program);
    QVERIFY(program.click("cmdcontinue"));
    QVERIFY(program.click("cmdcontinue"));
    QTRY_COMPARE(program.messages.texts(),
                 QStringList{blockedSave(program, "Your answers could not be saved in %1: %2")});
    QVERIFY(program.shown("frmdata"));
    QVERIFY(!program.shown("frmstart"));
    QCOMPARE(program.find<QLineEdit>("txtname")->text(), QStringLiteral("Ann"));
    QCOMPARE(program.find<QPushButton>("cmdcontinue")->text(), QStringLiteral("Yes, continue"));
}

void QuitFlowTest::startPanelShowsTheClock()
{
    TestProgram program;
    QVERIFY(
        program.writeFile("data/settings/data.dat", "Ann\r\n20\r\neuro\r\n6.50\r\n2026-03-10\r\n08:00:00\r\nNO\r\n"));
    program.clock.set(QDateTime(QDate(2026, 3, 14), QTime(21, 5, 33)));
    program.start();
    program.clock.advance(1);
    QVERIFY(program.tick("Timerdate"));
    QCOMPARE(program.text("lbltime2"), QStringLiteral("9:05:34 PM"));
    QCOMPARE(program.text("lbldate2"), QStringLiteral("Computer date and time: 3/14/2026"));
}

void QuitFlowTest::alreadyStoppedChangesOnlyTheExplanation()
{
    TestProgram program;
    QVERIFY(
        program.writeFile("data/settings/data.dat", "Ann\r\n20\r\neuro\r\n6.50\r\n2026-03-10\r\n08:00:00\r\nNO\r\n"));
    program.start();
    const QString expected = QStringLiteral(
        "Good, you already stopped. Just set your computer date back to the day you stopped, then click 'yes', then "
        "set your computer date back to the current date.");
    QVERIFY(program.click("Command6"));
    QCOMPARE(program.text("lblstarttxt"), expected);
    QVERIFY(program.click("Command6"));
    QCOMPARE(program.text("lblstarttxt"), expected);
    QVERIFY(program.shown("frmstart"));
    QVERIFY(program.readFile("data/settings/data.dat").endsWith("NO\r\n"));
}

void QuitFlowTest::comeBackLaterEndsAfterTheMessage()
{
    TestProgram program;
    const QByteArray waiting = "Ann\r\n20\r\neuro\r\n6.50\r\n2026-03-10\r\n08:00:00\r\nNO\r\n";
    QVERIFY(program.writeFile("data/settings/data.dat", waiting));
    program.start();
    QVERIFY(program.click("cmdstartnot"));
    QCOMPARE(program.messages.texts(), QStringList{"Ok. Come back when you are ready to quit."});
    QCOMPARE(program.endRequests, 1);
    QCOMPARE(program.readFile("data/settings/data.dat"), waiting);
}

void QuitFlowTest::stopNowLogsTheMomentAndStartsTheCounter_data()
{
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<QByteArray>("dateLine");
    QTest::addColumn<QByteArray>("timeLine");
    QTest::addColumn<QByteArray>("stored"); // the date and time lines of the file, the same in every locale
    QTest::newRow("evening") << QDateTime(QDate(2026, 3, 14), QTime(21, 5, 33)) << QByteArray("3/14/2026")
                             << QByteArray("9:05:33 PM") << QByteArray("2026-03-14\r\n21:05:33");
    QTest::newRow("last second of the day")
        << QDateTime(QDate(2026, 3, 14), QTime(23, 59, 59)) << QByteArray("3/14/2026") << QByteArray("11:59:59 PM")
        << QByteArray("2026-03-14\r\n23:59:59");
    QTest::newRow("clock set back a year") << QDateTime(QDate(2025, 3, 1), QTime(0, 0, 0)) << QByteArray("3/1/2025")
                                           << QByteArray("12:00:00 AM") << QByteArray("2025-03-01\r\n00:00:00");
}

void QuitFlowTest::stopNowLogsTheMomentAndStartsTheCounter()
{
    QFETCH(QDateTime, moment);
    QFETCH(QByteArray, dateLine);
    QFETCH(QByteArray, timeLine);
    QFETCH(QByteArray, stored);
    TestProgram program;
    program.start();
    fillAnswers(program);
    QVERIFY(program.click("cmdcontinue"));
    QVERIFY(program.click("cmdcontinue"));
    program.clock.set(moment.addMSecs(250));
    QVERIFY(program.click("CMDSTARTNOW"));

    QTRY_VERIFY(!program.shown("frmstart"));
    QCOMPARE(program.readFile("data/settings/data.dat"), "Ann\r\n20\r\ndollar\r\n6.50\r\n" + stored + "\r\nYES\r\n");
    QCOMPARE(program.window().state().profile.stopTime, moment.time());
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
    QVERIFY(program.tick("tmrcount"));
    QCOMPARE(program.text("lbldays"), QStringLiteral("0"));
    QCOMPARE(program.text("lblseconds"), QStringLiteral("1"));
}

void QuitFlowTest::failedStopNowStaysOnStartPanel()
{
    TestProgram program;
    QVERIFY(
        program.writeFile("data/settings/data.dat", "Ann\r\n20\r\neuro\r\n6.50\r\n2026-03-10\r\n08:00:00\r\nNO\r\n"));
    program.start();
    QFile::remove(program.path("data/settings/data.dat"));
    QDir(program.path("data/settings")).removeRecursively();
    QVERIFY(program.writeFile("data/settings", "blocked"));
    QVERIFY(program.click("CMDSTARTNOW"));
    QTRY_COMPARE(program.messages.texts(),
                 QStringList{blockedSave(program, "Your stop moment could not be saved in %1: %2")});
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
    QVERIFY(program.writeFile("data/settings/data.dat", runningProfile));
    program.start();
    QVERIFY(program.answer(presses));

    QCOMPARE(program.find("SSTab1")->isEnabled(), counterRuns);
    QCOMPARE(program.timer("tmrcount")->isActive(), counterRuns);
    QTRY_COMPARE(program.exists("data/settings/data.dat"), profileKept);
    if (profileKept)
        QCOMPARE(program.readFile("data/settings/data.dat"), runningProfile);
    if (counterRuns) {
        QVERIFY(!program.shown("frmmain"));
        return;
    }
    QCOMPARE(program.text("lblmain"), main);
    QCOMPARE(program.shown("lblyessmoked"), !answer.isEmpty());
    if (!answer.isEmpty())
        QTRY_COMPARE(program.text("lblyessmoked"), answer);
    for (const char *button : {"cmdyes", "cmdno", "cmdyessmoke", "cmdnocontinue", "cmdexit"})
        QCOMPARE(program.shown(button), buttons.contains(QLatin1String(button)));
    QCOMPARE(program.shown("imgquestion"), presses.isEmpty());
    QCOMPARE(program.shown("imgunhappy"), !presses.isEmpty());
    if (buttons.contains(QLatin1String("cmdexit"))) {
        QVERIFY(program.click("cmdexit"));
        QCOMPARE(program.endRequests, 1);
    }
}

void QuitFlowTest::resetKeepsThePreviousAttempt_data()
{
    QTest::addColumn<bool>("linkPlanted");
    QTest::addColumn<QByteArray>("copy");
    QTest::newRow("a free name") << false << QByteArray("data/settings/history/attempt-20260402-070812.dat");
    // A link to a file not there yet takes the name: the copy goes beside it,
    // and nothing is made where it leads.
    QTest::newRow("a link where the copy would go")
        << true << QByteArray("data/settings/history/attempt-20260402-070812-2.dat");
}

void QuitFlowTest::resetKeepsThePreviousAttempt()
{
    QFETCH(bool, linkPlanted);
    QFETCH(QByteArray, copy);
    TestProgram program;
    QVERIFY(program.writeFile("data/settings/data.dat", runningProfile));
    QTemporaryDir elsewhere;
    const QString planted = elsewhere.filePath(QStringLiteral("planted"));
    if (linkPlanted) {
        QVERIFY(QDir().mkpath(program.path("data/settings/history")));
        QVERIFY(QFile::link(planted, program.path("data/settings/history/attempt-20260402-070812.dat")));
    }
    program.clock.set(QDateTime(QDate(2026, 4, 2), QTime(7, 8, 9)));
    program.start();
    QVERIFY(program.answer({"cmdyes", "cmdyessmoke", "cmdyes"}));
    QTRY_VERIFY(!program.exists("data/settings/data.dat"));
    QCOMPARE(program.readFile(copy.constData()), runningProfile);
    QVERIFY(!QFileInfo::exists(planted));
    QCOMPARE(program.readFile("data/settings/settings.dat"), QByteArray("noword\r\n0"));
}

void QuitFlowTest::attemptThatCannotBeKeptAsksFirst_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("profileKept");
    QTest::addColumn<bool>("counterRuns");
    QTest::newRow("reset anyway") << "cmdyes" << false << false;
    QTest::newRow("keep everything") << "cmdno" << true << true;
}

void QuitFlowTest::attemptThatCannotBeKeptAsksFirst()
{
    QFETCH(QString, answer);
    QFETCH(bool, profileKept);
    QFETCH(bool, counterRuns);
    TestProgram program;
    QVERIFY(program.writeFile("data/settings/data.dat", runningProfile));
    // A file where the history folder should be: the attempt cannot be kept.
    QVERIFY(program.writeFile("data/settings/history", "blocked"));
    program.start();
    QVERIFY(program.answer({"cmdyes", "cmdyessmoke", "cmdyes"}));

    const QString history = QDir::toNativeSeparators(program.path("data/settings/history"));
    QTRY_COMPARE(program.text("lblyessmoked"),
                 QStringLiteral("Your previous attempt could not be kept: %1/attempt-20260314-210536.dat could not be "
                                "written: its folder %1 could not be created\nDo you want to reset Clearwind anyway?")
                     .arg(history));
    QVERIFY(program.exists("data/settings/data.dat"));
    QVERIFY(program.shown("cmdyes") && program.shown("cmdno"));

    QVERIFY(program.answer({answer}));
    QTRY_COMPARE(program.exists("data/settings/data.dat"), profileKept);
    QCOMPARE(program.timer("tmrcount")->isActive(), counterRuns);
    if (!profileKept) {
        QTRY_VERIFY(program.text("lblyessmoked").startsWith(QLatin1String("The program has been reset.")));
        QVERIFY(program.shown("cmdexit"));
    }
}

void QuitFlowTest::confirmationNeedsASecondAct_data()
{
    const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("pause");
    QTest::addColumn<bool>("byKeyboard");
    QTest::addColumn<bool>("answered");
    QTest::newRow("double-click on Yes") << "cmdyes" << 0 << false << false;
    QTest::newRow("Yes just within a double-click") << "cmdyes" << interval - 1 << false << false;
    QTest::newRow("Space pressed twice") << "cmdno" << 0 << true << false;
    QTest::newRow("Yes after a double-click") << "cmdyes" << interval << false << true;
    QTest::newRow("No after a double-click") << "cmdno" << interval << true << true;
}

void QuitFlowTest::confirmationNeedsASecondAct()
{
    QFETCH(QString, answer);
    QFETCH(int, pause);
    QFETCH(bool, byKeyboard);
    QFETCH(bool, answered);
    TestProgram program;
    QVERIFY(program.writeFile("data/settings/data.dat", runningProfile));
    program.start();
    QVERIFY(program.answer({"cmdyes"}));
    auto *confirm = program.find<QPushButton>("cmdyessmoke");
    byKeyboard ? QTest::keyClick(confirm, Qt::Key_Space) : confirm->click();
    QCOMPARE(program.text("lblyessmoked"), QStringLiteral("Are you sure?"));
    QWidget *focused = program.window().focusWidget();
    QCOMPARE(focused ? focused->objectName() : QString(), QStringLiteral("cmdno"));

    program.clock.set(program.clock.now().addMSecs(pause));
    auto *button = program.find<QPushButton>(answer.toLatin1());
    byKeyboard ? QTest::keyClick(button, Qt::Key_Space) : button->click();
    const bool reset = answered && answer == QLatin1String("cmdyes");
    const bool continued = answered && answer == QLatin1String("cmdno");
    QTRY_COMPARE(program.exists("data/settings/data.dat"), !reset);
    QCOMPARE(program.timer("tmrcount")->isActive(), continued);
    if (!answered)
        QCOMPARE(program.text("lblyessmoked"), QStringLiteral("Are you sure?"));
}

void QuitFlowTest::nextStartAfterResetShowsQuestionnaireUnderTheLock()
{
    TestProgram program;
    QVERIFY(program.writeSettings("pw\r\n0"));
    QVERIFY(program.writeFile("data/settings/data.dat", runningProfile));
    {
        program.start();
        program.find<QLineEdit>("txtpasswordinput")->setText(QStringLiteral("pw"));
        QVERIFY(program.click("cmdpasscheck"));
        QVERIFY(program.answer({"cmdyes", "cmdyessmoke", "cmdyes"}));
        QTRY_VERIFY(!program.exists("data/settings/data.dat"));
    }
    program.start();
    QVERIFY(program.shown("frmpasscheck"));
    QVERIFY(program.shown("frmdata"));
}

// A profile or settings file that is there and cannot be read is said once,
// with its name and why; the counter never runs from a moment it did not
// read, the lock is said to be off, and neither file is written over unless
// the user says so. A pipe never holds up the start.
void QuitFlowTest::unreadableFilesAreSaidAndKept_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("said");
    QTest::addColumn<QList<bool>>("replace"); // the answer to the question before the answers are saved
    QTest::newRow("profile a folder, kept") << "data.dat"
                                            << "folder"
                                            << "could not be read from" << QList<bool>{false};
    QTest::newRow("profile a pipe, replaced") << "data.dat"
                                              << "pipe"
                                              << "could not be read from" << QList<bool>{true};
    QTest::newRow("settings a pipe") << "settings.dat"
                                     << "pipe"
                                     << "password lock could not be read" << QList<bool>{};
    QTest::newRow("settings a folder") << "settings.dat"
                                       << "folder"
                                       << "password lock could not be read" << QList<bool>{};
}

void QuitFlowTest::unreadableFilesAreSaidAndKept()
{
    QFETCH(QString, file);
    QFETCH(QString, kind);
    QFETCH(QString, said);
    QFETCH(QList<bool>, replace);
    TestProgram program;
    const QString path = program.path("data/settings/" + file.toLatin1());
    QFile::remove(path);
    if (file == QLatin1String("settings.dat"))
        QVERIFY(program.writeFile("data/settings/data.dat", runningProfile));
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(path));
    else
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    program.start();

    const QStringList texts = program.messages.texts();
    QCOMPARE(texts.size(), 1);
    QVERIFY2(texts.first().contains(said) && texts.first().contains(QDir::toNativeSeparators(path)),
             qPrintable(texts.first()));
    QVERIFY(!program.shown("frmpasscheck"));
    if (file == QLatin1String("settings.dat")) {
        QVERIFY(program.shown("frmmain"));
    } else {
        QVERIFY(program.shown("frmdata") && !program.shown("frmmain"));
        QVERIFY(!program.timer("tmrcount")->isActive());
        fillAnswers(program);
        program.messages.answers = replace;
        QVERIFY(program.click("cmdcontinue") && program.click("cmdcontinue"));
        QVERIFY(program.messages.answers.isEmpty());
        QCOMPARE(program.messages.texts().size(), 2);
        QTRY_COMPARE(program.shown("frmdata"), !replace.first());
        if (replace.first()) {
            QVERIFY(program.readFile("data/settings/data.dat").startsWith("Ann\r\n"));
            return;
        }
    }
    const QFileInfo left(path);
    QCOMPARE(left.isDir(), kind == QLatin1String("folder"));
    QCOMPARE(left.isFile(), false);
}

QTEST_MAIN(QuitFlowTest)
#include "tst_quitflow.moc"
