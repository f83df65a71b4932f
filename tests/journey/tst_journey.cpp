#include "journey/attempts.h"
#include "journey/cravingrecords.h"
#include "journey/cravings.h"
#include "journey/journeyfigures.h"
#include "journey/journeysummary.h"
#include "platform/translation.h"
#include "journey/plans.h"
#include "profile/profilefile.h"
#include "profile/settingsfile.h"
#include "richtext/documentfile.h"
#include "support/checked.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTest>

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

    void cravingFiles_data();
    void cravingFiles();
    void cravingsWritten_data();
    void cravingsWritten();
    void stepsAndSeconds_data();
    void stepsAndSeconds();
    void stepsAndSecondsWritten_data();
    void stepsAndSecondsWritten();
    void olderHeaderUpgraded_data();
    void olderHeaderUpgraded();
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

// The header of the older form, of five fields, and the header written now.
const QByteArray header = "time,strength,trigger,note,outcome\r\n";
const QByteArray newHeader = "time,strength,trigger,note,outcome,seconds,did\r\n";
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

// The craving each file of cravingFiles is given.
Craving added()
{
    return {at("2026-03-14T21:05:33+01:00"), 2, Trigger::Screen, QStringLiteral("a \"b\",\nc"), Outcome::Smoked};
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// A craving of March 2026, on that day at that hour.
Craving dayCraving(int day, int hour, int strength, Outcome outcome = Outcome::Passed)
{
    return {QDateTime(QDate(2026, 3, day), QTime(hour, 0)), strength, Trigger::Meal, QString(), outcome};
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
    // Filled with empty lines, the most records a file can hold, to the size where a craving fills it.
    const qsizetype roomForOne = fullFileBytes - cravingRecord(added()).size();
    const QByteArray oneShort = header + row + QByteArray(roomForOne - header.size() - row.size(), '\n');
    QTest::newRow("missing") << "missing" << QByteArray() << 0 << 0 << "";
    QTest::newRow("empty") << "file" << QByteArray() << 0 << 0 << "";
    // Text after a closing quote: the field is not what it seems, and the row is kept unread.
    QTest::newRow("text after a closing quote")
        << "file" << header + "2026-03-05T08:30:15+01:00,4,coffee,\"a\"b,passed\r\n" + row << 1 << 1 << "";
    QTest::newRow("a folder") << "folder" << QByteArray() << 0 << 0 << "";
    QTest::newRow("at the read limit") << "limit" << QByteArray() << 0 << 1 << "";
    QTest::newRow("a byte over the read limit") << "huge" << QByteArray() << 0 << 0 << "";
    QTest::newRow("a pipe, which would never end") << "pipe" << QByteArray() << 0 << 0 << "";
    // A read that fails is not the end of the file, and no craving writes back what came before it.
    QTest::newRow("a read that fails") << "failing" << QByteArray() << 0 << 0 << "";
    QTest::newRow("binary") << "file" << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\r\"IHDR\0\xff", 16) << 0 << 4 << "";
    QTest::newRow("50 MB, full") << "file" << header + longRow.repeated(longRows) << longRows << 0
                                 << QString::fromUtf8(note);
    QTest::newRow("a craving short of full") << "file" << oneShort << 1 << 0 << "";
    QTest::newRow("full by a byte") << "file" << oneShort + '\n' << 1 << 0 << "";
    // The new file cannot be written: the full one stays the file, under its own name.
    QTest::newRow("full, and the new file cannot be written") << "unwritable" << oneShort + '\n' << 1 << 0 << "";
    // Full files 1 and 3 were removed: the next is named after the highest, over none of them.
    QTest::newRow("full, beside full file 2 alone") << "gap" << oneShort + '\n' << 2 << 0 << "";
    // A crash came after the full file was kept and before the new one took its place.
    QTest::newRow("a new file that did not take its place") << "started" << header + row << 1 << 0 << "";
    // Over 8 MB, but neither renamed as full nor written through: it leads out of the user's folder.
    QTest::newRow("full, a link out of the folder") << "outside" << oneShort + '\n' << 0 << 0 << "";
    // Full files, each kept as cravings-full-N.csv, are read first, the lowest number first.
    QTest::newRow("beside full files") << "beside" << header + row << 3 << 0 << "two";
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
    QTest::newRow("no trigger said") << "file" << header + QByteArray(row).replace("coffee", "") << 1 << 0 << "";
    QTest::newRow("a trigger of no name")
        << "file" << header + row + QByteArray(row).replace("coffee", "tea") << 1 << 1 << "";
    QTest::newRow("strength 0") << "file" << header + row + QByteArray(row).replace(",4,", ",0,") << 1 << 1 << "";
    QTest::newRow("strength 9") << "file" << header + row + QByteArray(row).replace(",4,", ",9,") << 1 << 1 << "";
    QTest::newRow("strength x") << "file" << header + row + QByteArray(row).replace(",4,", ",x,") << 1 << 1 << "";
    QTest::newRow("a time with a stray sign")
        << "file" << header + row + QByteArray(row).replace("08:30", "08:3/") << 1 << 1 << "";
    QTest::newRow("time without offset") << "file" << header + QByteArray(row).replace("+01:00", "") + row << 1 << 1
                                         << "";
    // Either would be written back with a year of five digits, or before the year 1.
    QTest::newRow("a time past the year 9999")
        << "file" << header + row + "9999-12-31T23:00:00-05:00,4,coffee,,passed\r\n"
        << 1 << 1 << "";
    QTest::newRow("a time before the year 1")
        << "file" << header + row + "0001-01-01T00:30:00+01:00,4,coffee,,passed\r\n"
        << 1 << 1 << "";
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
    QTemporaryDir elsewhere;
    const bool outside = kind == QLatin1String("outside");
    const CravingFile file(folder.filePath(QStringLiteral("cravings.csv")), outside ? folder.path() : QString());
    if (outside) {
        CHECKED(writeBytes(elsewhere.filePath(QStringLiteral("cravings.csv")), bytes));
        QVERIFY(QFile::link(elsewhere.filePath(QStringLiteral("cravings.csv")), file.path()));
    }
    const QString started = folder.filePath(QStringLiteral(".cravings.csv.starting"));
    if (kind == QLatin1String("started"))
        CHECKED(writeBytes(started, bytes));
    if (kind == QLatin1String("gap"))
        CHECKED(writeBytes(folder.filePath(QStringLiteral("cravings-full-2.csv")), row));
    if (kind == QLatin1String("folder"))
        QVERIFY(QDir().mkpath(file.path()));
    if (kind == QLatin1String("pipe"))
        QCOMPARE(mkfifo(QFile::encodeName(file.path()).constData(), 0600), 0);
    if (kind == QLatin1String("failing"))
        QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), file.path()));
    if (kind == QLatin1String("file") || kind == QLatin1String("beside") || kind == QLatin1String("unwritable") ||
        kind == QLatin1String("gap"))
        CHECKED(writeBytes(file.path(), bytes));
    if (kind == QLatin1String("beside")) {
        CHECKED(writeBytes(folder.filePath(QStringLiteral("cravings-full-10.csv")),
                           header + QByteArray(row).replace(",,", ",ten,")));
        CHECKED(
            writeBytes(folder.filePath(QStringLiteral("cravings-full-2.csv")), QByteArray(row).replace(",,", ",two,")));
    }
    QFile written(file.path());
    if (kind == QLatin1String("limit") || kind == QLatin1String("huge"))
        QVERIFY(written.open(QIODevice::WriteOnly) && written.resize(readLimitBytes + (kind == "huge" ? 1 : 0)));
    written.close();
    const QFileInfo found(file.path());
    const auto entries = [&folder](QDir::Filters kinds) {
        return QDir(folder.path()).entryList(kinds | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    };
    const QStringList filesBefore = entries(QDir::Files);
    const QStringList entriesBefore = entries(QDir::AllEntries);
    // A pipe is never opened here: opening it would wait for a writer.
    const QByteArray before = found.isFile() && kind != QLatin1String("failing") ? contents(file.path())
                              : kind == QLatin1String("started")                 ? contents(started)
                                                                                 : QByteArray();

    const CravingLog log = file.read();
    const bool readable = found.isFile() ? kind != QLatin1String("huge") && kind != QLatin1String("failing") && !outside
                                         : kind == QLatin1String("missing") || kind == QLatin1String("started");
    QCOMPARE(log.readable, readable);
    // Each file that cannot be read is named once, beside its reason.
    QCOMPARE(log.problems.size(), readable ? 0 : 1);
    if (!readable)
        QVERIFY(log.problems.first().path == file.path() && !log.problems.first().reason.contains(file.path()));
    QCOMPARE(log.cravings.size(), cravings);
    QCOMPARE(log.unreadableRows, unreadable);
    if (!firstNote.isEmpty())
        QCOMPARE(log.cravings.first().note, firstNote);

    const Craving craving = added();
    const QByteArray record = cravingRecord(craving);
    const bool unwritable = kind == QLatin1String("unwritable");
    // The write fails at its last step, the way a full disk makes it fail.
    if (unwritable)
        textfiles::testing::setBeforeCommit(
            [](const QString &path) { QDir().mkpath(path + QStringLiteral("/in the way")); });
    const AppendResult result = file.append(craving);
    textfiles::testing::setBeforeCommit({});
    QCOMPARE(result.ok, readable && !unwritable);
    if (!result.ok) {
        QVERIFY(!result.error.isEmpty() && result.keptFull.isEmpty());
        const QFileInfo left(file.path());
        QVERIFY(left.isDir() == found.isDir() && left.isFile() == found.isFile() && left.size() == found.size() &&
                left.isSymLink() == found.isSymLink());
        if (found.isFile() && kind != QLatin1String("failing"))
            QCOMPARE(contents(file.path()), before);
        // Nothing moved: no file is new or gone, whatever the failed write left in a folder.
        QCOMPARE(entries(QDir::Files), filesBefore);
        return;
    }
    // A file the craving would take past full is kept whole beside the new one, which it starts.
    const bool full = before.size() + record.size() > fullFileBytes;
    const QString fullName =
        kind == QLatin1String("gap") ? QStringLiteral("cravings-full-3.csv") : QStringLiteral("cravings-full-1.csv");
    QCOMPARE(result.keptFull, full ? folder.filePath(fullName) : QString());
    if (full) {
        QCOMPARE(contents(result.keptFull), before);
        QCOMPARE(contents(file.path()), newHeader + record);
        QStringList after = entries(QDir::AllEntries);
        QStringList expected = entriesBefore + QStringList{fullName};
        after.sort();
        expected.sort();
        QCOMPARE(after, expected);
    } else {
        // Every old byte is there as it was, around the new record, but for the header of the older form.
        const QByteArray after = contents(file.path());
        const qsizetype inserted = after.lastIndexOf(record);
        QVERIFY(inserted >= 0);
        const QByteArray around = after.left(inserted) + after.mid(inserted + record.size());
        const QByteArray kept = QByteArray(before).replace(header.chopped(2), newHeader.chopped(2));
        QVERIFY(around == kept || around == kept + "\r\n" || (before.isEmpty() && around == newHeader));
    }
    QVERIFY(!QFileInfo::exists(started));
    const CravingLog again = file.read();
    QCOMPARE(again.cravings.size(), cravings + 1);
    QCOMPARE(again.unreadableRows, unreadable);
    QCOMPARE(again.cravings.last(), craving);
}

// What is written reads back the same, in any zone; what would not read back
// is not written at all.
void JourneyTest::cravingsWritten_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<Craving>("craving");
    QTest::addColumn<QByteArray>("record"); // empty: refused
    const QDateTime moment(QDate(2026, 3, 14), QTime(21, 5, 33), Qt::UTC);
    const Craving plain{moment, 1, Trigger::Coffee, QString(), Outcome::Passed};
    const auto with = [&](auto change) {
        Craving changed = plain;
        change(changed);
        return changed;
    };
    const QByteArray inBerlin = "2026-03-14T22:05:33+01:00,1,coffee,";
    QTest::newRow("west of UTC") << QByteArray("America/Los_Angeles") << plain
                                 << QByteArray("2026-03-14T14:05:33-07:00,1,coffee,,passed,,\r\n");
    QTest::newRow("half an hour west") << QByteArray("America/St_Johns") << plain
                                       << QByteArray("2026-03-14T18:35:33-02:30,1,coffee,,passed,,\r\n");
    QTest::newRow("half an hour east") << QByteArray("Asia/Kolkata") << plain
                                       << QByteArray("2026-03-15T02:35:33+05:30,1,coffee,,passed,,\r\n");
    const struct
    {
        const char *name;
        const char *note;
        const char *field;
    } notes[] = {{"a comma", ",", "\",\""},
                 {"a quote", "\"", "\"\"\"\""},
                 {"a CR", "\r", "\"\r\""},
                 {"an LF", "\n", "\"\n\""},
                 {"a CR LF", "\r\n", "\"\r\n\""}};
    for (const auto &note : notes)
        QTest::newRow(note.name) << QByteArray("Europe/Berlin")
                                 << with([&](Craving &c) { c.note = QString::fromLatin1(note.note); })
                                 << inBerlin + note.field + ",passed,,\r\n";
    QTest::newRow("no trigger said") << QByteArray("Europe/Berlin")
                                     << with([](Craving &c) { c.trigger = Trigger::NotSaid, c.strength = 5; })
                                     << QByteArray("2026-03-14T22:05:33+01:00,5,,,passed,,\r\n");
    QTest::newRow("strength 0") << QByteArray("Europe/Berlin") << with([](Craving &c) { c.strength = 0; })
                                << QByteArray();
    QTest::newRow("strength 6") << QByteArray("Europe/Berlin") << with([](Craving &c) { c.strength = 6; })
                                << QByteArray();
    QTest::newRow("the last day of 9999")
        << QByteArray("Pacific/Kiritimati")
        << with([](Craving &c) { c.time = QDateTime(QDate(9999, 12, 31), QTime(1, 0), Qt::UTC); }) << QByteArray();
    QTest::newRow("the first day of the year 1")
        << QByteArray("America/Los_Angeles")
        << with([](Craving &c) { c.time = QDateTime(QDate(1, 1, 1), QTime(23, 0), Qt::UTC); }) << QByteArray();
    QTest::newRow("a trigger of no name")
        << QByteArray("Europe/Berlin") << with([](Craving &c) { c.trigger = Trigger(99); }) << QByteArray();
    QTest::newRow("an outcome of no name")
        << QByteArray("Europe/Berlin") << with([](Craving &c) { c.outcome = Outcome(7); }) << QByteArray();
}

void JourneyTest::cravingsWritten()
{
    QFETCH(QByteArray, zone);
    QFETCH(Craving, craving);
    QFETCH(QByteArray, record);
    setZone(zone.constData());
    QTemporaryDir folder;
    const CravingFile file(folder.filePath(QStringLiteral("cravings.csv")));
    QCOMPARE(file.append(craving).ok, !record.isEmpty());
    QCOMPARE(QFileInfo::exists(file.path()), !record.isEmpty());
    if (record.isEmpty())
        return;
    QCOMPARE(contents(file.path()), newHeader + record);
    QCOMPARE(file.read().cravings, QList<Craving>{craving});
}

// The two fields of the newer records; whatever they hold, the craving counts.
void JourneyTest::stepsAndSeconds_data()
{
    QTest::addColumn<QByteArray>("fields"); // after the outcome
    QTest::addColumn<int>("cravings");
    QTest::addColumn<int>("seconds"); // -1: none
    QTest::addColumn<QList<CopingStep>>("steps");
    using enum CopingStep;
    QTest::newRow("the older form") << QByteArray() << 1 << -1 << QList<CopingStep>();
    QTest::newRow("both empty") << QByteArray(",,") << 1 << -1 << QList<CopingStep>();
    QTest::newRow("steps in the order offered")
        << QByteArray(",95,water;walk") << 1 << 95 << QList<CopingStep>{Walk, Water};
    QTest::newRow("in quotes") << QByteArray(",\"60\",\"nrt;exercise\"") << 1 << 60
                               << QList<CopingStep>{Exercise, Nicotine};
    QTest::newRow("no time at all") << QByteArray(",0,") << 1 << 0 << QList<CopingStep>();
    QTest::newRow("a whole day") << QByteArray(",86400,") << 1 << 86400 << QList<CopingStep>();
    QTest::newRow("a second past a day") << QByteArray(",86401,busy") << 1 << -1 << QList<CopingStep>{Busy};
    QTest::newRow("negative") << QByteArray(",-5,walk") << 1 << -1 << QList<CopingStep>{Walk};
    QTest::newRow("not a number") << QByteArray(",abc,") << 1 << -1 << QList<CopingStep>();
    QTest::newRow("a fraction") << QByteArray(",1.5,") << 1 << -1 << QList<CopingStep>();
    QTest::newRow("beyond any integer") << QByteArray(",99999999999999999999,") << 1 << -1 << QList<CopingStep>();
    QTest::newRow("unknown, empty and twice")
        << QByteArray(",30,tea;walk;;walk; breathe") << 1 << 30 << QList<CopingStep>{Walk, Breathe};
    QTest::newRow("10,000 keys") << ",," + QByteArray("walk;").repeated(10000) << 1 << -1 << QList<CopingStep>();
    QTest::newRow("a 10 MB field") << ",5,\"" + QByteArray(10 * 1024 * 1024, 'w') + '"' << 1 << 5
                                   << QList<CopingStep>();
    QTest::newRow("six fields") << QByteArray(",5") << 0 << -1 << QList<CopingStep>();
    QTest::newRow("eight fields") << QByteArray(",5,walk,") << 0 << -1 << QList<CopingStep>();
}

void JourneyTest::stepsAndSeconds()
{
    QFETCH(QByteArray, fields);
    QFETCH(int, cravings);
    const CravingLog log = parseCravings(newHeader + "2026-03-05T08:30:15+01:00,4,coffee,,passed" + fields + "\r\n");
    QCOMPARE(log.cravings.size(), cravings);
    QCOMPARE(log.unreadableRows, 1 - cravings);
    if (cravings == 0)
        return;
    QFETCH(int, seconds);
    QCOMPARE(log.cravings.first().seconds.value_or(-1), seconds);
    QTEST(log.cravings.first().steps, "steps");
}

// What is written reads back; a duration the reader would not take is left out.
void JourneyTest::stepsAndSecondsWritten_data()
{
    QTest::addColumn<int>("seconds"); // -2: none
    QTest::addColumn<QList<CopingStep>>("steps");
    QTest::addColumn<QByteArray>("fields");
    using enum CopingStep;
    QTest::newRow("none") << -2 << QList<CopingStep>() << QByteArray(",,");
    QTest::newRow("in the order offered")
        << 95 << QList<CopingStep>{Other, Water, Walk} << QByteArray(",95,walk;water;other");
    QTest::newRow("a step twice") << 0 << QList<CopingStep>{Talk, Talk} << QByteArray(",0,talk");
    QTest::newRow("a whole day") << 86400 << QList<CopingStep>() << QByteArray(",86400,");
    QTest::newRow("past a day") << 86401 << QList<CopingStep>{Leave} << QByteArray(",,leave");
    QTest::newRow("negative") << -1 << QList<CopingStep>() << QByteArray(",,");
    QTest::newRow("a step of no name") << 7 << QList<CopingStep>{CopingStep(42), Breathe} << QByteArray(",7,breathe");
}

void JourneyTest::stepsAndSecondsWritten()
{
    QFETCH(int, seconds);
    QFETCH(QList<CopingStep>, steps);
    QFETCH(QByteArray, fields);
    Craving written = craving("2026-03-05T08:30:15+01:00");
    written.seconds = seconds == -2 ? std::nullopt : std::optional(seconds);
    written.steps = steps;
    const QByteArray record = cravingRecord(written);
    QCOMPARE(record, "2026-03-05T08:30:15+01:00,3,stress,,passed" + fields + "\r\n");
    const CravingLog back = parseCravings(record);
    QCOMPARE(back.cravings.size(), 1);
    // Read back, it writes the same record.
    QCOMPARE(cravingRecord(back.cravings.first()), record);
}

// Logging into a file of the older form changes its header, and nothing else.
void JourneyTest::olderHeaderUpgraded_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("head"); // what comes before the new record
    QTest::addColumn<QByteArray>("tail"); // and after it
    const QByteArray older = header.chopped(2);
    const QByteArray newer = newHeader.chopped(2);
    const QByteArray unreadable = "yesterday,\"x\"y,tea\r\n";
    const QByteArray open = "2026-03-05T09:00:00+01:00,2,stress,\"to be, or";
    QTest::newRow("CR LF") << header + row + unreadable << newHeader + row + unreadable << QByteArray();
    QTest::newRow("LF, capitals and spaces, its line end kept")
        << "Time, Strength ,trigger,NOTE,outcome\n" + row << newer + "\n" + row << QByteArray();
    QTest::newRow("a lone CR") << older + "\r" + row << newer + "\r" + row << QByteArray();
    QTest::newRow("the header alone, without a line end") << older << newer + "\r\n" << QByteArray();
    QTest::newRow("after a BOM and blank lines")
        << "\xEF\xBB\xBF\r\n\n" + header + row << "\xEF\xBB\xBF\r\n\n" + newHeader + row << QByteArray();
    QTest::newRow("before an unfinished record") << header + row + open << newHeader + row << open;
    QTest::newRow("the newer header stays") << newHeader + row << newHeader + row << QByteArray();
    QTest::newRow("a header after a record is a row") << row + header << row + header << QByteArray();
    QTest::newRow("a header in quotes") << "\"time\",strength,trigger,note,outcome\r\n" + row << newHeader + row
                                        << QByteArray();
}

void JourneyTest::olderHeaderUpgraded()
{
    QFETCH(QByteArray, before);
    QTemporaryDir folder;
    const CravingFile file(folder.filePath(QStringLiteral("cravings.csv")));
    CHECKED(writeBytes(file.path(), before));
    const int unreadable = file.read().unreadableRows;
    QVERIFY(file.append(added()).ok);
    QFETCH(QByteArray, head);
    QFETCH(QByteArray, tail);
    QCOMPARE(contents(file.path()), head + cravingRecord(added()) + tail);
    QCOMPARE(file.read().unreadableRows, unreadable);
}

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
