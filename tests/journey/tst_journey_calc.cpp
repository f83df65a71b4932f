#include "cravinglog/cravings.h"
#include "journey/attempts.h"
#include "journey/journeysummary.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QXmlStreamReader>

#include <ctime>

using namespace journey;

// The cravings file and the journey's "Save as CSV..." export, opened by a
// spreadsheet: LibreOffice Calc, run headless. Without it the test is skipped.
class SpreadsheetTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void calcReadsTheColumns_data();
    void calcReadsTheColumns();

private:
    QTemporaryDir m_folder;
};

namespace {

// A cell as the spreadsheet holds it: its type ("float", "string", or empty
// for an empty cell) and its number or its text, paragraphs joined by a line
// break.
struct Cell
{
    QString type;
    QString content;

    bool operator==(const Cell &) const = default;
};

// A row as one line, without the empty cells at its end, which a
// spreadsheet may or may not write.
QString toString(const QList<Cell> &cells)
{
    QStringList shown;
    for (const Cell &cell : cells)
        shown << cell.type + u':' + cell.content;
    while (!shown.isEmpty() && shown.last() == QLatin1String(":"))
        shown.removeLast();
    return shown.join(QLatin1String(" | "));
}

Cell number(int value)
{
    return {QStringLiteral("float"), QString::number(value)};
}

Cell text(const QString &value)
{
    return {QStringLiteral("string"), value};
}

const Cell empty;

const QString note = QStringLiteral("rang Sam, said \"later\"\nthen walked");

// The older record the file starts with, its note only a comma away from
// being two cells, and the one logged through "Ride it out".
const QByteArray olderFile =
    "time,strength,trigger,note,outcome\r\n2026-03-05T08:30:15+01:00,4,coffee,\"at work, again\",passed\r\n";

Craving timed()
{
    Craving craving{QDateTime(QDate(2026, 3, 14), QTime(21, 5, 33)), 3, Trigger::Stress, note, Outcome::Passed};
    craving.seconds = 187;
    craving.steps = {CopingStep::Walk, CopingStep::Water};
    return craving;
}

// The rows the spreadsheet must show from the header on.
QList<QList<Cell>> cravingRows()
{
    const QString time = QString::fromLatin1(cravingRecord(timed()).split(',').value(0));
    return {{text(QStringLiteral("time")), text(QStringLiteral("strength")), text(QStringLiteral("trigger")),
             text(QStringLiteral("note")), text(QStringLiteral("outcome")), text(QStringLiteral("seconds")),
             text(QStringLiteral("did"))},
            {text(QStringLiteral("2026-03-05T08:30:15+01:00")), number(4), text(QStringLiteral("coffee")),
             text(QStringLiteral("at work, again")), text(QStringLiteral("passed")), empty, empty},
            {text(time), number(3), text(QStringLiteral("stress")), text(note), text(QStringLiteral("passed")),
             number(187), text(QStringLiteral("walk;water"))}};
}

// Opens the CSV bytes as comma-separated UTF-8 and saves them as a flat
// OpenDocument spreadsheet; its path, or empty.
QString convertWithSpreadsheet(const QByteArray &csv, const QString &name, const QString &folder)
{
    const QString path = folder + u'/' + name + QLatin1String(".csv");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size())
        return {};
    file.close();
    QProcess process;
    const QString profile = QUrl::fromLocalFile(folder + QLatin1String("/profile")).toString();
    process.start(QStringLiteral("soffice"),
                  {QStringLiteral("--headless"), QLatin1String("-env:UserInstallation=") + profile,
                   QStringLiteral("--infilter=Text - txt - csv (StarCalc):44,34,76,1"), QStringLiteral("--convert-to"),
                   QStringLiteral("fods"), QStringLiteral("--outdir"), folder + QLatin1String("/out"), path});
    if (!process.waitForFinished(120000) || process.exitCode() != 0) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return folder + QLatin1String("/out/") + name + QLatin1String(".fods");
}

// The text of a paragraph, its runs of spaces and line breaks included.
QString paragraph(QXmlStreamReader &xml)
{
    QString text;
    while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() != QLatin1String("p")) {
        if (xml.hasError() || xml.atEnd())
            break;
        if (xml.isCharacters())
            text += xml.text();
        else if (xml.isStartElement() && xml.name() == QLatin1String("s"))
            text += QString(qMax(1, xml.attributes().value(QLatin1String("text:c")).toInt()), u' ');
        else if (xml.isStartElement() && xml.name() == QLatin1String("line-break"))
            text += u'\n';
    }
    return text;
}

// The rows of the first sheet, each cell with its type and content.
QList<QList<Cell>> sheetRows(QIODevice *file)
{
    QList<QList<Cell>> rows;
    QXmlStreamReader xml(file);
    int repeated = 1;
    while (!xml.atEnd() && !xml.hasError()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == QLatin1String("table"))
            break;
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("table-row")) {
            rows.append(QList<Cell>());
        } else if (xml.name() == QLatin1String("table-cell") && !rows.isEmpty()) {
            const QXmlStreamAttributes attributes = xml.attributes();
            const QString type = attributes.value(QLatin1String("office:value-type")).toString();
            repeated = qMax(1, attributes.value(QLatin1String("table:number-columns-repeated")).toInt());
            const QString value = attributes.value(QLatin1String("office:value")).toString();
            for (int i = 0; i < repeated; ++i)
                rows.last().append(Cell{type, type == QLatin1String("float") ? value : QString()});
        } else if (xml.name() == QLatin1String("p") && !rows.isEmpty() && rows.last().size() >= repeated) {
            // A cell repeated holds the same text in each column.
            const QString shown = paragraph(xml);
            for (qsizetype i = rows.last().size() - repeated; i < rows.last().size(); ++i) {
                Cell &cell = rows.last()[i];
                if (cell.type == QLatin1String("string"))
                    cell.content += (cell.content.isEmpty() ? QString() : QStringLiteral("\n")) + shown;
            }
        }
    }
    return rows;
}

} // namespace

void SpreadsheetTest::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty())
        QSKIP("LibreOffice (soffice) is not installed, so no spreadsheet reads the cravings.");
    QVERIFY(m_folder.isValid());
    // The export writes times with the local offset: the one the file has.
    qputenv("TZ", "Europe/Berlin");
    tzset();
}

void SpreadsheetTest::calcReadsTheColumns_data()
{
    QTest::addColumn<QByteArray>("csv");

    // Logged into a file of the older form, whose header grows the two fields.
    const CravingFile file(m_folder.filePath(QStringLiteral("cravings.csv")));
    QFile older(file.path());
    QVERIFY(older.open(QIODevice::WriteOnly) && older.write(olderFile) == olderFile.size());
    older.close();
    QVERIFY(file.append(timed()).ok);
    QFile written(file.path());
    QVERIFY(written.open(QIODevice::ReadOnly));
    QTest::newRow("the cravings file") << written.readAll();

    const QDateTime now(QDate(2026, 3, 15), QTime(9, 0));
    const Spreadsheet sheet = spreadsheetCsv({currentAttempt(QDate(2026, 3, 1), QTime(22, 0), now)}, file);
    QVERIFY(sheet.problems.isEmpty());
    QTest::newRow("the journey export") << sheet.csv;
}

// Calc finds the seven columns under their names, the length as a number,
// the steps as text and the note whole, with its comma, quotes and line
// break.
void SpreadsheetTest::calcReadsTheColumns()
{
    QFETCH(QByteArray, csv);
    const QString name = QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-');
    QFile converted(convertWithSpreadsheet(csv, name, m_folder.path()));
    QVERIFY2(converted.open(QIODevice::ReadOnly), qPrintable(converted.fileName()));
    const QList<QList<Cell>> rows = sheetRows(&converted);
    const QList<QList<Cell>> expected = cravingRows();
    // The export puts the attempts first; the cravings follow under their own header.
    qsizetype header = 0;
    while (header < rows.size() && rows.at(header).value(0) != expected.first().first())
        ++header;
    QVERIFY2(header < rows.size(), "no row of the sheet begins with the cravings' header");
    QCOMPARE(rows.size() - header, expected.size());
    for (qsizetype row = 0; row < expected.size(); ++row)
        QCOMPARE(toString(rows.at(header + row)), toString(expected.at(row)));
}

QTEST_GUILESS_MAIN(SpreadsheetTest)
#include "tst_journey_calc.moc"
