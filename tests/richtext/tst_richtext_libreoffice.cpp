#include "documentdescription.h"
#include "richtext/rtfwriter.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

// What our RTF writer saves, opened by a word processor: LibreOffice, run
// headless. Without it the test is skipped.
class WordProcessorTest : public QObject
{
    Q_OBJECT
private slots:
    void wordProcessorOpensWhatWeWrite();
};

namespace {

// Converts a file with the word processor; the result's path, or empty.
QString convertWithWordProcessor(const QString &path, const QString &format, const QString &folder)
{
    QProcess process;
    const QString profile = QUrl::fromLocalFile(folder + QLatin1String("/profile")).toString();
    process.start(QStringLiteral("soffice"),
                  {QStringLiteral("--headless"), QLatin1String("-env:UserInstallation=") + profile,
                   QStringLiteral("--convert-to"), format, QStringLiteral("--outdir"), folder + QLatin1String("/out"),
                   path});
    if (!process.waitForFinished(120000) || process.exitCode() != 0)
        return {};
    const QString extension = format.section(u':', 0, 0);
    return folder + QLatin1String("/out/") + QFileInfo(path).completeBaseName() + u'.' + extension;
}

const QString richHtml =
    QStringLiteral("<p align=center><b>Bold</b> <i>italic</i> <u>underlined</u> <s>struck</s></p>"
                   "<p style='margin-left:40px'><span style='font-size:18pt'>large</span> "
                   "<span style='color:#c00000'>red</span> <span style='font-family:\"DejaVu Serif\"'>serif</span></p>"
                   "<ul><li>first bullet<ul><li>nested</li></ul></li><li>second bullet</li></ul>"
                   "<ol><li>first step</li><li>second step</li></ol>"
                   "<p>A <a href='https://example.org/'>link</a>.</p>"
                   "<p>Gr\u00FC\u00DFe, Zo\u00EB \u2014 \u65E5\u672C\u8A9E \U0001F600</p>");

} // namespace

// The word processor shows the same text, with its own list labels, and
// keeps every format: saved again as RTF by it, the file reads back the same.
void WordProcessorTest::wordProcessorOpensWhatWeWrite()
{
    if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty())
        QSKIP("LibreOffice (soffice) is not installed, so no word processor opens what the writer saves.");
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const auto document = fromHtml(richHtml);
    const QString path = folder.filePath(QStringLiteral("written.rtf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(richtext::write(*document));
    file.close();

    QFile text(convertWithWordProcessor(path, QStringLiteral("txt:Text (encoded):UTF8"), folder.path()));
    QVERIFY2(text.open(QIODevice::ReadOnly), qPrintable(text.fileName()));
    QCOMPARE(QString::fromUtf8(text.readAll()),
             QStringLiteral(
                 "Bold italic underlined struck\nlarge red serif\n    \u2022 first bullet\n"
                 "        \u25E6 nested\n    \u2022 second bullet\n    1. first step\n    2. second step\nA link.\n"
                 "Gr\u00FC\u00DFe, Zo\u00EB \u2014 \u65E5\u672C\u8A9E \U0001F600\n"));

    QFile savedAgain(convertWithWordProcessor(path, QStringLiteral("rtf"), folder.filePath(QStringLiteral("again"))));
    QVERIFY2(savedAgain.open(QIODevice::ReadOnly), qPrintable(savedAgain.fileName()));
    QCOMPARE(describe(*readRtf(savedAgain.readAll())), describe(*document));
}

QTEST_MAIN(WordProcessorTest)
#include "tst_richtext_libreoffice.moc"
