#include "documentdescription.h"
#include "richtext/layoutbreaks.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"

#include <QFile>
#include <QTest>
#include <QTextDocument>

#include "support/layoutshape.h"

namespace {

QByteArray readSample(const QString &name)
{
    QFile file(QStringLiteral(CLEARWIND_RTF_SAMPLES "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class RichTextTest : public QObject
{
    Q_OBJECT
private slots:
    void reader_data();
    void reader();
    void readerTellsWhatItLeavesOut_data();
    void readerTellsWhatItLeavesOut();
    void roundTrip_data();
    void roundTrip();
    void markdownHeadingsStayLargerAndBold();
    void samples_data();
    void samples();
    void layoutBreaksBoundEveryStretch_data();
    void layoutBreaksBoundEveryStretch();
};

void RichTextTest::reader_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");

    QTest::newRow("groups keep their formatting")
        << QByteArray(R"({\rtf1 a{\b b{\i c}d}e})") << QStringLiteral("a[b]b[b i]c[b]de");
    QTest::newRow("parameters and the space after a word")
        << QByteArray(R"({\rtf1 \fs40 big\fs24  small\b0x})") << QStringLiteral("[20pt]big smallx");
    QTest::newRow("control symbols") << QByteArray(R"({\rtf1 a\~b\-c\_d\{\}\\e})")
                                     << QStringLiteral("a\u00A0b\u00ADc\u2011d{}\\e");
    QTest::newRow("8-bit text in windows-1252") << QByteArray("{\\rtf1\\ansi caf\\'e9 \\'80 \\'93q\\'94 na\xEFve}")
                                                << QStringLiteral("caf\u00E9 \u20AC \u201Cq\u201D na\u00EFve");
    QTest::newRow("the document's code page") << QByteArray(R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8\'e2\'e5\'f2})")
                                              << QStringLiteral("\u041F\u0440\u0438\u0432\u0435\u0442");
    QTest::newRow("the font's character set")
        << QByteArray(R"({\rtf1{\fonttbl{\f0 Arial;}{\f1\fcharset161 Greek Font;}{\f2\fcharset128 Gothic;}})"
                      R"(\f1 \'e1\'e2\f2 \'93\'fa\'96\'7b})")
        << QStringLiteral("['Greek Font']\u03B1\u03B2['Gothic']\u65E5\u672C");
    QTest::newRow("font names in their own character set")
        << QByteArray(R"({\rtf1{\fonttbl{\f0\fcharset204 \'c0\'f0\'e8\'e0\'eb;}}x})")
        << QStringLiteral("['\u0410\u0440\u0438\u0430\u043B']x");
    QTest::newRow("an unknown code page is windows-1252")
        << QByteArray(R"({\rtf1\ansicpg99999 \'80\'93q\'94})") << QStringLiteral("\u20AC\u201Cq\u201D");
    QTest::newRow("broken hex escapes") << QByteArray(R"({\rtf1 a\'zzb\'4})") << QStringLiteral("azzb");
    QTest::newRow("unicode and its fallback")
        << QByteArray(R"({\rtf1 \u233?\u8364\'80 x})") << QStringLiteral("\u00E9\u20AC x");
    QTest::newRow("negative unicode, surrogates, fallback lengths")
        << QByteArray(R"({\rtf1\uc2 \u-10179??\u-8704??{\uc0\u26085}\u26412??})")
        << QStringLiteral("\U0001F600\u65E5\u672C");
    QTest::newRow("half a surrogate pair") << QByteArray(R"({\rtf1 a\u-10179?b})") << QStringLiteral("a\uFFFDb");
    QTest::newRow("breaks") << QByteArray(R"({\rtf1 a\line b\tab c\par d})") << QStringLiteral("a\u2028b\tc\nd");
    QTest::newRow("page breaks") << QByteArray(R"({\rtf1 a\page b\par\page c})")
                                 << QStringLiteral("break-after: a\nb\nbreak-before: c");
    QTest::newRow("character formatting")
        << QByteArray(R"({\rtf1 \b b\b0 \i i\i0 \ul u\ulnone \strike s\strike0 \super p\nosupersub \sub d\plain n})")
        << QStringLiteral("[b]b[i]i[u]u[s]s[sup]p[sub]dn");
    QTest::newRow("raised and lowered") << QByteArray(R"({\rtf1 x\up6 2\up0 y\dn4 3\dn0 z})")
                                        << QStringLiteral("x[sup]2y[sub]3z");
    QTest::newRow("size, font and colours")
        << QByteArray(R"({\rtf1{\fonttbl{\f0\fswiss Arial;}{\f1\froman Times New Roman;}})"
                      R"({\colortbl;\red255\green0\blue0;\red0\green0\blue255;})"
                      R"(\f1\fs28\cf1 r\cf0\highlight2 h\highlight0\cb1 c})")
        << QStringLiteral("[14pt 'Times New Roman' fg=#ff0000]r[14pt 'Times New Roman' bg=#0000ff]h"
                          "[14pt 'Times New Roman' bg=#ff0000]c");
    QTest::newRow("font table without groups, default font")
        << QByteArray(R"({\rtf1\deff1{\fonttbl\f0 Courier;\f1 Georgia;}a\f0 b\plain c})")
        << QStringLiteral("['Georgia']a['Courier']b['Georgia']c");
    QTest::newRow("alignment at the paragraph's end")
        << QByteArray(R"({\rtf1\qc c\par r\qr\par\qj j\par\pard l\par\ql l})")
        << QStringLiteral("center: c\nright: r\njustify: j\nl\nl");
    QTest::newRow("indents and spacing") << QByteArray(R"({\rtf1\li720\ri360\fi-360\sb120\sa240 x\par\pard y})")
                                         << QStringLiteral("li=48 ri=24 fi=-24 sb=8 sa=16: x\ny");
    QTest::newRow("older bullets and numbers")
        << QByteArray(R"({\rtf1{\pntext\'B7\tab}{\*\pn\pnlvlblt\pnf1{\pntxtb\'B7}}\fi-360\li720 one\par)"
                      R"({\pntext\'B7\tab}{\*\pn\pnlvlblt{\pntxtb\'B7}}two\par)"
                      R"(\pard{\pntext 1.\tab}{\*\pn\pnlvlbody\pndec{\pntxta .}}first\par\pard plain})")
        << QStringLiteral("disc1#1: one\ndisc1#1: two\ndecimal1#2: first\nplain");
    QTest::newRow("list table")
        << QByteArray(
               R"({\rtf1{\*\listtable{\list\listtemplateid1{\listlevel\levelnfc23{\leveltext\'01\u8226 ?;})"
               R"({\levelnumbers;}}{\listlevel\levelnfc23{\leveltext\'01\u9702 ?;}}\listid7})"
               R"({\list{\listlevel\levelnfc0{\leveltext\'02\'00.;}}\listid8}})"
               R"({\*\listoverridetable{\listoverride\listid7\listoverridecount0\ls1}{\listoverride\listid8\ls2}})"
               R"({\listtext\'95\tab}\ls1 a\par\ilvl1 b\par\pard\ls2 c\par d\par\pard e})")
        << QStringLiteral("disc1#1: a\ncircle2#2: b\ndecimal1#3: c\ndecimal1#3: d\ne");
    QTest::newRow("hyperlinks")
        << QByteArray(R"({\rtf1 see {\field{\*\fldinst{HYPERLINK "https://example.org/a b"}}{\fldrslt{\ul site}}})"
                      R"( and {\field{\*\fldinst HYPERLINK \\l "top"}{\fldrslt top}}})")
        << QStringLiteral("see [u ->https://example.org/a b]site and [->#top]top");
    QTest::newRow("other fields show their result")
        << QByteArray(R"({\rtf1 page {\field{\*\fldinst PAGE}{\fldrslt 3}}})") << QStringLiteral("page 3");
    QTest::newRow("destinations left out")
        << QByteArray(R"({\rtf1{\info{\title T}}{\stylesheet{\s0 Normal;}}{\header H}{\footer F}{\*\unknown U})"
                      R"({\object{\*\objdata 01}{\result R}}{\pict\bin4 }{}}abc}x})")
        << QStringLiteral("x");
    QTest::newRow("unknown and over-long words")
        << QByteArray(R"({\rtf1 a\foo12 b\averylongcontrolwordthatgoesonandonandon c})") << QStringLiteral("abc");
    QTest::newRow("hidden text") << QByteArray(R"({\rtf1 a{\v hidden}b})") << QStringLiteral("ab");
    QTest::newRow("no empty paragraph after the last mark") << QByteArray(R"({\rtf1 a\par})") << QStringLiteral("a");
    QTest::newRow("an empty paragraph before it") << QByteArray(R"({\rtf1 a\par\par})") << QStringLiteral("a\n");
    QTest::newRow("nothing after the document's group") << QByteArray(R"(  {\rtf1 a}b)") << QStringLiteral("a");
    QTest::newRow("only the header") << QByteArray(R"({\rtf1})") << QString();
    QTest::newRow("cut short") << QByteArray(R"({\rtf1 a{\b b)") << QStringLiteral("a[b]b");
    QTest::newRow("plain text") << QByteArray("plain\r\nline") << QStringLiteral("plain\nline");
    QTest::newRow("plain windows-1252 text") << QByteArray("caf\xE9") << QStringLiteral("caf\u00E9");
    QTest::newRow("groups too deep are left out")
        << QByteArray("{\\rtf1 a" + QByteArray(300, '{') + "deep" + QByteArray(300, '}') + "b}")
        << QStringLiteral("ab");
    QTest::newRow("huge numbers") << QByteArray(
                                         R"({\rtf1\fs99999999999999999999 x\fs0 y\u99999999999?z\li-99999999999 w})")
                                  << QStringLiteral("li=-2112: [1638pt]x[0.5pt]yzw");
    QTest::newRow("characters that are no text")
        << QByteArray(R"({\rtf1 a\u0?b\u8233?c\u65532?d\'0ae\u-560?f})") << QStringLiteral("abcdef");
}

void RichTextTest::reader()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QCOMPARE(describe(*readRtf(rtf)), expected);
}

void RichTextTest::readerTellsWhatItLeavesOut_data()
{
    using richtext::Omission;
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<int>("omitted");
    QTest::newRow("fields, properties, styles")
        << QByteArray(R"({\rtf1{\info{\comment c}}{\stylesheet{\s0 Normal;}})"
                      R"({\field{\*\fldinst HYPERLINK "https://example.org"}{\fldrslt site}}})")
        << 0;
    QTest::newRow("a picture") << QByteArray(R"({\rtf1 a{\*\shppict{\pict\pngblip 89504e47}}b})")
                               << int(Omission::Pictures);
    QTest::newRow("a table") << QByteArray(R"({\rtf1\trowd\cellx1000 a\cell b\cell\row})") << int(Omission::Tables);
    QTest::newRow("a header with a picture")
        << QByteArray(R"({\rtf1{\header{\pict 01}}x})") << int(Omission::HeadersFooters);
    QTest::newRow("hidden text") << QByteArray(R"({\rtf1 a{\v b}})") << int(Omission::HiddenText);
    QTest::newRow("another format") << QByteArray("PK\x03\x04\0\0", 6) << int(Omission::NotText);
    QTest::newRow("a word processor's table") << readSample(QStringLiteral("lists.rtf")) << int(Omission::Tables);
}

void RichTextTest::readerTellsWhatItLeavesOut()
{
    QFETCH(QByteArray, rtf);
    QFETCH(int, omitted);
    QTextDocument document;
    QCOMPARE(int(richtext::read(rtf, &document)), omitted);
}

void RichTextTest::roundTrip_data()
{
    QTest::addColumn<QString>("html");

    QTest::newRow("character formatting")
        << QStringLiteral("<p><b>bold</b> <i>italic</i> <u>under</u> <s>strike</s> x<sup>2</sup> H<sub>2</sub>O</p>");
    QTest::newRow("sizes and fonts") << QStringLiteral(
        "<p><span style='font-size:20pt; font-family:\"DejaVu Serif\"'>big serif</span> normal "
        "<span style='font-size:7.5pt'>small</span></p>");
    QTest::newRow("colours") << QStringLiteral("<p><span style='color:#c00000; background-color:#ffff00'>marked</span> "
                                               "<span style='color:#0000ff'>blue</span></p>");
    QTest::newRow("paragraphs") << QStringLiteral(
        "<p align=center>c</p><p align=right>r</p><p align=justify>j</p>"
        "<p style='margin-left:40px; margin-right:20px; text-indent:-10px; margin-top:6px; margin-bottom:18px'>i</p>");
    QTest::newRow("lists") << QStringLiteral(
        "<ul><li>a</li><li>b<ul><li>nested<ul "
        "type=circle><li>deeper</li></ul></li></ul></li><li>c</li></ul><p>between</p>"
        "<ol><li>one</li><li>two</li></ol><ol type=a><li>x</li></ol><ol type=I><li>y</li></ol>"
        "<ul type=square><li>s</li></ul>");
    QTest::newRow("links") << QStringLiteral(
        "<p>see <a href='https://example.org/a?b=1&amp;c=2#d'>the <b>site</b></a> and <a href='#top'>top</a>.</p>");
    QTest::newRow("text that needs escaping")
        << QStringLiteral("<p>{braces} \\ back\tslash; \u201Cquotes\u201D Gr\u00FC\u00DFe, Zo\u00EB \u2014 "
                          "\u65E5\u672C\u8A9E \U0001F600 a&nbsp;b<br>next line</p>");
    QTest::newRow("empty paragraphs") << QStringLiteral("<p></p><p>a</p><p></p><p></p>");
    QTest::newRow("page breaks") << QStringLiteral(
        "<p style='page-break-before:always'>x</p><p style='page-break-after:always'>y</p><p>z</p>");
}

void RichTextTest::roundTrip()
{
    QFETCH(QString, html);
    const auto original = fromHtml(html);
    const QByteArray rtf = richtext::write(*original);
    QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
    QVERIFY2(std::all_of(rtf.begin(), rtf.end(), [](char c) { return c > 0 && c < 0x7F; }), rtf.constData());
    QCOMPARE(describe(*readRtf(rtf)), describe(*original));
    // Nothing of what we write is left out when it is read again.
    QTextDocument again;
    QCOMPARE(int(richtext::read(rtf, &again)), 0);
}

void RichTextTest::markdownHeadingsStayLargerAndBold()
{
    auto document = newDocument();
    document->setMarkdown(QStringLiteral("# Title\n\nBody *em* **strong**\n\n## Part\n"));
    QCOMPARE(describe(*readRtf(richtext::write(*document))),
             QStringLiteral("h=1: [b 19pt]Title\nsb=8 sa=8: Body [i]em [b]strong\nh=2: [b 15.5pt]Part"));
}

void RichTextTest::samples_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("expected");

    // Saved by a word processor from the .html files beside them. Their
    // default font is DejaVu Serif, 12 points.
    QTest::newRow("formatting") << QStringLiteral("formatting.rtf")
                                << QStringLiteral(
                                       "sb=16 sa=19: [b 24pt 'Liberation Sans Unicode MS']Clearwind sample\n"
                                       "sa=19: Plain, [b]bold, [i]italic, [u]underlined, [s]struck, [18pt]large, "
                                       "[fg=#c00000]red and [bg=#ffff00]marked text in a serif font, with x[sup]2 and "
                                       "H[sub]2O.\n"
                                       "center sa=19: A centred paragraph.\n"
                                       "li=96 sa=19: An indented paragraph.\n"
                                       "disc1#1: First bullet\n"
                                       "sa=19 disc1#1: Second bullet\n"
                                       "decimal1#2: First step\n"
                                       "sa=19 decimal1#2: Second step\n"
                                       "sa=19: A [u fg=#000080 ->https://example.org/quit]link to a page.\n"
                                       "sa=19: Gr\u00FC\u00DFe, Zo\u00EB \u2014 \u65E5\u672C\u8A9E \U0001F600");
    QTest::newRow("lists") << QStringLiteral("lists.rtf")
                           << QStringLiteral("sb=13 sa=8: [b 18pt]Reasons to stay smoke-free\n"
                                             "decimal1#1: Health \n"
                                             "disc2#2: Easier breathing\n"
                                             "disc2#2: Better sleep\n"
                                             "sa=19 decimal1#1: Money \n"
                                             "alpha1#3: alpha item\n"
                                             "sa=19 alpha1#3: beta item\n"
                                             "right sa=19: Right aligned.\n"
                                             "justify sa=19: Justified paragraph with "
                                             "\u041A\u0438\u0440\u0438\u043B\u043B\u0438\u0446\u0430 and "
                                             "\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC.\n"
                                             "fi=48 sb=24 sa=19: First line indented after space.\n"
                                             "sa=19: cell one\tcell two\t\n"
                                             "sa=19: Last line with [b i]bold italic and a "
                                             "[u fg=#000080 ->mailto:help@example.org]mail link.");
    // The same page saved by two other programs (pandoc and AbiWord), which
    // write their lists and fonts each in their own way.
    QTest::newRow("pandoc")
        << QStringLiteral("formatting-pandoc.rtf")
        << QStringLiteral(
               "center sa=12: [b 18pt 'Helvetica']Sample\n"
               "sa=12: \n"
               "sa=12 h=1: [b 18pt 'Helvetica']Clearwind sample\n"
               "sa=12: ['Helvetica']Plain, [b 'Helvetica']bold['Helvetica'], [i 'Helvetica']italic['Helvetica'], [u "
               "'Helvetica']underlined['Helvetica'], [s 'Helvetica']struck['Helvetica'], large, red and marked text in "
               "a serif font, with x[sup 'Helvetica']2['Helvetica'] and H[sub 'Helvetica']2['Helvetica']O.\n"
               "sa=12: ['Helvetica']A centred paragraph.\n"
               "sa=12: ['Helvetica']An indented paragraph.\n"
               "li=24 fi=-24: ['Helvetica']\u2022\tFirst bullet\n"
               "li=24 fi=-24 sa=12: ['Helvetica']\u2022\tSecond bullet\n"
               "li=24 fi=-24: ['Helvetica']1.\tFirst step\n"
               "li=24 fi=-24 sa=12: ['Helvetica']2.\tSecond step\n"
               "sa=12: ['Helvetica']A [u 'Helvetica' ->https://example.org/quit]link to a page['Helvetica'].\n"
               "sa=12: ['Helvetica']Gr\u00FC\u00DFe, Zo\u00EB \u2014 \u65E5\u672C\u8A9E \U0001F600");
    QTest::newRow("abiword")
        << QStringLiteral("formatting-abiword.rtf")
        << QStringLiteral(
               "sb=29 sa=4: [b 17pt 'Nimbus Sans']Clearwind sample\n"
               "['Nimbus Roman']Plain, [b 'Nimbus Roman']bold['Nimbus Roman'], [i 'Nimbus Roman']italic['Nimbus "
               "Roman'], [u 'Nimbus Roman']underlined['Nimbus Roman'], [s 'Nimbus Roman']struck['Nimbus Roman'], [18pt "
               "'Nimbus Roman']large['Nimbus Roman'], ['Nimbus Roman' fg=#c00000]red['Nimbus Roman'] and ['Nimbus "
               "Roman' bg=#ffff00]marked['Nimbus Roman'] text in a serif font['Nimbus Roman'], with x[sup 'Nimbus "
               "Roman']2['Nimbus Roman'] and H[sub 'Nimbus Roman']2['Nimbus Roman']O.\n"
               "center: ['Nimbus Roman']A centred paragraph.\n"
               "li=96: ['Nimbus Roman']An indented paragraph.\n"
               "disc1#1: ['Nimbus Roman']First bullet\n"
               "disc1#1: ['Nimbus Roman']Second bullet\n"
               "decimal1#2: ['Nimbus Roman']First step\n"
               "decimal1#2: ['Nimbus Roman']Second step\n"
               "['Nimbus Roman']A ['Nimbus Roman' ->https://example.org/quit]link to a page['Nimbus Roman'].\n"
               "['Nimbus Roman']Gr\u00FC\u00DFe, Zo\u00EB \u2014 \u65E5\u672C\u8A9E\U0001F600 \n"
               "\n"
               "\n");
}

void RichTextTest::samples()
{
    QFETCH(QString, file);
    QFETCH(QString, expected);
    const QByteArray rtf = readSample(file);
    QVERIFY(!rtf.isEmpty());
    QCOMPARE(describe(*readRtf(rtf, QStringLiteral("DejaVu Serif"))), expected);
}

// Text of any length lays out in linear time once no stretch of it is long
// without a place to break a line, and no paragraph is long; the breaks only
// add to the text, never between the parts of one character, and ordinary
// text gets none.
void RichTextTest::layoutBreaksBoundEveryStretch_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ordinary");
    const QString words = QStringLiteral("Drink water and take a walk. ");
    QTest::newRow("ordinary paragraph") << words.repeated(300) << true;
    QTest::newRow("ideographs") << QStringLiteral("\u65e5\u672c\u8a9e\u306e\u6587").repeated(1000) << true;
    QTest::newRow("word of 1 MB") << QStringLiteral("abcdefghijklmnopqrstuvwxyz").repeated(40330) << false;
    QTest::newRow("paragraph of 1 MB") << words.repeated(36160) << false;
    QTest::newRow("word of emoji") << QStringLiteral("\U0001F600\U0001F642").repeated(1500) << false;
    QTest::newRow("word of accented letters") << QStringLiteral("e\u0301\u0323").repeated(1500) << false;
    QTest::newRow("words joined by no-break spaces") << QStringLiteral("ab\u00a0").repeated(1500) << false;
}

void RichTextTest::layoutBreaksBoundEveryStretch()
{
    QFETCH(QString, text);
    QFETCH(bool, ordinary);
    const QString broken = richtext::withLayoutBreaks(text);
    QCOMPARE(broken == text, ordinary);
    QCOMPARE(QString(broken).remove(QChar(richtext::zeroWidthSpace)).remove(u'\n'), text);
    for (qsizetype i = 1; i < broken.size(); ++i) {
        if (broken[i - 1] == QChar(richtext::zeroWidthSpace) || broken[i - 1] == u'\n')
            QVERIFY2(!broken[i].isLowSurrogate() && !broken[i].isMark(), qPrintable(QString::number(i)));
    }

    // The same breaks in a document, whose second paragraph must get them too.
    QTextDocument document;
    document.setPlainText(text + u'\n' + text);
    richtext::addLayoutBreaks(&document);
    QCOMPARE(document.toRawText(), QString(broken + u'\n' + broken).replace(u'\n', QChar::ParagraphSeparator));
    const LayoutShape shape = layoutShape(document);
    QVERIFY2(shape.longestParagraph <= richtext::maxParagraphLength,
             qPrintable(QString::number(shape.longestParagraph)));
    QVERIFY2(shape.longestUnbrokenStretch <= richtext::maxUnbrokenRun + 1,
             qPrintable(QString::number(shape.longestUnbrokenStretch)));
}

QTEST_MAIN(RichTextTest)
#include "tst_richtext.moc"
