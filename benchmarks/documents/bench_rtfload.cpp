// Loading a 200 KB RTF document into an advisor's document box: reading the
// file, building the document and laying it out for the box.
//   bench_rtfload [RUNS]

#include "benchprogram.h"
#include "richtext/rtfwriter.h"
#include "ui/documentbox.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

namespace {

constexpr qsizetype documentBytes = 200 * 1024;

// An advice document as the word processor writes them: headings, runs in
// bold, italics and colour, lists and links, repeated to the size.
QByteArray sampleDocument()
{
    QTextDocument document;
    QTextCursor cursor(&document);
    QTextCharFormat plain;
    QTextCharFormat heading;
    heading.setFontWeight(QFont::Bold);
    heading.setFontPointSize(14);
    QTextCharFormat emphasis;
    emphasis.setFontItalic(true);
    emphasis.setForeground(QColor(0, 0, 128));
    QTextCharFormat link;
    link.setAnchor(true);
    link.setAnchorHref(QStringLiteral("https://example.org/help"));
    link.setFontUnderline(true);
    for (int section = 1; section % 20 != 0 || richtext::write(document).size() < documentBytes; ++section) {
        cursor.insertText(QStringLiteral("Section %1: the first weeks without smoking").arg(section), heading);
        cursor.insertBlock();
        cursor.insertText(QStringLiteral("Most withdrawal symptoms fade within two to four weeks. "), plain);
        cursor.insertText(QStringLiteral("Drink plenty of water, "), emphasis);
        cursor.insertText(QStringLiteral("walk every day and keep your hands busy; read more on "), plain);
        cursor.insertText(QStringLiteral("the help page"), link);
        cursor.insertText(QStringLiteral(". Caf\u00e9 visits are easier after the first month."), plain);
        cursor.insertBlock();
        QTextList *list = cursor.createList(QTextListFormat::ListDisc);
        for (int item = 1; item <= 4; ++item) {
            cursor.insertText(QStringLiteral("Thing %1 to do instead of smoking, in a sentence of its own.").arg(item),
                              plain);
            cursor.insertBlock();
            list->add(cursor.block());
        }
        cursor.setBlockFormat(QTextBlockFormat());
        list->remove(cursor.block());
    }
    return richtext::write(document);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const int runs = argc > 1 ? QByteArray(argv[1]).toInt() : 21;

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("document.rtf"));
    QFile file(path);
    const QByteArray bytes = sampleDocument();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return 1;
    file.close();

    DocumentBox box(nullptr, QStringLiteral("txtsup"), QString());
    box.resize(600, 400);
    box.show();
    QCoreApplication::processEvents();
    bool loaded = true;
    const double median = bench::medianMicroseconds(runs, [&] {
        loaded = box.load(path).ok && loaded;
        // Painted as the user sees it.
        box.viewport()->repaint();
    });
    if (!loaded)
        return 1;
    bench::report("rtf_bytes", bytes.size());
    bench::report("rtf_load_ms", median / 1000.0);
    return 0;
}
