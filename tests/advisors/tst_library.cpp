#include "advisors/coachtab.h"
#include "advisors/doctortab.h"
#include "advisors/professortab.h"
#include "platform/environment.h"
#include "platform/textfiles.h"
#include "platform/translation.h"
#include "records/datafiles.h"
#include "richtext/documentfile.h"
#include "web/webpages.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

// What ships in the built data folder: every document and line file the
// advisors name is there, and reads as a well-made page.
class LibraryTest : public QObject
{
    Q_OBJECT
private slots:
    void documentsReadWell_data();
    void documentsReadWell();
    void lineFilesAreFull_data();
    void lineFilesAreFull();
    void helpLinksResolve_data();
    void helpLinksResolve();
};

namespace {

// The build folder, with its data folder, as the program folder.
Environment buildFolder(const QString &language = QString())
{
    Environment environment;
    environment.shippedDataFolder = QStringLiteral(CLEARWIND_BUILD_DIR "/data");
    environment.language = language;
    return environment;
}

QString dataFile(datafiles::File file, const QString &language = QString())
{
    return datafiles::path(buildFolder(language), file);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

qreal pointSizeAt(const QTextBlock &block)
{
    return block.begin().fragment().charFormat().font().pointSizeF();
}

} // namespace

void LibraryTest::documentsReadWell_data()
{
    QTest::addColumn<QString>("document");
    const QStringList documents = DoctorTab::documents(buildFolder()) + CoachTab::documents(buildFolder()) +
                                  QStringList{dataFile(datafiles::File::WhyPeopleSmoke)};
    QCOMPARE(documents.size(), 38);
    for (const QString &document : documents)
        QTest::newRow(qPrintable(document)) << document;
}

void LibraryTest::documentsReadWell()
{
    QFETCH(QString, document);
    QTextDocument text;
    QVERIFY2(richtext::loadFile(document, &text).ok, "missing");
    const qsizetype words =
        text.toPlainText().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts).size();
    QVERIFY2(words >= 150 && words <= 500, qPrintable(QString::number(words) + " words"));

    // A title: a first line in bold, larger than the text under it.
    const QTextBlock title = text.begin();
    QVERIFY(!title.text().trimmed().isEmpty());
    QVERIFY(title.begin().fragment().charFormat().fontWeight() >= QFont::Bold);
    QVERIFY(pointSizeAt(title) > pointSizeAt(title.next()));
}

void LibraryTest::lineFilesAreFull_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("minimum");
    QTest::newRow("things") << dataFile(datafiles::File::ThingsToDo) << 60;
    for (const QString &facts : ProfessorTab::factFiles(buildFolder()))
        QTest::newRow(qPrintable(facts)) << facts << 40;
}

void LibraryTest::lineFilesAreFull()
{
    QFETCH(QString, file);
    QFETCH(int, minimum);
    const textfiles::LineFile read = textfiles::readLines(file);
    QVERIFY(read.opened);
    QVERIFY2(read.lines.size() >= minimum, qPrintable(QString::number(read.lines.size())));
    QSet<QString> seen;
    for (const QString &line : read.lines) {
        QVERIFY2(!line.trimmed().isEmpty(), "blank line");
        QVERIFY2(!seen.contains(line), qPrintable(line));
        seen.insert(line);
    }
}

void LibraryTest::helpLinksResolve_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : translation::languages())
        QTest::newRow(qPrintable(language)) << language;
}

// Each language's page, with the sections the program opens it at: the
// quitlines of each country it knows, and of the rest.
void LibraryTest::helpLinksResolve()
{
    QFETCH(QString, language);
    QVERIFY(QFile::exists(dataFile(datafiles::File::BrowserProbe)));
    const QString page = dataFile(datafiles::File::HelpPage, language);
    QVERIFY(language == QLatin1String("en") || page.contains(u'/' + language + u'/'));
    const QString help = QString::fromUtf8(readAll(page));
    QVERIFY(!help.isEmpty());
    QSet<QString> anchors;
    for (const QRegularExpressionMatch &id : QRegularExpression(QStringLiteral("\\bid=\"([^\"]+)\"")).globalMatch(help))
        anchors.insert(id.captured(1));
    int links = 0;
    for (const QRegularExpressionMatch &href :
         QRegularExpression(QStringLiteral("href=\"([^\"]*)\"")).globalMatch(help)) {
        const QString target = href.captured(1);
        QVERIFY2(target.startsWith(u'#') && anchors.contains(target.mid(1)), qPrintable(target));
        ++links;
    }
    QVERIFY(links > 0);
    for (const QLocale::Territory territory :
         {QLocale::UnitedStates, QLocale::UnitedKingdom, QLocale::Germany, QLocale::France})
        QVERIFY2(anchors.contains(web::quitlinesSection(territory)), qPrintable(web::quitlinesSection(territory)));
}

QTEST_MAIN(LibraryTest)
#include "tst_library.moc"
