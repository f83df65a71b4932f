#include "cravinglog/cravingrecords.h"
#include "cravinglog/cravings.h"
#include "platform/textfiles.h"
#include "platform/translation.h"
#include "support/checked.h"
#include "support/cravingsamples.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <ctime>
#include <sys/stat.h>

using namespace journey;
using namespace cravingsamples;

// The log of cravings: its file as it is read, written and kept whole, and
// its records field by field.
class CravingLogTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(translation::install()); }
    void cleanup() { setZone("Europe/Berlin"); }

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

private:
    static void setZone(const char *zone)
    {
        qputenv("TZ", zone);
        tzset();
    }
};

void CravingLogTest::cravingFiles_data()
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

void CravingLogTest::cravingFiles()
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
void CravingLogTest::cravingsWritten_data()
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

void CravingLogTest::cravingsWritten()
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
void CravingLogTest::stepsAndSeconds_data()
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

void CravingLogTest::stepsAndSeconds()
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
void CravingLogTest::stepsAndSecondsWritten_data()
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

void CravingLogTest::stepsAndSecondsWritten()
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
void CravingLogTest::olderHeaderUpgraded_data()
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

void CravingLogTest::olderHeaderUpgraded()
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

int main(int argc, char *argv[])
{
    // The times are written in Berlin's zone unless a row says otherwise.
    qputenv("TZ", "Europe/Berlin");
    tzset();
    QCoreApplication application(argc, argv);
    CravingLogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_cravinglog.moc"
