#include "platform/regionalformats.h"
#include "records/smokefreetime.h"
#include "support/testwindow.h"

#include <QLabel>
#include <QProcess>
#include <QTest>
#include <QTimeZone>

// The smoke-free counter: exact to the second, never negative, never the same
// value twice in a row, and unmoved by daylight-saving changes.
class CounterTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void smokeFreeTime_data();
    void smokeFreeTime();
    void everySecondAcrossMidnightAndStopTime();
    void daylightSavingChanges_data();
    void daylightSavingChanges();
    void dayCount_data();
    void dayCount();
    void counterTickShowsTimeAndTitle();
    void storedStopMoments_data();
    void storedStopMoments();
    void counterViewStartsOnce_data();
    void counterViewStartsOnce();
};

void CounterTest::smokeFreeTime_data()
{
    QTest::addColumn<QDateTime>("stop");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<qint64>("days");
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("seconds");
    const auto at = [](int month, int day, int hour, int minute, int second, int year = 2026) {
        return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
    };
    QTest::newRow("worked example") << at(3, 3, 22, 0, 0) << at(3, 5, 8, 30, 15) << qint64(1) << 10 << 30 << 15;
    QTest::newRow("the stop moment itself") << at(3, 3, 22, 0, 0) << at(3, 3, 22, 0, 0) << qint64(0) << 0 << 0 << 0;
    QTest::newRow("same day") << at(3, 3, 10, 0, 0) << at(3, 3, 13, 14, 15) << qint64(0) << 3 << 14 << 15;
    QTest::newRow("one second short of a day")
        << at(3, 3, 10, 0, 0) << at(3, 4, 9, 59, 59) << qint64(0) << 23 << 59 << 59;
    QTest::newRow("a day to the second") << at(3, 3, 10, 0, 0) << at(3, 4, 10, 0, 0) << qint64(1) << 0 << 0 << 0;
    QTest::newRow("passing the stop time") << at(3, 3, 10, 0, 0) << at(3, 5, 10, 0, 1) << qint64(2) << 0 << 0 << 1;
    QTest::newRow("midnight") << at(3, 3, 10, 0, 0) << at(3, 4, 0, 0, 0) << qint64(0) << 14 << 0 << 0;
    QTest::newRow("before midnight") << at(3, 3, 10, 0, 0) << at(3, 3, 23, 59, 59) << qint64(0) << 13 << 59 << 59;
    QTest::newRow("stop at 00:00:00") << at(3, 3, 0, 0, 0) << at(3, 10, 0, 0, 0) << qint64(7) << 0 << 0 << 0;
    QTest::newRow("stop at 00:00:00, afternoon")
        << at(3, 3, 0, 0, 0) << at(3, 10, 15, 4, 3) << qint64(7) << 15 << 4 << 3;
    QTest::newRow("clock set back a day") << at(3, 3, 22, 0, 0) << at(3, 2, 23, 0, 0) << qint64(0) << 0 << 0 << 0;
    QTest::newRow("clock set back a second") << at(3, 3, 22, 0, 0) << at(3, 3, 21, 59, 59) << qint64(0) << 0 << 0 << 0;
    QTest::newRow("clock set back years") << at(3, 3, 22, 0, 0) << at(3, 3, 22, 0, 0, 2001) << qint64(0) << 0 << 0 << 0;
    QTest::newRow("leap day") << at(2, 28, 12, 0, 0, 2028) << at(3, 1, 12, 0, 0, 2028) << qint64(2) << 0 << 0 << 0;
    QTest::newRow("a year") << at(3, 3, 22, 0, 0) << at(3, 3, 22, 0, 0, 2027) << qint64(365) << 0 << 0 << 0;
    QTest::newRow("a long quit") << at(1, 1, 8, 0, 0, 1960) << at(3, 3, 9, 1, 2) << qint64(24168) << 1 << 1 << 2;
    // Beyond what the 16-bit day count holds the days stay at their highest; the rest still runs.
    QTest::newRow("more than 32767 days")
        << at(1, 1, 8, 0, 0, 1900) << at(3, 3, 9, 1, 2) << qint64(32767) << 1 << 1 << 2;
}

void CounterTest::smokeFreeTime()
{
    QFETCH(QDateTime, stop);
    QFETCH(QDateTime, now);
    QFETCH(qint64, days);
    QFETCH(int, hours);
    QFETCH(int, minutes);
    QFETCH(int, seconds);
    const SmokeFreeTime expected{days, hours, minutes, seconds};
    QCOMPARE(::smokeFreeTime(regional::dateToText(stop.date()), stop.time(), now), expected);

    // The same through the counter panel of the running program.
    TestProgram program;
    QVERIFY(program.writeRunningProfile(stop));
    program.clock.set(now);
    program.start();
    QVERIFY(program.click("cmdno"));
    QVERIFY(program.tick("tmrcount"));
    QCOMPARE(program.text("lbldays"), QString::number(days));
    QCOMPARE(program.text("lblhours"), QString::number(hours));
    QCOMPARE(program.text("lblminutes"), QString::number(minutes));
    QCOMPARE(program.text("lblseconds"), QString::number(seconds));
    QCOMPARE(program.window().state().shown, expected);
}

void CounterTest::everySecondAcrossMidnightAndStopTime()
{
    // A quit that stopped at 10:00:00, watched second by second from 09:59:50
    // through midnight and on past the stop time of day.
    const QDateTime stop(QDate(2026, 3, 3), QTime(10, 0, 0));
    qint64 previous = -1;
    for (QDateTime now(QDate(2026, 3, 3), QTime(9, 59, 50)); now <= QDateTime(QDate(2026, 3, 5), QTime(10, 0, 10));
         now = now.addSecs(1)) {
        const SmokeFreeTime shown = ::smokeFreeTime(regional::dateToText(stop.date()), stop.time(), now);
        const qint64 total = ((shown.days * 24 + shown.hours) * 60 + shown.minutes) * 60 + shown.seconds;
        if (now < stop) {
            QCOMPARE(total, 0);
            continue;
        }
        QVERIFY(shown.days >= 0 && shown.hours >= 0 && shown.minutes >= 0 && shown.seconds >= 0);
        QCOMPARE(total, stop.secsTo(now));
        QVERIFY2(total != previous, qPrintable(now.toString(Qt::ISODate)));
        previous = total;
    }
}

void CounterTest::daylightSavingChanges_data()
{
    QTest::addColumn<QDateTime>("stop");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<qint64>("days");
    QTest::addColumn<int>("hours");
    const QTimeZone berlin("Europe/Berlin");
    const auto at = [&](int month, int day, int hour) {
        return QDateTime(QDate(2026, month, day), QTime(hour, 0), berlin);
    };
    // Counting by calendar and time of day: a day is a day on the wall clock.
    QTest::newRow("over the March change") << at(3, 28, 12) << at(3, 29, 12) << qint64(1) << 0;
    QTest::newRow("over the October change") << at(10, 24, 12) << at(10, 25, 12) << qint64(1) << 0;
    QTest::newRow("into summer time") << at(3, 29, 1) << at(3, 29, 4) << qint64(0) << 3;
    QTest::newRow("a week over March") << at(3, 25, 20) << at(4, 1, 20) << qint64(7) << 0;
    QTest::newRow("a week over October") << at(10, 21, 20) << at(10, 28, 20) << qint64(7) << 0;
}

void CounterTest::daylightSavingChanges()
{
    QFETCH(QDateTime, stop);
    QFETCH(QDateTime, now);
    QFETCH(qint64, days);
    QFETCH(int, hours);
    QVERIFY(stop.timeZone().isValid());
    const SmokeFreeTime shown = ::smokeFreeTime(regional::dateToText(stop.date()), stop.time(), now);
    QCOMPARE(shown.days, days);
    QCOMPARE(shown.hours, hours);
    QCOMPARE(shown.minutes, 0);
    QCOMPARE(shown.seconds, 0);
}

void CounterTest::dayCount_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("days");
    QTest::newRow("same day") << "3/3/2026"
                              << "3/3/2026" << 0;
    QTest::newRow("forward") << "3/3/2026"
                             << "3/5/2026" << 2;
    QTest::newRow("either order") << "3/5/2026"
                                  << "3/3/2026" << 2;
    QTest::newRow("iso") << "2026-03-03"
                         << "3/13/2026" << 10;
    QTest::newRow("16-bit limit") << "1/1/1900"
                                  << "1/1/2026" << 32767;
    QTest::newRow("not a date") << "-------------------------"
                                << "3/3/2026" << 0;
    QTest::newRow("empty") << ""
                           << "3/3/2026" << 0;
}

void CounterTest::dayCount()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, days);
    QCOMPARE(int(GetDayCount(first, second)), days);
}

void CounterTest::counterTickShowsTimeAndTitle()
{
    TestProgram program;
    const QDateTime stop(QDate(2026, 3, 3), QTime(22, 0, 0));
    QVERIFY(program.writeRunningProfile(stop));
    program.clock.set(QDateTime(QDate(2026, 3, 5), QTime(8, 30, 15)));
    program.start();
    QCOMPARE(program.text("lblstopdate"), QStringLiteral("3/3/2026"));
    QVERIFY(program.click("cmdno"));
    // Until the first tick the design-time captions show.
    QCOMPARE(program.text("lbldays"), QStringLiteral("00"));
    QCOMPARE(program.text("lblstoppedat"), QStringLiteral("You stopped smoking on 3/3/2026 at 10:00:00 PM"));
    QVERIFY(program.tick("tmrcount"));
    QCOMPARE(program.window().windowTitle(), QStringLiteral("Clearwind 3/5/2026 8:30:15 AM"));
    QCOMPARE(program.text("lbldays"), QStringLiteral("1"));
    QCOMPARE(program.text("lblhours"), QStringLiteral("10"));
    program.clock.advance(1);
    QVERIFY(program.tick("tmrcount"));
    QCOMPARE(program.text("lblseconds"), QStringLiteral("16"));
    QCOMPARE(program.window().windowTitle(), QStringLiteral("Clearwind 3/5/2026 8:30:16 AM"));
    // Hidden in the tray, the title is left alone; shown again, it catches up.
    program.window().hide();
    program.clock.advance(1);
    QVERIFY(program.tick("tmrcount"));
    QCOMPARE(program.window().windowTitle(), QStringLiteral("Clearwind 3/5/2026 8:30:16 AM"));
    program.window().show();
    QVERIFY(program.tick("tmrcount"));
    QCOMPARE(program.window().windowTitle(), QStringLiteral("Clearwind 3/5/2026 8:30:17 AM"));
    program.clock.advance(-1);
    QVERIFY(program.tick("tmrcount"));

    // What the seconds draw follows their text, also for a number drawn before.
    const auto drawnSeconds = [&program] {
        return program.window().findChild<QLabel *>(QStringLiteral("lblseconds"))->grab().toImage();
    };
    const QImage sixteen = drawnSeconds();
    program.clock.advance(1);
    QVERIFY(program.tick("tmrcount"));
    QVERIFY(drawnSeconds() != sixteen);
    program.clock.advance(59);
    QVERIFY(program.tick("tmrcount"));
    QCOMPARE(drawnSeconds(), sixteen);
}

void CounterTest::storedStopMoments_data()
{
    QTest::addColumn<QByteArray>("dateAndTime");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("sentence");
    // As some regional short forms wrote it; the year is this year, not 1926.
    QTest::newRow("two-digit year") << QByteArray("3/3/26\r\n10:00:00 PM") << QStringList{"1", "10", "30", "15"}
                                    << "You stopped smoking on 3/3/2026 at 10:00:00 PM";
    QTest::newRow("unreadable") << QByteArray("someday\r\n25:61:00") << QStringList{"0", "0", "0", "0"}
                                << "You stopped smoking on an unreadable date at an unreadable time";
}

void CounterTest::storedStopMoments()
{
    QFETCH(QByteArray, dateAndTime);
    QFETCH(QStringList, shown);
    QFETCH(QString, sentence);
    TestProgram program;
    QVERIFY(program.writeFile("data/settings/data.dat", "Ann\r\n20\r\neuro\r\n6.50\r\n" + dateAndTime + "\r\nYES\r\n"));
    program.clock.set(QDateTime(QDate(2026, 3, 5), QTime(8, 30, 15)));
    program.start();
    QVERIFY(program.click("cmdno"));
    QVERIFY(program.tick("tmrcount"));
    QCOMPARE(program.text("lblstoppedat"), sentence);
    const QStringList labels{"lbldays", "lblhours", "lblminutes", "lblseconds"};
    for (qsizetype i = 0; i < labels.size(); ++i)
        QCOMPARE(program.text(labels.at(i).toLatin1()), shown.at(i));
}

void CounterTest::counterViewStartsOnce_data()
{
    QTest::addColumn<QStringList>("presses");
    QTest::newRow("No") << QStringList{"cmdno"};
    QTest::newRow("No, continue.") << QStringList{"cmdyes", "cmdnocontinue"};
    QTest::newRow("No at the confirmation") << QStringList{"cmdyes", "cmdyessmoke", "cmdno"};
}

void CounterTest::counterViewStartsOnce()
{
    QFETCH(QStringList, presses);
    TestProgram program;
    QVERIFY(program.writeRunningProfile(QDateTime(QDate(2026, 3, 3), QTime(22, 0, 0))));
    program.start();
    QVERIFY(program.answer(presses));
    QVERIFY(!program.shown("frmmain"));
    QVERIFY(program.find("frmcounter")->isVisible());
    QVERIFY(program.find("SSTab1")->isEnabled());
    const struct
    {
        const char *name;
        bool active;
        int interval;
    } timers[] = {{"tmrcount", true, 1000},
                  {"timerrest", true, 1500},
                  {"Timerdate", false, 1000},
                  {"timersmilesay", true, 5000},
                  {"timercoachandteacher", true, 60000},
                  {"tmrrandomgr", true, 1600}};
    for (const auto &timer : timers) {
        QCOMPARE(program.timer(timer.name)->isActive(), timer.active);
        QCOMPARE(program.timer(timer.name)->interval(), timer.interval);
    }
    QCOMPARE(program.readFile("data/settings/data.dat").right(5), QByteArray("YES\r\n"));
}

QTEST_MAIN(CounterTest)
#include "tst_counter.moc"
