#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

// Every language the program speaks is complete: each text of the source has
// a finished translation, and each shipped English document, line file, tip
// file and help page has its counterpart. A language is one with a file
// translations/clearwind_LANG.ts; English is the source itself.
class TranslationsTest : public QObject
{
    Q_OBJECT
private slots:
    void everyTextIsTranslated_data();
    void everyTextIsTranslated();
    void everyShippedTextHasItsCounterpart_data();
    void everyShippedTextHasItsCounterpart();
};

namespace {

const QDir source(QStringLiteral(CLEARWIND_SOURCE_DIR));

QStringList languages()
{
    QStringList found;
    for (const QString &name :
         QDir(source.filePath(QStringLiteral("translations"))).entryList({QStringLiteral("clearwind_*.ts")})) {
        const QString language = name.section(u'_', 1).section(u'.', 0, 0);
        if (language != QLatin1String("en"))
            found << language;
    }
    return found;
}

const QRegularExpression &languageFolder()
{
    static const QRegularExpression folder(QStringLiteral("^[a-z]{2}/"));
    return folder;
}

QStringList filesBelow(const QString &folder, const QStringList &patterns)
{
    QStringList files;
    QDirIterator found(source.filePath(folder), patterns, QDir::Files, QDirIterator::Subdirectories);
    while (found.hasNext())
        files << source.relativeFilePath(found.next());
    return files;
}

// What is wrong with the texts of a .ts file: unfinished translations, and
// texts in a context the program never asks for (a class's, where a helper
// read as tr() was called inside a member function).
QStringList faultsOf(const QString &tsFile)
{
    QFile file(tsFile);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("cannot be read")};
    QXmlStreamReader ts(&file);
    QStringList faults;
    QString context;
    QString sourceText;
    while (!ts.atEnd()) {
        if (ts.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto element = ts.name();
        if (element == QLatin1String("name")) {
            context = ts.readElementText();
            if (context.contains(QLatin1String("::")))
                faults << QStringLiteral("texts in the context %1, which the program never asks for").arg(context);
        } else if (element == QLatin1String("source")) {
            sourceText = ts.readElementText();
        } else if (element == QLatin1String("translation")) {
            const auto type = ts.attributes().value(QLatin1String("type"));
            if (type == QLatin1String("unfinished"))
                faults << context + QStringLiteral(": ") + sourceText;
        }
    }
    if (ts.hasError())
        faults << ts.errorString();
    return faults;
}

} // namespace

void TranslationsTest::everyTextIsTranslated_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : languages())
        QTest::newRow(qPrintable(language)) << language;
}

// lupdate, run into a scratch copy of the translation, finds every text of
// the source there and finished.
void TranslationsTest::everyTextIsTranslated()
{
    QFETCH(QString, language);
    QTemporaryDir scratch;
    const QString copy = scratch.filePath(QStringLiteral("clearwind.ts"));
    QVERIFY(QFile::copy(source.filePath(QStringLiteral("translations/clearwind_%1.ts").arg(language)), copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    QStringList arguments = QStringLiteral(CLEARWIND_LUPDATE_OPTIONS).split(u'|');
    for (const QString &file : filesBelow(QStringLiteral("src"), {QStringLiteral("*.cpp"), QStringLiteral("*.h")}))
        arguments << source.filePath(file);
    arguments << QStringLiteral("-ts") << copy;
    QProcess lupdate;
    lupdate.start(QStringLiteral(CLEARWIND_LUPDATE), arguments);
    QVERIFY(lupdate.waitForFinished(120000));
    QCOMPARE(lupdate.exitCode(), 0);
    const QStringList faults = faultsOf(copy);
    QVERIFY2(faults.isEmpty(),
             qPrintable(QStringLiteral("%1 faults, among them:\n").arg(faults.size()) + faults.mid(0, 20).join(u'\n')));
}

void TranslationsTest::everyShippedTextHasItsCounterpart_data()
{
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("translated");
    for (const QString &language : languages()) {
        const QString prefix = language + u'/';
        const struct
        {
            const char *folder;
            QStringList patterns;
        } kinds[] = {{"advice", {QStringLiteral("*.md")}},
                     {"data", {QStringLiteral("*.txt"), QStringLiteral("help.html")}}};
        for (const auto &kind : kinds) {
            const QString folder = QString::fromLatin1(kind.folder) + u'/';
            for (const QString &english : filesBelow(QString::fromLatin1(kind.folder), kind.patterns)) {
                // Only the English originals: the folders of the languages hold the rest.
                if (languageFolder().match(english.mid(folder.size())).hasMatch())
                    continue;
                QTest::newRow(qPrintable(language + QStringLiteral(": ") + english))
                    << english << folder + prefix + english.mid(folder.size());
            }
        }
    }
}

void TranslationsTest::everyShippedTextHasItsCounterpart()
{
    QFETCH(QString, english);
    QFETCH(QString, translated);
    QVERIFY2(QFile::exists(source.filePath(translated)), qPrintable(translated + QStringLiteral(" is missing")));
}

QTEST_GUILESS_MAIN(TranslationsTest)
#include "tst_translations.moc"
