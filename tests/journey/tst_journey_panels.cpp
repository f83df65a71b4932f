#include "journey/cravings.h"
#include "journey/journeyfigures.h"
#include "journey/journeytab.h"
#include "platform/translation.h"
#include "support/testwindow.h"

#include <QDir>
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
    void chartFigures_data();
    void chartFigures();
    void followsTheClockAndTheCravings();
    void saysWhatCannotBeShown_data();
    void saysWhatCannotBeShown();
    void savesAsCsv_data();
    void savesAsCsv();
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
    program.writeFile("data/settings/history/attempt-20260115-200000.dat",
                      "Ann\r\n20\r\neuro\r\n6.50\r\n2026-01-03\r\n15:00:00\r\nYES\r\n");
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

// The files are read on a thread of their own; the figures show once it is done.
bool figuresRead(TestProgram &program)
{
    const auto *tab = program.find<JourneyTab>("journeytab");
    return QTest::qWaitFor([tab] { return !tab->isBusy(); });
}

void openJourney(TestProgram &program)
{
    program.startOnTab(journeyTab);
    QVERIFY(figuresRead(program));
}

journey::Craving craving(int day, int hour, int strength, journey::Outcome outcome = journey::Outcome::Passed)
{
    return {QDateTime(QDate(2026, 3, day), QTime(hour, 0)), strength, journey::Trigger::Meal, QString(), outcome};
}

} // namespace

void JourneyPanelsTest::builtWhenFirstOpened()
{
    TestProgram program;
    program.startOnTab(0);
    QVERIFY(program.window().findChild<QWidget *>("journeytab"));
    QVERIFY(!program.window().findChild<QWidget *>("lbljourney"));
    QVERIFY(!chartsModuleLoaded());

    program.find<QTabWidget>("SSTab1")->setCurrentIndex(journeyTab);
    QVERIFY(chartsModuleLoaded());
    for (const char *name : {"lbljourney", "tbljourney", "chtattempts", "chtcravings", "chttriggers"})
        QVERIFY2(program.shown(name), name);
}

// Worked out by hand: the mark on the longest attempt, and for each day with
// cravings the bars of those passed and smoked, its point on the strength
// line and its row of the table. Today, 14 March, is the day of index 29.
void JourneyPanelsTest::chartFigures_data()
{
    QTest::addColumn<QList<qint64>>("past"); // seconds of each earlier attempt
    QTest::addColumn<QList<journey::Craving>>("cravings");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QStringList>("days"); // index: passed + smoked, the table's figure
    QTest::addColumn<QString>("line");     // runs of index:strength, split by " | "
    const qint64 day = 24 * 3600;
    QTest::newRow("a tie: this attempt is marked")
        << QList<qint64>{day + 3600} << QList<journey::Craving>() << "1 Longest: 1 day" << QStringList() << "";
    QTest::newRow("the longest before") << QList<qint64>{3 * day, day} << QList<journey::Craving>{craving(14, 8, 4)}
                                        << "0 Longest: 3 days"
                                        << QStringList{"29: 1 + 0, 1 craving, 1 passed, mean strength 4"} << "29:4.00";
    QTest::newRow("a day without cravings breaks the line")
        << QList<qint64>()
        << QList<journey::Craving>{craving(11, 8, 2),
                                   craving(11, 9, 3),
                                   craving(11, 10, 2, journey::Outcome::Smoked),
                                   craving(13, 8, 1),
                                   craving(13, 9, 2),
                                   craving(13, 10, 3),
                                   craving(13, 11, 3, journey::Outcome::Smoked),
                                   craving(14, 7, 5),
                                   craving(14, 8, 3, journey::Outcome::Smoked),
                                   craving(14, 9, 2, journey::Outcome::Smoked)}
        << "0 Longest: 1 day"
        << QStringList{"26: 2 + 1, 3 cravings, 2 passed, mean strength 2.3",
                       "28: 3 + 1, 4 cravings, 3 passed, mean strength 2.3",
                       "29: 1 + 2, 3 cravings, 1 passed, mean strength 3.3"}
        << "26:2.33 | 28:2.25 29:3.33";
}

void JourneyPanelsTest::chartFigures()
{
    QFETCH(QList<qint64>, past);
    QFETCH(QList<journey::Craving>, cravings);
    const QDateTime now(QDate(2026, 3, 14), QTime(21, 5));
    QList<journey::Attempt> attempts;
    for (const qint64 seconds : past)
        attempts.append({QStringLiteral("attempt.dat"), now.addDays(-40), now.addDays(-30), seconds, true, false});
    const journey::Attempt current{QString(), now.addSecs(-86400 - 3600), now, 86400 + 3600, true, true};
    const QList<journey::ChartView> views =
        journey::chartViews(journey::summarize(attempts, current, {cravings, 0, true, {}}, now));

    QStringList marks;
    for (const journey::charts::Note &note : views.at(0).figures.notes)
        marks << QString::number(note.category) + ' ' + note.text;
    QTEST(marks.join(u','), "mark");
    QCOMPARE(views.at(0).figures.categoryLabels.size(), past.size() + 1);
    const journey::charts::Figures &days = views.at(1).figures;
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
}

void JourneyPanelsTest::followsTheClockAndTheCravings()
{
    TestProgram program;
    writeHistory(program);
    program.writeFile("data/journey/cravings.csv", cravingsFile(twoCravings));
    openJourney(program);
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
    program.click("cmdlogcraving");
    QVERIFY(program.find<QListWidget>("lsttrigger")->selectedItems().isEmpty());
    program.click("cmdpassed");
    QVERIFY(figuresRead(program));
    QVERIFY(program.find("chttriggers")->accessibleDescription().contains("Not said, 1 craving"));
}

void JourneyPanelsTest::saysWhatCannotBeShown_data()
{
    QTest::addColumn<QByteArray>("cravings");
    QTest::addColumn<bool>("module");
    QTest::addColumn<QString>("note");     // %1: the cravings file
    QTest::addColumn<QString>("sentence"); // the last

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
    writeHistory(program);
    if (cravings.isEmpty())
        QDir().mkpath(program.path("data/journey/cravings.csv/folder"));
    else
        program.writeFile("data/journey/cravings.csv", cravings);
    openJourney(program);

    QVERIFY(program.text("lbljourney").startsWith("Attempts so far: 2\n"));
    QCOMPARE(program.text("lbljourney").split(u'\n').last(), sentence);
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
    writeFileAt(folder.filePath(QStringLiteral("blocked")), "a file, not a folder");
    TestProgram program;
    writeHistory(program);
    program.writeFile("data/journey/cravings.csv", cravingsFile(twoCravings));
    openJourney(program);
    program.fileToSave = chosen.isEmpty() ? QString() : folder.filePath(chosen);
    program.click("cmdsavecsv");
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

QTEST_MAIN(JourneyPanelsTest)
#include "tst_journey_panels.moc"
