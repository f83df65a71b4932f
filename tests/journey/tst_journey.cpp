#include "cravinglog/cravingrecords.h"
#include "cravinglog/cravings.h"
#include "journey/attempts.h"
#include "journey/journeyfigures.h"
#include "journey/journeysummary.h"
#include "moment/plans.h"
#include "platform/translation.h"
#include "profile/profilefile.h"
#include "profile/settingsfile.h"
#include "richtext/documentfile.h"
#include "support/checked.h"
#include "support/cravingsamples.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <ctime>
#include <sys/stat.h>

using namespace journey;

class JourneyTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(translation::install()); }
    void cleanup()
    {
        setZone("Europe/Berlin");
        QLocale::setDefault(QLocale::system());
    }

    void whatHelped_data();
    void whatHelped();
    void cravingSentences_data();
    void cravingSentences();
    void pastAttempts();
    void keptCopiesAreReadBack();
    void chartFigures_data();
    void chartFigures();
    void attemptLengths_data();
    void attemptLengths();
    void attemptSentences_data();
    void attemptSentences();
    void cravingDays_data();
    void cravingDays();
    void nextDayStarts_data();
    void nextDayStarts();
    void spreadsheet();
    void readersRefuseWhatIsNoFile_data();
    void readersRefuseWhatIsNoFile();

private:
    static void setZone(const char *zone)
    {
        qputenv("TZ", zone);
        tzset();
    }
};

namespace {

using namespace cravingsamples;

// A craving of March 2026, on that day at that hour.
Craving dayCraving(int day, int hour, int strength, Outcome outcome = Outcome::Passed)
{
    return {QDateTime(QDate(2026, 3, day), QTime(hour, 0)), strength, Trigger::Meal, QString(), outcome};
}

} // namespace

namespace {

// TIMES cravings set off by TRIGGER that ended in OUTCOME, with those steps ticked.
QList<Craving> ticked(Trigger trigger, QList<CopingStep> steps, int times, Outcome outcome = Outcome::Passed)
{
    Craving one = craving("2026-03-05T08:30:15+01:00", outcome, trigger);
    one.steps = steps;
    return QList<Craving>(times, one);
}

} // namespace

void JourneyTest::whatHelped_data()
{
    QTest::addColumn<QList<Craving>>("cravings");
    QTest::addColumn<QString>("coffee");
    QTest::addColumn<QString>("most");
    using enum CopingStep;
    const Trigger coffee = Trigger::Coffee;
    const QString tick = "Tick what you did when you log a craving, and Clearwind will show what helps you most.";
    QTest::newRow("nothing ticked") << ticked(coffee, {}, 6) << "" << tick;
    QTest::newRow("the walk and the breathing")
        << ticked(coffee, {Walk, Breathe}, 3) + ticked(coffee, {Walk}, 2) +
               ticked(coffee, {Breathe}, 1, Outcome::Smoked)
        << "Before, against Coffee: A short walk, 5 of 5 passed; Slow breathing, 3 of 4 passed."
        << "What helped most: A short walk, 5 of 5 passed.";
    QTest::newRow("equal shares: the one ticked more")
        << ticked(coffee, {Walk}, 2) + ticked(coffee, {Water}, 3)
        << "Before, against Coffee: A glass of water, 3 of 3 passed; A short walk, 2 of 2 passed."
        << "What helped most: A glass of water, 3 of 3 passed.";
    QTest::newRow("equal in all: in the order offered, and too few for the best")
        << ticked(coffee, {Busy, Exercise}, 2)
        << "Before, against Coffee: A few minutes of exercise, 2 of 2 passed; Kept my hands busy, 2 of 2 passed."
        << tick;
    QTest::newRow("ticked once is too few")
        << ticked(coffee, {Walk, Breathe}, 1) + ticked(coffee, {Breathe}, 1, Outcome::Smoked)
        << "Before, against Coffee: Slow breathing, 1 of 2 passed." << tick;
    QTest::newRow("three at most")
        << ticked(coffee, {Exercise, Walk, Breathe}, 1) + ticked(coffee, {Exercise, Walk, Water}, 1) +
               ticked(coffee, {Exercise}, 1) + ticked(coffee, {Walk, Breathe, Water}, 1, Outcome::Smoked) +
               ticked(coffee, {Breathe, Water}, 1, Outcome::Smoked)
        << "Before, against Coffee: A few minutes of exercise, 3 of 3 passed; A short walk, 2 of 3 passed; Slow "
           "breathing, 1 of 3 passed."
        << "What helped most: A few minutes of exercise, 3 of 3 passed.";
    QTest::newRow("another trigger counts for the best only")
        << ticked(Trigger::Stress, {Walk}, 4) + ticked(coffee, {Breathe}, 1) +
               ticked(coffee, {Breathe}, 2, Outcome::Smoked)
        << "Before, against Coffee: Slow breathing, 1 of 3 passed."
        << "What helped most: A short walk, 4 of 4 passed.";
    QTest::newRow("3 of 4 and 6 of 8: the one ticked more")
        << ticked(Trigger::NotSaid, {Walk}, 3) + ticked(Trigger::NotSaid, {Walk}, 1, Outcome::Smoked) +
               ticked(Trigger::NotSaid, {Talk}, 6) + ticked(Trigger::NotSaid, {Talk}, 2, Outcome::Smoked)
        << ""
        << "What helped most: Talked to someone, 6 of 8 passed.";
}

void JourneyTest::whatHelped()
{
    QFETCH(QList<Craving>, cravings);
    const QDateTime now(QDate(2026, 3, 14), QTime(21, 5));
    const Summary summary = summarize({}, currentAttempt({}, {}, now), {cravings, 0, true, {}}, now);
    QTEST(helpedAgainstSentence(summary.helped, Trigger::Coffee), "coffee");
    QTEST(sentences(summary).value(5), "most");
    // The same from the file, craving by craving.
    QTemporaryDir folder;
    const CravingFile file(folder.filePath(QStringLiteral("cravings.csv")));
    for (const Craving &one : cravings)
        QVERIFY(file.append(one).ok);
    QCOMPARE(readWhatHelped(file), summary.helped);
    QVERIFY(QDir().mkpath(folder.filePath(QStringLiteral("cravings-full-1.csv"))));
    QCOMPARE(readWhatHelped(file), WhatHelped());
}

// The sentences after the count of the cravings: the best step, the median
// duration, the usual hour and the slips.
void JourneyTest::cravingSentences_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QList<Craving>>("cravings");
    QTest::addColumn<QStringList>("lines");
    const QDateTime now(QDate(2026, 4, 10), QTime(12, 0));
    const QString tick = "Tick what you did when you log a craving, and Clearwind will show what helps you most.";
    const auto lasting = [](const char *iso, int seconds, Outcome outcome = Outcome::Passed) {
        Craving timed = craving(iso, outcome);
        timed.seconds = seconds;
        return timed;
    };
    const auto at = [](QList<const char *> times) {
        QList<Craving> list;
        for (const char *time : times)
            list << craving(time);
        return list;
    };
    QTest::newRow("none") << now << QList<Craving>() << QStringList{tick};
    QTest::newRow("two durations are too few")
        << now << QList<Craving>{lasting("2026-04-09T10:00:00+02:00", 60), lasting("2026-04-09T11:00:00+02:00", 60)}
        << QStringList{tick};
    QTest::newRow("the median, rounded up")
        << now
        << QList<Craving>{lasting("2026-04-09T10:00:00+02:00", 600), lasting("2026-04-09T11:00:00+02:00", 30),
                          lasting("2026-04-09T12:00:00+02:00", 61), craving("2026-04-09T13:00:00+02:00")}
        << QStringList{tick, "Half of your cravings were over within 2 minutes."};
    QTest::newRow("an even count: between the middle two")
        << now
        << QList<Craving>{lasting("2026-04-09T10:00:00+02:00", 300), lasting("2026-04-09T11:00:00+02:00", 50),
                          lasting("2026-04-09T12:00:00+02:00", 190), lasting("2026-04-09T13:00:00+02:00", 10)}
        << QStringList{tick, "Half of your cravings were over within 2 minutes."};
    // Given as logged: the middle two of 20, 30, 50, 130, 600 and 900 seconds are 50 and 130.
    QTest::newRow("an even count in the order logged")
        << now << QList<Craving>{lasting("2026-04-09T10:00:00+02:00", 600), lasting("2026-04-09T11:00:00+02:00", 30),
                                 lasting("2026-04-09T12:00:00+02:00", 130), lasting("2026-04-09T13:00:00+02:00", 900),
                                 lasting("2026-04-09T14:00:00+02:00", 50),  lasting("2026-04-09T15:00:00+02:00", 20)}
        << QStringList{tick, "Half of your cravings were over within 2 minutes.",
                       "Most cravings come between 10:00 and 11:00."};
    QTest::newRow("a minute at most") << now
                                      << QList<Craving>{lasting("2026-04-09T10:00:00+02:00", 0),
                                                        lasting("2026-04-09T11:00:00+02:00", 60),
                                                        lasting("2026-04-09T12:00:00+02:00", 0)}
                                      << QStringList{tick, "Half of your cravings were over within 1 minute."};
    QTest::newRow("a duration before the days shown")
        << now
        << QList<Craving>{lasting("2026-03-11T10:00:00+01:00", 60), lasting("2026-04-09T11:00:00+02:00", 60),
                          lasting("2026-04-09T12:00:00+02:00", 60)}
        << QStringList{tick};
    QTest::newRow("four cravings are too few for an hour")
        << now
        << at({"2026-04-01T08:00:00+02:00", "2026-04-02T08:10:00+02:00", "2026-04-03T08:20:00+02:00",
               "2026-04-04T08:59:59+02:00"})
        << QStringList{tick};
    QTest::newRow("a tie goes to the earliest hour")
        << now
        << at({"2026-04-01T21:00:00+02:00", "2026-04-02T21:59:00+02:00", "2026-04-03T13:00:00+02:00",
               "2026-04-04T07:30:00+02:00", "2026-04-05T07:00:00+02:00", "2026-03-11T13:00:00+01:00"})
        << QStringList{tick, "Most cravings come between 07:00 and 08:00."};
    QTest::newRow("the last hour of the day")
        << now
        << at({"2026-04-01T23:00:00+02:00", "2026-04-02T23:59:00+02:00", "2026-04-03T23:10:00+02:00",
               "2026-04-04T23:30:00+02:00", "2026-04-05T22:00:00+02:00"})
        << QStringList{tick, "Most cravings come between 23:00 and 00:00."};
    // The hour of 2 o'clock passes twice on 25 October; each craving counts at the hour its clock showed.
    QTest::newRow("the hour across a change of summer time")
        << QDateTime(QDate(2026, 11, 5), QTime(8, 0))
        << at({"2026-10-25T02:30:00+02:00", "2026-10-25T02:30:00+01:00", "2026-10-24T01:30:00+02:00",
               "2026-10-26T03:30:00+01:00", "2026-10-20T04:10:00+02:00"})
        << QStringList{tick, "Most cravings come between 02:00 and 03:00."};
    // The attempt began on 1 April at 08:00.
    QTest::newRow("slips since the attempt began")
        << now
        << QList<Craving>{craving("2026-04-01T07:59:59+02:00", Outcome::Smoked),
                          craving("2026-04-01T08:00:00+02:00", Outcome::Smoked),
                          craving("2026-04-05T08:00:00+02:00", Outcome::Smoked), craving("2026-04-06T08:00:00+02:00")}
        << QStringList{tick, "Slips in this attempt: 2"};
}

void JourneyTest::cravingSentences()
{
    QFETCH(QDateTime, now);
    QFETCH(QList<Craving>, cravings);
    const Attempt current = currentAttempt(QDate(2026, 4, 1), QTime(8, 0), now);
    QTEST(sentences(summarize({}, current, {cravings, 0, true, {}}, now)).mid(5), "lines");
    // Cravings that cannot be read tell nothing more.
    const CravingLog unread{cravings, 0, false, {{QStringLiteral("cravings.csv"), QStringLiteral("no")}}};
    QCOMPARE(sentences(summarize({}, current, unread, now)).mid(5), QStringList());
}

void JourneyTest::pastAttempts()
{
    QTemporaryDir folder;
    const auto write = [&](const char *name, const QByteArray &bytes) {
        CHECKED(writeBytes(folder.filePath(QString::fromLatin1(name)), bytes));
    };
    const QByteArray copy = "Ann\r\n20\r\neuro\r\n6.50\r\n2026-01-10\r\n08:00:00\r\nYES\r\n";
    write("attempt-20260301-090000.dat", copy);
    write("attempt-20260112-100000-2.dat", copy);
    write("attempt-20260112-100000.dat", QByteArray("Ann\r\n20\r\neuro\r\n6.50\r\n\0\0\r\n", 24));
    write("attempt-20260105-100000.dat", copy); // ended before it started
    write("attempt-99981231-100000.dat", QByteArray(copy).replace("2026-01-10", "0100-01-10")); // longer than counted
    write("attempt-00010105-100000.dat", QByteArray(copy).replace("2026-01-10", "0001-01-01")); // before the years
    write("attempt-20260113-100000.dat.bak", copy);
    write("notes.txt", copy);
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("attempt-20260201-120000.dat")));
    QCOMPARE(
        mkfifo(QFile::encodeName(folder.filePath(QStringLiteral("attempt-20260202-120000.dat"))).constData(), 0600), 0);
    QVERIFY(QFile::link(folder.filePath(QStringLiteral("attempt-20260301-090000.dat")),
                        folder.filePath(QStringLiteral("attempt-20260203-120000.dat"))));

    const QList<Attempt> attempts = readPastAttempts(folder.path(), QDate(2026, 3, 14));
    QStringList found;
    for (const Attempt &attempt : attempts)
        found << QStringLiteral("%1 %2 %3").arg(attempt.fileName).arg(attempt.readable).arg(attempt.seconds);
    QCOMPARE(found, QStringList({"attempt-00010105-100000.dat 0 0", "attempt-20260105-100000.dat 0 0",
                                 "attempt-20260112-100000.dat 0 0", "attempt-20260112-100000-2.dat 1 180000",
                                 "attempt-20260201-120000.dat 0 0", "attempt-20260202-120000.dat 0 0",
                                 "attempt-20260203-120000.dat 0 0", "attempt-20260301-090000.dat 1 4323600",
                                 "attempt-99981231-100000.dat 0 0"}));
    QCOMPARE(attempts.at(7).start, QDateTime(QDate(2026, 1, 10), QTime(8, 0)));
    QCOMPARE(attempts.at(7).end, QDateTime(QDate(2026, 3, 1), QTime(9, 0)));
}

void JourneyTest::attemptLengths_data()
{
    QTest::addColumn<QDateTime>("stop");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<qint64>("seconds");
    const QDateTime stop(QDate(2026, 3, 14), QTime(10, 0));
    QTest::newRow("clock set back") << stop << stop.addSecs(-60) << qint64(0);
    // The counter's calendar: a day of 23 or of 25 hours is one day.
    QTest::newRow("spring change") << QDateTime(QDate(2026, 3, 28), QTime(12, 0))
                                   << QDateTime(QDate(2026, 3, 29), QTime(12, 0)) << qint64(86400);
    QTest::newRow("autumn change") << QDateTime(QDate(2026, 10, 24), QTime(12, 0))
                                   << QDateTime(QDate(2026, 10, 25), QTime(12, 0)) << qint64(86400);
}

void JourneyTest::attemptLengths()
{
    QFETCH(QDateTime, stop);
    QFETCH(QDateTime, now);
    QFETCH(qint64, seconds);
    const Attempt current = currentAttempt(stop.date(), stop.time(), now);
    QVERIFY(current.current && current.readable);
    QCOMPARE(current.seconds, seconds);
}

void JourneyTest::attemptSentences_data()
{
    QTest::addColumn<QList<qint64>>("past"); // -1: a copy that cannot be read
    QTest::addColumn<qint64>("current");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<qint64>("nextChange"); // in seconds, at 21:05, 10500 s before midnight
    const qint64 hour = 3600;
    const qint64 day = 24 * hour;
    QTest::newRow("no past attempts") << QList<qint64>() << 3 * day + 4 * hour + 59
                                      << QStringList{"Attempts so far: 1", "Longest smoke-free run: 3 days and 4 hours",
                                                     "This attempt: 3 days and 4 hours",
                                                     "This is your longest run yet."}
                                      << qint64(3541);
    QTest::newRow("the current one longest")
        << QList<qint64>{5 * day, 2 * hour} << 6 * day
        << QStringList{"Attempts so far: 3", "Longest smoke-free run: 6 days and 0 hours",
                       "This attempt: 6 days and 0 hours", "This is your longest run yet."}
        << qint64(3600);
    QTest::newRow("a tie") << QList<qint64>{day + hour} << day + hour
                           << QStringList{"Attempts so far: 2", "Longest smoke-free run: 1 day and 1 hour",
                                          "This attempt: 1 day and 1 hour", "This is your longest run yet."}
                           << qint64(3600);
    QTest::newRow("an unreadable copy, not counted")
        << QList<qint64>{-1, 2 * day} << day
        << QStringList{"Attempts so far: 2", "Longest smoke-free run: 2 days and 0 hours",
                       "This attempt: 1 day and 0 hours", "1 day and 0 hours to beat your longest run."}
        << qint64(3600);
    QTest::newRow("a second short, rounded up")
        << QList<qint64>{day + 1} << day
        << QStringList{"Attempts so far: 2", "Longest smoke-free run: 1 day and 0 hours",
                       "This attempt: 1 day and 0 hours", "0 days and 1 hour to beat your longest run."}
        << qint64(1);
    QTest::newRow("clock set back") << QList<qint64>{26 * hour - 1} << qint64(0)
                                    << QStringList{"Attempts so far: 2", "Longest smoke-free run: 1 day and 1 hour",
                                                   "This attempt: 0 days and 0 hours",
                                                   "1 day and 2 hours to beat your longest run."}
                                    << qint64(3599);
}

void JourneyTest::attemptSentences()
{
    QFETCH(QList<qint64>, past);
    QFETCH(qint64, current);
    QFETCH(QStringList, expected);
    QList<Attempt> attempts;
    for (const qint64 seconds : past)
        attempts.append({QStringLiteral("attempt.dat"), {}, {}, std::max<qint64>(seconds, 0), seconds >= 0, false});
    const Attempt running{QString(), {}, {}, current, true, true};
    const Summary summary = summarize(attempts, running, {}, QDateTime(QDate(2026, 3, 14), QTime(21, 5)));
    QCOMPARE(sentences(summary).mid(0, 4), expected);
    QFETCH(qint64, nextChange);
    QCOMPARE(secondsToNextChange(summary, QDateTime(QDate(2026, 3, 14), QTime(21, 5))), nextChange);
}

void JourneyTest::cravingDays_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QList<Craving>>("cravings");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<int>("onThatDay");
    QTest::addColumn<QString>("sentence");
    const QDateTime now(QDate(2026, 4, 10), QTime(12, 0));
    QTest::newRow("only one in the future") << now << QList<Craving>{craving("2026-04-10T12:00:01+02:00")} << now.date()
                                            << 0 << "No cravings logged in the last 30 days.";
    QTest::newRow("one at exactly now") << now << QList<Craving>{craving("2026-04-10T12:00:00+02:00", Outcome::Smoked)}
                                        << now.date() << 1
                                        << "Cravings logged in the last 30 days: 1. 0% passed without a cigarette.";
    QTest::newRow("the 30 days, and one before and one later")
        << now
        << QList<Craving>{craving("2026-03-11T23:59:59+01:00"), craving("2026-03-12T00:00:00+01:00"),
                          craving("2026-04-10T11:00:00+02:00", Outcome::Smoked), craving("2026-04-10T09:00:00Z"),
                          craving("2026-04-11T08:00:00+02:00")}
        << QDate(2026, 3, 12) << 1 << "Cravings logged in the last 30 days: 3. 67% passed without a cigarette.";
    // Under Berlin's clock, 29 March 2026 has 23 hours and 25 October 25 hours.
    QTest::newRow("a day of 23 hours") << now
                                       << QList<Craving>{craving("2026-03-28T23:59:00+01:00"),
                                                         craving("2026-03-29T00:01:00+01:00"),
                                                         craving("2026-03-29T23:59:00+02:00"),
                                                         craving("2026-03-30T00:01:00+02:00")}
                                       << QDate(2026, 3, 29) << 2
                                       << "Cravings logged in the last 30 days: 4. 100% passed without a cigarette.";
    QTest::newRow("a day of 25 hours") << QDateTime(QDate(2026, 11, 5), QTime(8, 0))
                                       << QList<Craving>{craving("2026-10-25T00:01:00+02:00"),
                                                         craving("2026-10-25T02:30:00+02:00"),
                                                         craving("2026-10-25T02:30:00+01:00", Outcome::Smoked),
                                                         craving("2026-10-25T23:59:00+01:00"),
                                                         craving("2026-10-26T00:00:00+01:00")}
                                       << QDate(2026, 10, 25) << 4
                                       << "Cravings logged in the last 30 days: 5. 80% passed without a cigarette.";
}

void JourneyTest::cravingDays()
{
    QFETCH(QDateTime, now);
    QFETCH(QList<Craving>, cravings);
    QFETCH(QDate, day);
    QFETCH(int, onThatDay);
    QFETCH(QString, sentence);
    const Summary summary = summarize({}, currentAttempt({}, {}, now), {cravings, 0, true, {}}, now);
    QCOMPARE(sentences(summary).value(4), sentence);
    QCOMPARE(summary.days.size(), daysShown);
    int counted = 0;
    for (qsizetype i = 0; i < summary.days.size(); ++i) {
        QCOMPARE(summary.days.at(i).date, now.date().addDays(i + 1 - daysShown));
        counted += summary.days.at(i).cravings;
        if (summary.days.at(i).date == day)
            QCOMPARE(summary.days.at(i).cravings, onThatDay);
    }
    QCOMPARE(counted, summary.cravingsInDays);
}

// Where the clocks skip midnight, the next day begins at the first moment it
// has; where they pass it twice, at the first of the two.
void JourneyTest::nextDayStarts_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QString>("now");
    QTest::addColumn<qint64>("seconds");
    QTest::newRow("Santiago, midnight skipped")
        << QByteArray("America/Santiago") << "2025-09-06T23:30:00-04:00" << qint64(1800);
    QTest::newRow("Beirut, midnight skipped")
        << QByteArray("Asia/Beirut") << "2026-03-28T23:30:00+02:00" << qint64(1800);
    QTest::newRow("Havana, midnight skipped")
        << QByteArray("America/Havana") << "2026-03-07T23:30:00-05:00" << qint64(1800);
    QTest::newRow("Havana, midnight twice")
        << QByteArray("America/Havana") << "2026-10-31T23:30:00-04:00" << qint64(1800);
}

void JourneyTest::nextDayStarts()
{
    QFETCH(QByteArray, zone);
    QFETCH(QString, now);
    QFETCH(qint64, seconds);
    setZone(zone.constData());
    const QDateTime moment = QDateTime::fromString(now, Qt::ISODate);
    // Two whole hours in: the hours alone would wait an hour.
    const Summary summary = summarize({}, {QString(), {}, {}, 2 * 3600, true, true}, {}, moment);
    QCOMPARE(secondsToNextChange(summary, moment), seconds);
}

void JourneyTest::spreadsheet()
{
    const QDateTime now(QDate(2026, 3, 14), QTime(21, 0));
    const QList<Attempt> past{
        {QStringLiteral("attempt-20260101-080000.dat"), {}, QDateTime(QDate(2026, 1, 1), QTime(8, 0)), 0, false, false},
        {QStringLiteral("attempt-20260301-090000.dat"), QDateTime(QDate(2026, 2, 28), QTime(7, 0)),
         QDateTime(QDate(2026, 3, 1), QTime(9, 0)), 93600, true, false}};
    // Every craving counts for its trigger, the one in the future too; ties keep the dialog's order.
    QTemporaryDir folder;
    const CravingFile file(folder.filePath(QStringLiteral("cravings.csv")));
    CHECKED(writeBytes(file.path(), header + "2026-03-12T08:00:00+01:00,3,coffee,,passed\r\n"
                                             "2026-03-13T08:00:00+01:00,5,stress,\"1,2\",smoked\r\n"
                                             "2026-07-01T06:00:00Z,1,screen,\"a \"\"b\"\"\rc\",smoked\r\n"
                                             "2026-03-14T08:00:00+01:00,3,screen,,passed\r\n"
                                             "2026-03-14T09:00:00+01:00,2,,=1+1,passed\r\n"
                                             "2026-03-14T09:01:00+01:00,2,,+1,passed\r\n"
                                             "2026-03-14T09:02:00+01:00,2,,-1,passed\r\n"
                                             "2026-03-14T09:03:00+01:00,2,,@A1,passed\r\n"
                                             "2026-03-14T09:04:00+01:00,2,,\t1,passed\r\n"
                                             "2026-03-14T09:05:00+01:00,2,,\"\r1\",passed\r\n"));
    const Summary summary = summarize(past, currentAttempt(QDate(2026, 3, 10), QTime(12, 0), now), file.read(), now);
    QList<Trigger> ranked;
    for (const TriggerCount &count : summary.triggers)
        ranked << count.trigger;
    QCOMPARE(ranked, QList<Trigger>({Trigger::NotSaid, Trigger::Screen, Trigger::Stress, Trigger::Coffee}));
    QCOMPARE(summary.longestIndex, 2);
    // The file keeps the notes as they were written; a spreadsheet takes them as text.
    QCOMPARE(file.read().cravings.at(4).note, QStringLiteral("=1+1"));
    const Spreadsheet sheet = spreadsheetCsv(summary.attempts, file);
    QCOMPARE(sheet.problems, QList<FileProblem>());
    QCOMPARE(sheet.csv,
             QByteArray("attempt,start,end,days,hours,state,file\r\n"
                        "1,,2026-01-01T08:00:00+01:00,,,unreadable,attempt-20260101-080000.dat\r\n"
                        "2,2026-02-28T07:00:00+01:00,2026-03-01T09:00:00+01:00,1,2,past,attempt-20260301-090000.dat\r\n"
                        "3,2026-03-10T12:00:00+01:00,2026-03-14T21:00:00+01:00,4,9,current,\r\n"
                        "\r\n" +
                        newHeader +
                        "2026-03-12T08:00:00+01:00,3,coffee,,passed,,\r\n"
                        "2026-03-13T08:00:00+01:00,5,stress,\"1,2\",smoked,,\r\n"
                        "2026-07-01T08:00:00+02:00,1,screen,\"a \"\"b\"\"\rc\",smoked,,\r\n"
                        "2026-03-14T08:00:00+01:00,3,screen,,passed,,\r\n"
                        "2026-03-14T09:00:00+01:00,2,,'=1+1,passed,,\r\n"
                        "2026-03-14T09:01:00+01:00,2,,'+1,passed,,\r\n"
                        "2026-03-14T09:02:00+01:00,2,,'-1,passed,,\r\n"
                        "2026-03-14T09:03:00+01:00,2,,'@A1,passed,,\r\n"
                        "2026-03-14T09:04:00+01:00,2,,'\t1,passed,,\r\n"
                        "2026-03-14T09:05:00+01:00,2,,\"'\r1\",passed,,\r\n"));
    // Cravings that cannot be read make no spreadsheet.
    const Spreadsheet unread = spreadsheetCsv(summary.attempts, CravingFile(folder.path()));
    QVERIFY(unread.csv.isEmpty() && !unread.problems.isEmpty());
}

// The reset names its copies and the journey reads the names back: two
// resets within the same second are two attempts, in the order they came.
void JourneyTest::keptCopiesAreReadBack()
{
    QTemporaryDir folder;
    const QString profile = folder.filePath(QStringLiteral("data.dat"));
    const QString history = folder.filePath(QStringLiteral("history"));
    const QDateTime reset(QDate(2026, 12, 31), QTime(23, 59, 59));
    for (const char *stop : {"2026-12-01", "2026-12-20"}) {
        CHECKED(writeBytes(profile, "Ann\r\n20\r\neuro\r\n6.50\r\n" + QByteArray(stop) + "\r\n08:00:00\r\nYES\r\n"));
        QVERIFY(ProfileFile(profile).keepCopy(history, reset).ok);
    }
    const QList<Attempt> attempts = readPastAttempts(history, reset.date());
    QCOMPARE(attempts.size(), 2);
    for (int index = 0; index < 2; ++index) {
        QVERIFY(attempts.at(index).readable);
        QCOMPARE(attempts.at(index).end, reset);
    }
    QCOMPARE(attempts.at(0).start.date(), QDate(2026, 12, 1));
    QCOMPARE(attempts.at(1).start.date(), QDate(2026, 12, 20));
}

// Worked out by hand: the mark on the longest attempt, and for each day with
// cravings the bars of those passed and smoked, its point on the strength
// line and its row of the table. Today, 14 March, is the day of index 29.
void JourneyTest::chartFigures_data()
{
    QTest::addColumn<QList<qint64>>("past"); // seconds of each earlier attempt
    QTest::addColumn<QList<Craving>>("cravings");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QStringList>("days");  // index: passed + smoked, the table's figure
    QTest::addColumn<QString>("line");      // runs of index:strength, split by " | "
    QTest::addColumn<QStringList>("hours"); // the rows of when cravings come
    QTest::addColumn<QString>("bars");      // hour/weekday:cravings, Monday 0
    QTest::addColumn<QString>("locale");    // the regional formats; empty: the system's
    const qint64 day = 24 * 3600;
    const QList<Craving> brokenLine{dayCraving(11, 8, 2),
                                    dayCraving(11, 9, 3),
                                    dayCraving(11, 10, 2, Outcome::Smoked),
                                    dayCraving(13, 8, 1),
                                    dayCraving(13, 9, 2),
                                    dayCraving(13, 10, 3),
                                    dayCraving(13, 11, 3, Outcome::Smoked),
                                    dayCraving(14, 7, 5),
                                    dayCraving(14, 8, 3, Outcome::Smoked),
                                    dayCraving(14, 9, 2, Outcome::Smoked)};
    const QString brokenLineBars = "7/5:1 8/2:1 8/4:1 8/5:1 9/2:1 9/4:1 9/5:1 10/2:1 10/4:1 11/4:1";
    QTest::newRow("a tie: this attempt is marked") << QList<qint64>{day + 3600} << QList<Craving>()
                                                   << "1 Longest: 1 day" << QStringList() << "" << QStringList() << ""
                                                   << "";
    QTest::newRow("the longest before") << QList<qint64>{3 * day, day} << QList<Craving>{dayCraving(14, 8, 4)}
                                        << "0 Longest: 3 days"
                                        << QStringList{"29: 1 + 0, 1 craving, 1 passed, mean strength 4"} << "29:4.00"
                                        << QStringList{"08:00 to 09:00, 1 craving: Saturday 1"} << "8/5:1"
                                        << "";
    QTest::newRow("a day without cravings breaks the line")
        << QList<qint64>() << brokenLine << "0 Longest: 1 day"
        << QStringList{"26: 2 + 1, 3 cravings, 2 passed, mean strength 2.3",
                       "28: 3 + 1, 4 cravings, 3 passed, mean strength 2.3",
                       "29: 1 + 2, 3 cravings, 1 passed, mean strength 3.3"}
        << "26:2.33 | 28:2.25 29:3.33"
        << QStringList{"07:00 to 08:00, 1 craving: Saturday 1",
                       "08:00 to 09:00, 3 cravings: Wednesday 1, Friday 1, Saturday 1",
                       "09:00 to 10:00, 3 cravings: Wednesday 1, Friday 1, Saturday 1",
                       "10:00 to 11:00, 2 cravings: Wednesday 1, Friday 1", "11:00 to 12:00, 1 craving: Friday 1"}
        << brokenLineBars << "";
    // The words stay those of the language; the figures take the region's forms.
    QTest::newRow("decimals with a comma")
        << QList<qint64>() << brokenLine << "0 Longest: 1 day"
        << QStringList{"26: 2 + 1, 3 cravings, 2 passed, mean strength 2,3",
                       "28: 3 + 1, 4 cravings, 3 passed, mean strength 2,3",
                       "29: 1 + 2, 3 cravings, 1 passed, mean strength 3,3"}
        << "26:2.33 | 28:2.25 29:3.33"
        << QStringList{"07:00 to 08:00, 1 craving: Samstag 1",
                       "08:00 to 09:00, 3 cravings: Mittwoch 1, Freitag 1, Samstag 1",
                       "09:00 to 10:00, 3 cravings: Mittwoch 1, Freitag 1, Samstag 1",
                       "10:00 to 11:00, 2 cravings: Mittwoch 1, Freitag 1", "11:00 to 12:00, 1 craving: Freitag 1"}
        << brokenLineBars << "de_DE";
}

void JourneyTest::chartFigures()
{
    QFETCH(QList<qint64>, past);
    QFETCH(QList<Craving>, cravings);
    QFETCH(QString, locale);
    if (!locale.isEmpty())
        QLocale::setDefault(QLocale(locale));
    const QDateTime now(QDate(2026, 3, 14), QTime(21, 5));
    QList<Attempt> attempts;
    for (const qint64 seconds : past)
        attempts.append({QStringLiteral("attempt.dat"), now.addDays(-40), now.addDays(-30), seconds, true, false});
    const Attempt current{QString(), now.addSecs(-86400 - 3600), now, 86400 + 3600, true, true};
    const QList<ChartView> views = chartViews(summarize(attempts, current, {cravings, 0, true, {}}, now));

    QStringList marks;
    for (const charts::Note &note : views.at(0).figures.notes)
        marks << QString::number(note.category) + ' ' + note.text;
    QTEST(marks.join(u','), "mark");
    QCOMPARE(views.at(0).figures.categoryLabels.size(), past.size() + 1);
    const charts::Figures &days = views.at(1).figures;
    QStringList shown;
    for (int index = 0, row = 0; index < days.categoryCount; ++index) {
        const double passed = days.sets.at(0).values.at(index);
        const double smoked = days.sets.at(1).values.at(index);
        if (passed + smoked > 0)
            shown << QStringLiteral("%1: %2 + %3, %4")
                         .arg(index)
                         .arg(passed)
                         .arg(smoked)
                         .arg(views.at(1).rows.at(row++).figure);
    }
    QTEST(shown, "days");
    // The accessible description says what the table says.
    for (const FigureRow &row : views.at(1).rows)
        QVERIFY2(views.at(1).description.contains(row.item + ", " + row.figure), qPrintable(views.at(1).description));
    // A date a week under the bars, the last under today.
    QCOMPARE(days.categoryLabels.size(), 5);
    QCOMPARE(days.categoryLabels.last().category, 29);
    QStringList runs;
    for (const QList<QPointF> &run : days.line.runs) {
        QStringList points;
        for (const QPointF &point : run)
            points << QStringLiteral("%1:%2").arg(point.x()).arg(point.y(), 0, 'f', 2);
        runs << points.join(u' ');
    }
    QTEST(runs.join(QStringLiteral(" | ")), "line");

    const ChartView &hours = views.at(3);
    QStringList rows;
    for (const FigureRow &row : hours.rows)
        rows << row.item + ", " + row.figure;
    QTEST(rows, "hours");
    QStringList bars;
    for (int hour = 0; hour < hours.figures.categoryCount; ++hour) {
        for (int weekday = 0; weekday < hours.figures.sets.size(); ++weekday) {
            if (const double count = hours.figures.sets.at(weekday).values.at(hour); count > 0)
                bars << QStringLiteral("%1/%2:%3").arg(hour).arg(weekday).arg(count);
        }
    }
    QTEST(bars.join(u' '), "bars");
}

// Every file of the user's is read through one reader, which refuses what is
// no file of theirs with its reason, and never waits on a pipe: each kind of
// file, reached through each file that is read so.
void JourneyTest::readersRefuseWhatIsNoFile_data()
{
    QTest::addColumn<QString>("reader");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    const struct
    {
        const char *kind;
        const char *reason; // a part of the reason given
    } kinds[] = {
        {"folder", "folder"},
        {"pipe", "not a file"},
        {"failing", "Input/output error"},
        {"link out", "outside the folder of your files"},
    };
    for (const char *reader : {"cravings", "plans", "profile", "settings", "personal reasons"}) {
        for (const auto &kind : kinds)
            QTest::addRow("%s, %s", reader, kind.kind) << reader << kind.kind << kind.reason;
    }
}

void JourneyTest::readersRefuseWhatIsNoFile()
{
    QFETCH(QString, reader);
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir home;
    QTemporaryDir outside;
    const QString user = home.filePath(QStringLiteral("user"));
    QVERIFY(QDir().mkpath(user));
    const QString path = user + QStringLiteral("/file");
    const QString elsewhere = outside.filePath(QStringLiteral("secret"));
    CHECKED(writeBytes(elsewhere, "name\r\n"));
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(path));
    else if (kind == QLatin1String("pipe"))
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == QLatin1String("failing"))
        QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), path));
    else
        QVERIFY(QFile::link(elsewhere, path));
    // The link to /proc leads out of the folder too; here it stands for a failing read.
    const QString within = kind == QLatin1String("failing") ? QString() : user;

    QString problem;
    if (reader == QLatin1String("cravings")) {
        const CravingLog log = CravingFile(path, within).read();
        QVERIFY(!log.readable && log.problems.size() == 1);
        problem = log.problems.first().reason;
        QVERIFY(!CravingFile(path, within).append(added()).ok);
    } else if (reader == QLatin1String("plans")) {
        const PlanBook book = PlansFile(path, within).read();
        QVERIFY(!book.readable);
        problem = book.problem;
        QVERIFY(!PlansFile(path, within).setPlan(Trigger::Coffee, QStringLiteral("tea")).ok);
    } else if (reader == QLatin1String("profile")) {
        QuitProfile profile;
        const ProfileFile::ReadOutcome read = ProfileFile(path, within).read(profile, QDate(2026, 3, 5));
        QVERIFY(read.exists);
        QCOMPARE(profile.userName, QuitProfile().userName);
        problem = read.problem;
    } else if (reader == QLatin1String("settings")) {
        ProgramSettings settings;
        problem = SettingsFile(path, within).read(settings);
    } else {
        QTextDocument document;
        const richtext::LoadResult loaded = richtext::loadFile(path, &document, within);
        QVERIFY(!loaded.ok && !loaded.missing);
        problem = loaded.error;
    }
    QVERIFY2(problem.contains(reason, Qt::CaseInsensitive), qPrintable(problem));
    // Nothing was written through the link, nor over what could not be read.
    QCOMPARE(contents(elsewhere), QByteArray("name\r\n"));
    QCOMPARE(QFileInfo(path).isDir(), kind == QLatin1String("folder"));
}

int main(int argc, char *argv[])
{
    // The days follow the local calendar, here Berlin's with its two changes
    // of 2026, set before anything reads the zone.
    qputenv("TZ", "Europe/Berlin");
    tzset();
    QCoreApplication application(argc, argv);
    JourneyTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_journey.moc"
