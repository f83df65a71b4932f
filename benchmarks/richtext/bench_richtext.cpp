// Times the RTF reader and writer on large files of the shapes that slow a
// careless reader down: many formatting changes in one paragraph, many
// paragraphs, one long list, many fonts, deep groups, a picture. Each shape
// is timed at one size and at four times that size: the times should grow
// fourfold too.

#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextDocument>
#include <QTextStream>

#include <functional>

namespace {

struct Shape
{
    const char *name;
    std::function<QByteArray(int)> body; // the document's content for n repeats
};

QByteArray repeated(const char *piece, int count)
{
    return QByteArray(piece).repeated(count);
}

QByteArray numbered(const char *pattern, int count)
{
    QByteArray result;
    for (int i = 0; i < count; ++i)
        result += QByteArray(pattern).replace("%1", QByteArray::number(i));
    return result;
}

const Shape shapes[] = {
    {"formatting changes in one paragraph", [](int n) { return repeated("\\b a\\b0 b\\i c\\i0 ", n); }},
    {"paragraphs", [](int n) { return repeated("text\\par ", n); }},
    {"one long list", [](int n) { return repeated("{\\*\\pn\\pnlvlblt}item\\par ", n); }},
    {"fonts", [](int n) { return "{\\fonttbl" + numbered("{\\f%1 Font %1;}", n) + "}" + numbered("\\f%1 x", n); }},
    {"deep groups", [](int n) { return repeated("{", n) + "x" + repeated("}", n); }},
    {"unicode text", [](int n) { return repeated("\\u1055?\\u1088?\\u-10179?\\u-8704? ", n); }},
    // A photo as a word processor embeds it: hex digits the reader passes over.
    {"a picture",
     [](int n) { return "{\\pict\\jpegblip " + repeated("ffd8ffe000104a46494600010101004800480000", 5 * n) + "}"; }},
};

qint64 milliseconds(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.elapsed();
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QTextStream out(stdout);
    constexpr int repeats = 20000;
    for (const Shape &shape : shapes) {
        for (const int n : {repeats, 4 * repeats}) {
            const QByteArray rtf = "{\\rtf1\\ansi " + shape.body(n) + "}";
            QTextDocument document;
            const qint64 reading = milliseconds([&] { richtext::read(rtf, &document); });
            QByteArray written;
            const qint64 writing = milliseconds([&] { written = richtext::write(document); });
            out << shape.name << ", " << rtf.size() / 1024 << " KiB: read " << reading << " ms, write " << writing
                << " ms (" << written.size() / 1024 << " KiB)\n";
            out.flush();
        }
    }
    return 0;
}
