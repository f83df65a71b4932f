#include "richtext/rtfwriter.h"

#include "richtext/rtflisttable.h"
#include "richtext/rtfoutput.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>
#include <array>

namespace richtext {

namespace {

constexpr int twipsPerPixel = 15; // pixels at 96 per inch
constexpr int labelIndent = 360;  // the hanging part of a list item, for the label
constexpr int maxLevelAffix = 8;  // characters before and after a list number

// Markdown headings and HTML sizes come as a step from the normal size.
constexpr std::array<qreal, 6> sizeSteps = {0.8, 0.9, 1.0, 1.15, 1.3, 1.6}; // steps -2 to 3
constexpr int lowestStep = -2;

// The formatting of a run of text, with everything the document leaves to
// its defaults filled in.
struct RunFormat
{
    QString family;
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    QTextCharFormat::VerticalAlignment position = QTextCharFormat::AlignNormal;
    QColor foreground;
    QColor background;
    QString link;
};

QColor brushColor(const QTextFormat &format, int property)
{
    const QBrush brush = format.brushProperty(property);
    return brush.style() == Qt::NoBrush ? QColor() : brush.color();
}

QString firstFamily(const QTextCharFormat &format)
{
    const QStringList families = format.property(QTextFormat::FontFamilies).toStringList();
    return families.isEmpty() ? format.stringProperty(QTextFormat::FontFamily) : families.first();
}

qreal pointSizeOf(const QFont &font)
{
    if (font.pointSizeF() > 0)
        return font.pointSizeF();
    return font.pixelSize() > 0 ? font.pixelSize() * 0.75 : 12.0;
}

QString romanNumber(int number)
{
    static constexpr std::pair<int, const char *> digits[] = {
        {1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"}, {90, "xc"}, {50, "l"},
        {40, "xl"},  {10, "x"},   {9, "ix"},  {5, "v"},    {4, "iv"},  {1, "i"},
    };
    QString result;
    for (const auto &[value, letters] : digits) {
        for (; number >= value; number -= value)
            result += QLatin1String(letters);
    }
    return result;
}

QString letterNumber(int number)
{
    QString result;
    for (; number > 0; number = (number - 1) / 26)
        result.prepend(QChar(u'a' + (number - 1) % 26));
    return result;
}

// What stands before and after a list's numbers; Qt shows "1." where the
// list says nothing.
std::pair<QString, QString> numberAffixes(const QTextListFormat &format)
{
    const QString suffix =
        format.hasProperty(QTextFormat::ListNumberSuffix) ? format.numberSuffix() : QStringLiteral(".");
    return {format.numberPrefix().left(maxLevelAffix), suffix.left(maxLevelAffix)};
}

QString itemNumber(QTextListFormat::Style style, int number)
{
    switch (style) {
    case QTextListFormat::ListLowerAlpha:
        return letterNumber(number);
    case QTextListFormat::ListUpperAlpha:
        return letterNumber(number).toUpper();
    case QTextListFormat::ListLowerRoman:
        return romanNumber(number);
    case QTextListFormat::ListUpperRoman:
        return romanNumber(number).toUpper();
    default:
        return QString::number(number);
    }
}

bool isNumbered(QTextListFormat::Style style)
{
    return levelFormatOf(style) != levelFormatOf(QTextListFormat::ListDisc);
}

// The label of a list item, for readers that do not know lists.
QString itemLabel(const QTextListFormat &format, int number)
{
    if (!isNumbered(format.style()))
        return QString(QChar(bulletOf(format.style())));
    const auto [prefix, suffix] = numberAffixes(format);
    return prefix + itemNumber(format.style(), number) + suffix;
}

int listLevel(const QTextList *list)
{
    return std::clamp(list->format().indent() - 1, 0, ListTable::levelCount - 1);
}

class RtfWriter
{
public:
    explicit RtfWriter(const QTextDocument &document)
        : m_document(document), m_basePointSize(pointSizeOf(document.defaultFont()))
    {}

    QByteArray write();

private:
    RunFormat runFormat(const QTextCharFormat &format, const QTextBlock &block) const;
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
    int colorIndex(const QColor &color) const;

    const QTextDocument &m_document;
    const qreal m_basePointSize;
    RtfOutput m_out;
    QStringList m_fonts; // by font number
    QHash<QString, int> m_fontNumbers;
    QList<QRgb> m_colors; // by colour number less one; 0 is the automatic colour
    QHash<QRgb, int> m_colorNumbers;
    QList<QTextList *> m_lists; // by list number less one
    QHash<QTextList *, int> m_listNumbers;
    QHash<QTextList *, int> m_itemsWritten;
};

QByteArray RtfWriter::write()
{
    collectTables();
    m_out.raw("{");
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
    m_out.word("fs", qRound(m_basePointSize * 2));
    m_out.newLine();
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next())
        writeBlock(block);
    m_out.close();
    m_out.newLine();
    return m_out.bytes();
}

RunFormat RtfWriter::runFormat(const QTextCharFormat &format, const QTextBlock &block) const
{
    const int heading = block.blockFormat().headingLevel();
    RunFormat run;
    run.family = firstFamily(format);
    if (run.family.isEmpty())
        run.family = m_document.defaultFont().family();
    qreal points = format.fontPointSize();
    if (points <= 0) {
        // Markdown headings carry a step rather than a size: level 1 is three steps up.
        const int step = format.hasProperty(QTextFormat::FontSizeAdjustment)
                             ? format.intProperty(QTextFormat::FontSizeAdjustment)
                             : (heading > 0 ? 4 - heading : 0);
        const auto index = std::clamp<int>(step - lowestStep, 0, int(sizeSteps.size()) - 1);
        points = m_basePointSize * sizeSteps[index];
    }
    run.halfPoints = std::clamp(qRound(points * 2), 1, 3276);
    const int weight =
        format.hasProperty(QTextFormat::FontWeight) ? format.fontWeight() : (heading > 0 ? QFont::Bold : QFont::Normal);
    run.bold = weight >= QFont::DemiBold;
    run.italic = format.fontItalic();
    run.underline = format.fontUnderline();
    run.strike = format.fontStrikeOut();
    run.position = format.verticalAlignment();
    run.foreground = brushColor(format, QTextFormat::ForegroundBrush);
    run.background = brushColor(format, QTextFormat::BackgroundBrush);
    if (format.isAnchor())
        run.link = format.anchorHref();
    return run;
}

void RtfWriter::collectTables()
{
    const auto addFont = [this](const QString &family) {
        if (!m_fontNumbers.contains(family)) {
            m_fontNumbers.insert(family, int(m_fonts.size()));
            m_fonts.append(family);
        }
    };
    const auto addColor = [this](const QColor &color) {
        if (color.isValid() && !m_colorNumbers.contains(color.rgb())) {
            m_colors.append(color.rgb());
            m_colorNumbers.insert(color.rgb(), int(m_colors.size()));
        }
    };
    addFont(m_document.defaultFont().family());
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
        if (QTextList *list = block.textList(); list && !m_listNumbers.contains(list)) {
            m_lists.append(list);
            m_listNumbers.insert(list, int(m_lists.size()));
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const RunFormat run = runFormat(it.fragment().charFormat(), block);
            addFont(run.family);
            addColor(run.foreground);
            addColor(run.background);
        }
    }
}

void RtfWriter::writeFontTable()
{
    m_out.open();
    m_out.word("fonttbl");
    for (qsizetype number = 0; number < m_fonts.size(); ++number) {
        m_out.open();
        m_out.word("f", int(number));
        m_out.word("fnil");
        m_out.word("fcharset", 0);
        // A ';' ends the name in the table, so it cannot be part of it.
        m_out.text(QString(m_fonts.at(number)).remove(u';'));
        m_out.raw(";");
        m_out.close();
    }
    m_out.close();
    m_out.newLine();
}

void RtfWriter::writeColorTable()
{
    m_out.open();
    m_out.word("colortbl");
    m_out.raw(";");
    for (const QRgb rgb : std::as_const(m_colors)) {
        m_out.word("red", qRed(rgb));
        m_out.word("green", qGreen(rgb));
        m_out.word("blue", qBlue(rgb));
        m_out.raw(";");
    }
    m_out.close();
    m_out.newLine();
}

// Each QTextList is a list of its own, with one override that names it.
// Its items all stand at one level: a nested list is another QTextList.
void RtfWriter::writeListTables()
{
    if (m_lists.isEmpty())
        return;
    m_out.open();
    m_out.raw("\\*");
    m_out.word("listtable");
    for (qsizetype i = 0; i < m_lists.size(); ++i) {
        m_out.newLine();
        m_out.open();
        m_out.word("list");
        m_out.word("listtemplateid", int(i + 1));
        // Levels down to the list's own; a list holds items of its level only.
        for (int level = 0; level <= listLevel(m_lists.at(i)); ++level)
            writeListLevel(m_lists.at(i)->format(), level);
        m_out.open();
        m_out.word("listname");
        m_out.raw(";");
        m_out.close();
        m_out.word("listid", int(i + 1));
        m_out.close();
    }
    m_out.close();
    m_out.newLine();
    m_out.open();
    m_out.raw("\\*");
    m_out.word("listoverridetable");
    for (qsizetype i = 0; i < m_lists.size(); ++i) {
        m_out.open();
        m_out.word("listoverride");
        m_out.word("listid", int(i + 1));
        m_out.word("listoverridecount", 0);
        m_out.word("ls", int(i + 1));
        m_out.close();
    }
    m_out.close();
    m_out.newLine();
}

void RtfWriter::writeListLevel(const QTextListFormat &format, int level)
{
    const QTextListFormat::Style style = format.style();
    m_out.open();
    m_out.word("listlevel");
    m_out.word("levelnfc", levelFormatOf(style));
    m_out.word("levelnfcn", levelFormatOf(style));
    m_out.word("leveljc", 0);
    m_out.word("levelfollow", 0);
    m_out.word("levelstartat", 1);
    // The level text begins with its length; in a numbered level the byte
    // that is the level's index stands for the number.
    m_out.open();
    m_out.word("leveltext");
    if (isNumbered(style)) {
        const auto [prefix, suffix] = numberAffixes(format);
        m_out.raw(QByteArray("\\'") + QByteArray::number(prefix.size() + suffix.size() + 1, 16).rightJustified(2, '0'));
        m_out.text(prefix);
        m_out.raw(QByteArray("\\'") + QByteArray::number(level, 16).rightJustified(2, '0'));
        m_out.text(suffix);
        m_out.raw(";");
        m_out.close();
        m_out.open();
        m_out.word("levelnumbers");
        m_out.raw(QByteArray("\\'") + QByteArray::number(prefix.size() + 1, 16).rightJustified(2, '0'));
    } else {
        m_out.raw("\\'01");
        m_out.text(QString(QChar(bulletOf(style))));
        m_out.raw(";");
        m_out.close();
        m_out.open();
        m_out.word("levelnumbers");
    }
    m_out.raw(";");
    m_out.close();
    m_out.word("fi", -labelIndent);
    m_out.word("li", m_document.indentWidth() * twipsPerPixel * (level + 1));
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

void RtfWriter::writeListItem(const QTextBlock &block, QTextList *list)
{
    const int level = listLevel(list);
    m_out.word("ls", m_listNumbers.value(list));
    m_out.word("ilvl", level);
    m_out.word("fi", -labelIndent);
    m_out.word("li", m_document.indentWidth() * twipsPerPixel * (level + 1));
    m_out.open();
    m_out.word("listtext");
    m_out.word("fs", runFormat(block.charFormat(), block).halfPoints);
    m_out.text(itemLabel(list->format(), ++m_itemsWritten[list]));
    m_out.word("tab");
    m_out.close();
}

void RtfWriter::writeRuns(const QTextBlock &block)
{
    QString link;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const RunFormat run = runFormat(it.fragment().charFormat(), block);
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
    m_out.open();
    m_out.word("field");
    m_out.open();
    m_out.raw("\\*");
    m_out.word("fldinst");
    m_out.text(u" HYPERLINK ");
    // A place in this document goes with \l; quotes would end the address.
    QString address = target;
    address.replace(u'"', QLatin1String("%22"));
    if (address.startsWith(u'#'))
        m_out.text(QLatin1String("\\l \"") + address.mid(1) + u'"');
    else
        m_out.text(u'"' + address + u'"');
    m_out.close();
    m_out.open();
    m_out.word("fldrslt");
}

void RtfWriter::writeRun(const QTextFragment &fragment, const RunFormat &format)
{
    m_out.open();
    m_out.word("f", m_fontNumbers.value(format.family));
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
        m_out.word("cf", colorIndex(format.foreground));
    if (format.background.isValid())
        m_out.word("highlight", colorIndex(format.background));
    m_out.text(fragment.text());
    m_out.close();
}

int RtfWriter::colorIndex(const QColor &color) const
{
    return m_colorNumbers.value(color.rgb());
}

} // namespace

QByteArray write(const QTextDocument &document)
{
    return RtfWriter(document).write();
}

} // namespace richtext
