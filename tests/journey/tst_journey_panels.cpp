#include "journey/cravings.h"
#include "platform/translation.h"
#include "support/testwindow.h"

#include <QDir>
#include <QTableWidget>
#include <QTest>

// The journey tab as the user meets it: built when first opened, its
// sentences, charts and table telling the same figures, and what it says when
// something cannot be shown.
class JourneyPanelsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(translation::install()); }
    // First: once loaded, the module stays for the rest of the process.
    void builtWhenFirstOpened();
    void chartsAndTableTellTheSameFigures();
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

QStringList tableRows(TestProgram &program)
{
    QStringList rows;
    const auto *table = program.find<QTableWidget>("tbljourney");
    for (int row = 0; row < table->rowCount(); ++row)
        rows << table->item(row, 0)->text() + " | " + table->item(row, 1)->text() + " | " + table->item(row, 2)->text();
    return rows;
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

void JourneyPanelsTest::chartsAndTableTellTheSameFigures()
{
    TestProgram program;
    writeHistory(program);
    program.writeFile("data/journey/cravings.csv", cravingsFile(twoCravings));
    program.startOnTab(journeyTab);
    QVERIFY(program.text("lbljourney").startsWith("Attempts so far: 2\n"));
    QCOMPARE(program.label("lbljourney")->accessibleDescription(), program.text("lbljourney"));

    // Each row of the table is said in its chart's description.
    const auto checkAgreement = [&](int expectedRows) {
        const QStringList rows = tableRows(program);
        QCOMPARE(rows.size(), expectedRows);
        for (const QString &row : rows) {
            const QStringList cells = row.split(" | ");
            bool said = false;
            for (const char *chart : {"chtattempts", "chtcravings", "chttriggers"}) {
                const QString description = program.find(chart)->accessibleDescription();
                if (description.startsWith(cells.at(0) + ": "))
                    said = description.contains(cells.at(1) + ", " + cells.at(2));
            }
            QVERIFY2(said, qPrintable(row));
        }
    };
    // Two attempts, two days with cravings, one trigger.
    checkAgreement(5);
    const QString days = program.find("chtcravings")->accessibleDescription();
    QVERIFY2(days.contains("1 craving, 1 passed, mean strength 4") && days.contains("1 craving, 0 passed"),
             qPrintable(days));
    QVERIFY(program.find("chtattempts")->accessibleDescription().contains("12 days and 5 hours"));
    QVERIFY(program.find("chttriggers")->accessibleDescription().contains("Coffee, 2 cravings"));

    // A craving logged from the tab, stress first in the dialog's list, shows everywhere at once.
    program.click("cmdlogcraving");
    program.click("cmdpassed");
    checkAgreement(6);
    QVERIFY(program.find("chttriggers")->accessibleDescription().contains("Stress, 1 craving"));

    // While the tab is in sight, this attempt's hours move on with the clock.
    const QString before = program.text("lbljourney");
    program.passTime(60 * 60 * 1000);
    QVERIFY(program.text("lbljourney") != before);
}

void JourneyPanelsTest::saysWhatCannotBeShown_data()
{
    QTest::addColumn<QByteArray>("cravings");
    QTest::addColumn<bool>("module");
    QTest::addColumn<QString>("note");

    const QByteArray good = cravingsFile(twoCravings);
    QTest::newRow("all well") << good << true << "";
    QTest::newRow("a row not understood")
        << good + "yesterday,9,coffee,,passed\r\n"
        << true << "1 row of your cravings could not be read. It is kept in the file as it is.";
    QTest::newRow("the file a folder") << QByteArray() << true << "Your cravings could not be read (";
    QTest::newRow("no charts module") << good << false
                                      << "The charts could not be shown; their figures are in the table below.";
}

void JourneyPanelsTest::saysWhatCannotBeShown()
{
    QFETCH(QByteArray, cravings);
    QFETCH(bool, module);
    QFETCH(QString, note);
    TestProgram program;
    QTemporaryDir noModules;
    if (!module)
        program.environment().moduleFolder = noModules.path();
    writeHistory(program);
    if (cravings.isEmpty())
        QDir().mkpath(program.path("data/journey/cravings.csv/folder"));
    else
        program.writeFile("data/journey/cravings.csv", cravings);
    program.startOnTab(journeyTab);

    QVERIFY(program.text("lbljourney").startsWith("Attempts so far: 2\n"));
    QVERIFY(program.shown("tbljourney"));
    QCOMPARE(program.shown("lbljourneynotes"), !note.isEmpty());
    const QString notes = program.text("lbljourneynotes");
    QVERIFY2(note.isEmpty() || notes.startsWith(note), qPrintable(notes));
    QCOMPARE(program.window().findChild<QWidget *>("chtattempts") != nullptr, module);
    if (!module)
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
    program.startOnTab(journeyTab);
    program.fileToSave = chosen.isEmpty() ? QString() : folder.filePath(chosen);
    program.click("cmdsavecsv");

    QCOMPARE(program.saveQuestions.size(), 1);
    QVERIFY(program.saveQuestions.first().filter.contains("*.csv"));
    if (!written.isEmpty()) {
        QFile file(folder.filePath(written));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("with Tom"));
        QVERIFY(program.messages.shown.isEmpty());
    } else if (!chosen.isEmpty()) {
        QCOMPARE(program.messages.shown.size(), 1);
        QVERIFY(program.messages.texts().first().startsWith("The journey could not be saved in " +
                                                            QDir::toNativeSeparators(program.fileToSave) + ": "));
    } else {
        QVERIFY(program.messages.shown.isEmpty());
    }
}

QTEST_MAIN(JourneyPanelsTest)
#include "tst_journey_panels.moc"
