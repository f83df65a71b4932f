// The worst text a document box is given: a document that is one unbroken
// word of 3 MB, loaded into an advisor's document box and painted, and a
// things-to-do file that is one line of 1 MB, shown by a click on the coach's
// "Next".
//   bench_longword [RUNS] [WORD_KB] [LINE_KB]

#include "benchprogram.h"
#include "ui/documentbox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {

// Letters with no space, hyphen or punctuation anywhere: nothing to break at.
QByteArray unbrokenWord(qsizetype bytes)
{
    QByteArray word(bytes, 'a');
    for (qsizetype i = 0; i < bytes; ++i)
        word[i] = char('a' + i % 26);
    return word;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const int runs = argc > 1 ? QByteArray(argv[1]).toInt() : 5;
    const qsizetype wordKiB = argc > 2 ? QByteArray(argv[2]).toLongLong() : 3 * 1024;
    const qsizetype lineKiB = argc > 3 ? QByteArray(argv[3]).toLongLong() : 1024;

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("word.rtf"));
    if (!writeFile(path, "{\\rtf1\\ansi " + unbrokenWord(wordKiB * 1024) + "\\par}"))
        return 1;
    DocumentBox box(nullptr, QStringLiteral("txtsup"), QString());
    box.resize(600, 400);
    box.show();
    QCoreApplication::processEvents();
    bool loaded = true;
    const double load = bench::medianMicroseconds(runs, [&] {
        loaded = box.load(path).ok && loaded;
        box.viewport()->repaint();
    });
    if (!loaded)
        return 1;

    BenchProgram program;
    if (!writeFile(program.path("data/coach/things.txt"), unbrokenWord(lineKiB * 1024) + "\r\n"))
        return 1;
    program.startCounter();
    program.find<QTabWidget>("SSTab1")->setCurrentIndex(3);
    program.find<QAbstractButton>("cmdthings")->click();
    QCoreApplication::processEvents();
    auto *next = program.find<QAbstractButton>("cmdthingsnext");
    auto *things = program.find<DocumentBox>("txtthings");
    const double click = bench::medianMicroseconds(runs, [&] {
        next->click();
        things->viewport()->repaint();
    });

    bench::report("longword_load_ms", load / 1000.0);
    bench::report("longline_click_ms", click / 1000.0);
    return 0;
}
