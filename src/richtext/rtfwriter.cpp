#include "richtext/rtfwriter.h"

#include "richtext/rtflistlabels.h"
#include "richtext/rtflisttable.h"
#include "richtext/rtfoutput.h"
#include "richtext/rtfrunformat.h"

#include <QHash>
#include <QList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>

namespace richtext {

namespace {

constexpr int twipsPerPixel = 15; // pixels at 96 per inch
constexpr int labelIndent = 360;  // the hanging part of a list item, for the label

// Things a table of the file lists, each under the number it was given when
// first met.
template<typename Key>
class NumberedSet
{
public:
    explicit NumberedSet(int first) : m_first(first) {}

    void add(const Key &key)
    {
        if (!m_numbers.contains(key)) {
            m_numbers.insert(key, int(m_first + m_keys.size()));
            m_keys.append(key);
        }
    }
    int number(const Key &key) const { return m_numbers.value(key); }
    const QList<Key> &keys() const { return m_keys; }

private:
    int m_first;
    QList<Key> m_keys;
    QHash<Key, int> m_numbers;
};

int listLevel(const QTextList *list)
{
    return std::clamp(list->format().indent() - 1, 0, ListTable::levelCount - 1);
}

class RtfWriter
{
public:
    explicit RtfWriter(const QTextDocument &document) : m_document(document), m_runFormat(document) {}

    QByteArray write();

private:
    void collectTables();
    void writeFontTable();
    void writeColorTable();
    void writeListTables();
    void writeListLevel(const QTextListFormat &format, int level);
    void writeBlock(const QTextBlock &block);
    void writeParagraphFormat(const QTextBlock &block);
    void writeListItem(const QTextBlock &block, QTextList *list);
    void writeRuns(const QTextBlock &block);
    void writeLink(const QString &target);
    void writeRun(const QTextFragment &fragment, const RunFormat &format);
    int listIndent(int level) const { return m_document.indentWidth() * twipsPerPixel * (level + 1); }

    const QTextDocument &m_document;
    const RunFormatter m_runFormat;
    RtfOutput m_out;
    NumberedSet<QString> m_fonts{0};
    NumberedSet<QRgb> m_colors{1}; // 0 is the automatic colour
    NumberedSet<QTextList *> m_lists{1};
    QHash<QTextList *, int> m_itemsWritten;
};

QByteArray RtfWriter::write()
{
    collectTables();
    m_out.open();
    m_out.word("rtf", 1);
    m_out.word("ansi");
    m_out.word("ansicpg", 1252);
    m_out.word("deff", 0);
    m_out.word("uc", 1);
    m_out.newLine();
    writeFontTable();
    writeColorTable();
    writeListTables();
    m_out.word("f", 0);
    m_out.word("fs", m_runFormat.baseHalfPoints());
    m_out.newLine();
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next())
        writeBlock(block);
    m_out.close();
    m_out.newLine();
    return m_out.bytes();
}

void RtfWriter::collectTables()
{
    m_fonts.add(m_document.defaultFont().family());
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
        if (QTextList *list = block.textList())
            m_lists.add(list);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const RunFormat run = m_runFormat(it.fragment().charFormat(), block);
            m_fonts.add(run.family);
            if (run.foreground.isValid())
                m_colors.add(run.foreground.rgb());
            if (run.background.isValid())
                m_colors.add(run.background.rgb());
        }
    }
}

void RtfWriter::writeFontTable()
{
    m_out.open("fonttbl");
    for (const QString &family : m_fonts.keys()) {
        m_out.open();
        m_out.word("f", m_fonts.number(family));
        m_out.word("fnil");
        m_out.word("fcharset", 0);
        // A ';' ends the name in the table, so it cannot be part of it.
        m_out.text(QString(family).remove(u';'));
        m_out.raw(";");
        m_out.close();
    }
    m_out.close();
    m_out.newLine();
}

void RtfWriter::writeColorTable()
{
    m_out.open("colortbl");
    m_out.raw(";");
    for (const QRgb rgb : m_colors.keys()) {
        m_out.word("red", qRed(rgb));
        m_out.word("green", qGreen(rgb));
        m_out.word("blue", qBlue(rgb));
        m_out.raw(";");
    }
    m_out.close();
    m_out.newLine();
}

// Each QTextList is a list of its own, with one override that names it.
// Its items all stand at one level (a nested list is another QTextList), so
// it defines the levels down to that one only.
void RtfWriter::writeListTables()
{
    if (m_lists.keys().isEmpty())
        return;
    m_out.open("listtable", true);
    for (QTextList *list : m_lists.keys()) {
        m_out.newLine();
        m_out.open("list");
        m_out.word("listtemplateid", m_lists.number(list));
        for (int level = 0; level <= listLevel(list); ++level)
            writeListLevel(list->format(), level);
        m_out.open("listname");
        m_out.raw(";");
        m_out.close();
        m_out.word("listid", m_lists.number(list));
        m_out.close();
    }
    m_out.close();
    m_out.newLine();
    m_out.open("listoverridetable", true);
    for (QTextList *list : m_lists.keys()) {
        m_out.open("listoverride");
        m_out.word("listid", m_lists.number(list));
        m_out.word("listoverridecount", 0);
        m_out.word("ls", m_lists.number(list));
        m_out.close();
    }
    m_out.close();
    m_out.newLine();
}

void RtfWriter::writeListLevel(const QTextListFormat &format, int level)
{
    const QTextListFormat::Style style = format.style();
    m_out.open("listlevel");
    m_out.word("levelnfc", levelFormatOf(style));
    m_out.word("levelnfcn", levelFormatOf(style));
    m_out.word("leveljc", 0);
    m_out.word("levelfollow", 0);
    m_out.word("levelstartat", 1);
    // The level text begins with its length; in a numbered level the byte
    // that is the level's index stands for the number, and the level numbers
    // say where it is.
    m_out.open("leveltext");
    if (isNumbered(style)) {
        const auto [prefix, suffix] = numberAffixes(format);
        m_out.hexByte(int(prefix.size() + suffix.size() + 1));
        m_out.text(prefix);
        m_out.hexByte(level);
        m_out.text(suffix);
        m_out.raw(";");
        m_out.close();
        m_out.open("levelnumbers");
        m_out.hexByte(int(prefix.size() + 1));
    } else {
        m_out.hexByte(1);
        m_out.text(QString(QChar(bulletOf(style))));
        m_out.raw(";");
        m_out.close();
        m_out.open("levelnumbers");
    }
    m_out.raw(";");
    m_out.close();
    m_out.word("fi", -labelIndent);
    m_out.word("li", listIndent(level));
    m_out.close();
}

void RtfWriter::writeBlock(const QTextBlock &block)
{
    writeParagraphFormat(block);
    writeRuns(block);
    const bool breakAfter = block.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysAfter;
    m_out.word(breakAfter ? "page" : "par");
    m_out.newLine();
}

void RtfWriter::writeParagraphFormat(const QTextBlock &block)
{
    const QTextBlockFormat format = block.blockFormat();
    m_out.word("pard");
    static constexpr std::pair<Qt::Alignment, const char *> alignments[] = {
        {Qt::AlignHCenter, "qc"}, {Qt::AlignRight, "qr"}, {Qt::AlignJustify, "qj"}};
    const Qt::Alignment horizontal = format.alignment() & Qt::AlignHorizontal_Mask;
    for (const auto &[alignment, name] : alignments) {
        if (horizontal == alignment)
            m_out.word(name);
    }
    const auto length = [this](const char *name, qreal pixels) {
        if (const int twips = qRound(pixels * twipsPerPixel))
            m_out.word(name, twips);
    };
    length("sb", format.topMargin());
    length("sa", format.bottomMargin());
    if (const int heading = format.headingLevel(); heading > 0 && heading <= ListTable::levelCount)
        m_out.word("outlinelevel", heading - 1);
    if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
        m_out.word("pagebb");
    if (QTextList *list = block.textList()) {
        writeListItem(block, list);
        return;
    }
    length("li", format.leftMargin());
    length("ri", format.rightMargin());
    length("fi", format.textIndent());
}

// The list indents its items: their own indents are not written.
void RtfWriter::writeListItem(const QTextBlock &block, QTextList *list)
{
    const int level = listLevel(list);
    m_out.word("ls", m_lists.number(list));
    m_out.word("ilvl", level);
    m_out.word("fi", -labelIndent);
    m_out.word("li", listIndent(level));
    m_out.open("listtext");
    m_out.word("fs", m_runFormat(block.charFormat(), block).halfPoints);
    m_out.text(itemLabel(list->format(), ++m_itemsWritten[list]));
    m_out.word("tab");
    m_out.close();
}

void RtfWriter::writeRuns(const QTextBlock &block)
{
    QString link;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const RunFormat run = m_runFormat(it.fragment().charFormat(), block);
        if (run.link != link) {
            if (!link.isEmpty())
                m_out.raw("}}");
            link = run.link;
            if (!link.isEmpty())
                writeLink(link);
        }
        writeRun(it.fragment(), run);
    }
    if (!link.isEmpty())
        m_out.raw("}}");
}

// Opens a hyperlink field and its result; writeRuns closes both.
void RtfWriter::writeLink(const QString &target)
{
    m_out.open("field");
    m_out.open("fldinst", true);
    m_out.text(u" HYPERLINK ");
    // A place in this document goes with \l; quotes would end the address.
    QString address = target;
    address.replace(u'"', QLatin1String("%22"));
    if (address.startsWith(u'#'))
        m_out.text(QLatin1String("\\l \"") + address.mid(1) + u'"');
    else
        m_out.text(u'"' + address + u'"');
    m_out.close();
    m_out.open("fldrslt");
}

void RtfWriter::writeRun(const QTextFragment &fragment, const RunFormat &format)
{
    m_out.open();
    m_out.word("f", m_fonts.number(format.family));
    m_out.word("fs", format.halfPoints);
    const std::pair<bool, const char *> flags[] = {
        {format.bold, "b"},
        {format.italic, "i"},
        {format.underline, "ul"},
        {format.strike, "strike"},
        {format.position == QTextCharFormat::AlignSuperScript, "super"},
        {format.position == QTextCharFormat::AlignSubScript, "sub"},
    };
    for (const auto &[on, name] : flags) {
        if (on)
            m_out.word(name);
    }
    if (format.foreground.isValid())
        m_out.word("cf", m_colors.number(format.foreground.rgb()));
    if (format.background.isValid())
        m_out.word("highlight", m_colors.number(format.background.rgb()));
    m_out.text(fragment.text());
    m_out.close();
}

} // namespace

QByteArray write(const QTextDocument &document)
{
    return RtfWriter(document).write();
}

} // namespace richtext
