#include "journey/attempts.h"
#include "journey/cravings.h"
#include "journey/journeysummary.h"
#include "platform/translation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <ctime>
#include <sys/stat.h>

using namespace journey;

class JourneyTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(translation::install()); }

    void cravingFiles_data();
    void cravingFiles();
    void pastAttempts();
    void attemptLengths_data();
    void attemptLengths();
    void attemptSentences_data();
    void attemptSentences();
    void cravingDays_data();
    void cravingDays();
    void spreadsheet();
};

namespace {

const QByteArray header = "time,strength,trigger,note,outcome\r\n";
const QByteArray row = "2026-03-05T08:30:15+01:00,4,coffee,,passed\r\n";

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QDateTime at(const char *iso)
{
    return QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate);
}

Craving craving(const char *iso, Outcome outcome = Outcome::Passed, Trigger trigger = Trigger::Stress)
{
    return {at(iso), 3, trigger, QString(), outcome};
}

} // namespace

void JourneyTest::cravingFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("cravings");
    QTest::addColumn<int>("unreadable");
    QTest::addColumn<QString>("firstNote");
    const QByteArray note = QByteArray(190, 'n') + "\u00e9, \"quoted\"";
    const QByteArray longRow =
        "2026-03-05T08:30:15+01:00,4,coffee,\"" + QByteArray(note).replace("\"", "\"\"") + "\",smoked\r\n";
    const int longRows = 50 * 1024 * 1024 / longRow.size();
    QTest::newRow("missing") << "missing" << QByteArray() << 0 << 0 << "";
    QTest::newRow("empty") << "file" << QByteArray() << 0 << 0 << "";
    QTest::newRow("a folder") << "folder" << QByteArray() << 0 << 0 << "";
    QTest::newRow("over the read limit") << "huge" << QByteArray() << 0 << 0 << "";
    QTest::newRow("a pipe, which would never end") << "pipe" << QByteArray() << 0 << 0 << "";
    QTest::newRow("binary") << "file" << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\r\"IHDR\0\xff", 16) << 0 << 4 << "";
    QTest::newRow("50 MB") << "file" << header + longRow.repeated(longRows) << longRows << 0 << QString::fromUtf8(note);
    QTest::newRow("without a header") << "file" << row + row << 2 << 0 << "";
    QTest::newRow("with a BOM") << "file"
                                << "\xEF\xBB\xBF" + header + row << 1 << 0 << "";
    QTest::newRow("CR-only lines") << "file" << QByteArray(header + row + row).replace("\r\n", "\r") << 2 << 0 << "";
    QTest::newRow("blank lines") << "file"
                                 << "\r\n\n" + header + "\r\n" + row + "\n\r" << 1 << 0 << "";
    QTest::newRow("note with a comma") << "file" << header + "2026-03-05T08:30:15Z,1,meal,\"tea, no sugar\",passed" << 1
                                       << 0 << "tea, no sugar";
    QTest::newRow("note with line breaks")
        << "file" << header + "2026-03-05T08:30:15-05:00,5,other,\"a\r\nb\nc\",smoked\r" << 1 << 0 << "a\r\nb\nc";
    QTest::newRow("strength 0") << "file" << header + row + QByteArray(row).replace(",4,", ",0,") << 1 << 1 << "";
    QTest::newRow("strength 9") << "file" << header + row + QByteArray(row).replace(",4,", ",9,") << 1 << 1 << "";
    QTest::newRow("strength x") << "file" << header + row + QByteArray(row).replace(",4,", ",x,") << 1 << 1 << "";
    QTest::newRow("time without offset") << "file" << header + QByteArray(row).replace("+01:00", "") + row << 1 << 1
                                         << "";
    QTest::newRow("quotes never closed") << "file" << header + row + "2026-03-05T09:00:00+01:00,2,stress,\"to be, or"
                                         << 1 << 1 << "";
}

void JourneyTest::cravingFiles()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(int, cravings);
    QFETCH(int, unreadable);
    QFETCH(QString, firstNote);
    QTemporaryDir folder;
    const CravingFile file(folder.filePath(QStringLiteral("cravings.csv")));
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(file.path()));
    if (kind == QLatin1String("pipe"))
        QCOMPARE(mkfifo(QFile::encodeName(file.path()).constData(), 0600), 0);
    QFile written(file.path());
    if (kind == QLatin1String("file"))
        QVERIFY(written.open(QIODevice::WriteOnly) && written.write(bytes) == bytes.size());
    if (kind == QLatin1String("huge"))
        QVERIFY(written.open(QIODevice::WriteOnly) && written.resize(65 * 1024 * 1024));
    written.close();
    const QFileInfo found(file.path());
    // A pipe is never opened here: opening it would wait for a writer.
    const QByteArray before = kind == QLatin1String("file") ? contents(file.path()) : QByteArray();

    const CravingLog log = file.read();
    const bool readable = kind == QLatin1String("file") || kind == QLatin1String("missing");
    QCOMPARE(log.readable, readable);
    QCOMPARE(log.problem.isEmpty(), readable);
    QCOMPARE(log.cravings.size(), cravings);
    QCOMPARE(log.unreadableRows, unreadable);
    if (!firstNote.isEmpty())
        QCOMPARE(log.cravings.first().note, firstNote);

    const Craving added{at("2026-03-14T21:05:33+01:00"), 2, Trigger::Screen, QStringLiteral("a \"b\",\nc"),
                        Outcome::Smoked};
    const textfiles::WriteResult result = file.append(added);
    QCOMPARE(result.ok, readable);
    if (!readable) {
        QVERIFY(!result.error.isEmpty());
        const QFileInfo left(file.path());
        QVERIFY(left.isDir() == found.isDir() && left.isFile() == found.isFile() && left.size() == found.size());
        return;
    }
    // Every old byte is there as it was, around the new record.
    const QByteArray after = contents(file.path());
    const QByteArray record = cravingRecord(added);
    const qsizetype inserted = after.lastIndexOf(record);
    QVERIFY(inserted >= 0);
    const QByteArray around = after.left(inserted) + after.mid(inserted + record.size());
    QVERIFY(around == before || around == before + "\r\n" || (before.isEmpty() && around == header));
    const CravingLog again = file.read();
    QCOMPARE(again.cravings.size(), cravings + 1);
    QCOMPARE(again.unreadableRows, unreadable);
    QCOMPARE(again.cravings.last(), added);
}

void JourneyTest::pastAttempts()
{
    QTemporaryDir folder;
    const auto write = [&](const char *name, const QByteArray &bytes) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    };
    const QByteArray copy = "Ann\r\n20\r\neuro\r\n6.50\r\n2026-01-10\r\n08:00:00\r\nYES\r\n";
    write("attempt-20260301-090000.dat", copy);
    write("attempt-20260112-100000-2.dat", copy);
    write("attempt-20260112-100000.dat", QByteArray("Ann\r\n20\r\neuro\r\n6.50\r\n\0\0\r\n", 24));
    write("attempt-20260105-100000.dat", copy); // ended before it started
    write("attempt-20260113-100000.dat.bak", copy);
    write("notes.txt", copy);
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("attempt-20260201-120000.dat")));

    const QList<Attempt> attempts = readPastAttempts(folder.path(), QDate(2026, 3, 14));
    QStringList found;
    for (const Attempt &attempt : attempts)
        found << QStringLiteral("%1 %2 %3").arg(attempt.fileName).arg(attempt.readable).arg(attempt.seconds);
    QCOMPARE(found, QStringList({"attempt-20260105-100000.dat 1 0", "attempt-20260112-100000.dat 0 0",
                                 "attempt-20260112-100000-2.dat 1 180000", "attempt-20260201-120000.dat 0 0",
                                 "attempt-20260301-090000.dat 1 4323600"}));
    QCOMPARE(attempts.last().start, QDateTime(QDate(2026, 1, 10), QTime(8, 0)));
    QCOMPARE(attempts.last().end, QDateTime(QDate(2026, 3, 1), QTime(9, 0)));
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
    QTest::newRow("an unreadable copy") << QList<qint64>{-1, 2 * day} << day
                                        << QStringList{"Attempts so far: 3",
                                                       "Longest smoke-free run: 2 days and 0 hours",
                                                       "This attempt: 1 day and 0 hours",
                                                       "1 day and 0 hours to beat your longest run."}
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
    QCOMPARE(sentences(summary).last(), sentence);
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

void JourneyTest::spreadsheet()
{
    const QDateTime now(QDate(2026, 3, 14), QTime(21, 0));
    const QList<Attempt> past{
        {QStringLiteral("attempt-20260101-080000.dat"), {}, QDateTime(QDate(2026, 1, 1), QTime(8, 0)), 0, false, false},
        {QStringLiteral("attempt-20260301-090000.dat"), QDateTime(QDate(2026, 2, 28), QTime(7, 0)),
         QDateTime(QDate(2026, 3, 1), QTime(9, 0)), 93600, true, false}};
    // Every craving counts for its trigger, the one in the future too; ties keep the dialog's order.
    const CravingLog log{
        {craving("2026-03-12T08:00:00+01:00", Outcome::Passed, Trigger::Coffee),
         {at("2026-03-13T08:00:00+01:00"), 5, Trigger::Stress, QStringLiteral("1,2"), Outcome::Smoked},
         {at("2026-07-01T06:00:00Z"), 1, Trigger::Screen, QStringLiteral("a \"b\"\rc"), Outcome::Smoked},
         craving("2026-03-14T08:00:00+01:00", Outcome::Passed, Trigger::Screen)},
        4,
        true,
        {}};
    const Summary summary = summarize(past, currentAttempt(QDate(2026, 3, 10), QTime(12, 0), now), log, now);
    QList<Trigger> ranked;
    for (const TriggerCount &count : summary.triggers)
        ranked << count.trigger;
    QCOMPARE(ranked, QList<Trigger>({Trigger::Screen, Trigger::Stress, Trigger::Coffee}));
    QCOMPARE(summary.longestIndex, 2);
    QCOMPARE(spreadsheetCsv(summary, log),
             QByteArray("attempt,start,end,days,hours,state,file\r\n"
                        "1,,2026-01-01T08:00:00+01:00,,,unreadable,attempt-20260101-080000.dat\r\n"
                        "2,2026-02-28T07:00:00+01:00,2026-03-01T09:00:00+01:00,1,2,past,attempt-20260301-090000.dat\r\n"
                        "3,2026-03-10T12:00:00+01:00,2026-03-14T21:00:00+01:00,4,9,current,\r\n"
                        "\r\n" +
                        header +
                        "2026-03-12T08:00:00+01:00,3,coffee,,passed\r\n"
                        "2026-03-13T08:00:00+01:00,5,stress,\"1,2\",smoked\r\n"
                        "2026-07-01T08:00:00+02:00,1,screen,\"a \"\"b\"\"\rc\",smoked\r\n"
                        "2026-03-14T08:00:00+01:00,3,screen,,passed\r\n"));
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
