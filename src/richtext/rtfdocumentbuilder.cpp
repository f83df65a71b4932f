#include "richtext/rtfdocumentbuilder.h"

#include "richtext/rtfcharacters.h"
#include "richtext/rtflisttable.h"
#include "richtext/rtftables.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>

namespace richtext {

namespace {

// Block lengths are pixels at 96 per inch: 15 twips each.
constexpr qreal twipsPerPixel = 15.0;

constexpr Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignJustify};

// The text without the characters that cannot be text, and with a
// replacement character for half a surrogate pair.
QString cleaned(const QString &text)
{
    // Nearly always there is nothing to take out.
    if (std::all_of(text.cbegin(), text.cend(),
                    [](QChar c) { return belongsInText(c.unicode()) && !c.isSurrogate(); }))
        return text;
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            result += text[i];
            result += text[++i];
        } else if (QChar::isSurrogate(c)) {
            result += QChar(QChar::ReplacementCharacter);
        } else if (belongsInText(c)) {
            result += QChar(c);
        }
    }
    return result;
}

} // namespace

QTextListFormat::Style ParagraphLists::styleOf(const ParagraphState &paragraph) const
{
    return paragraph.listOverride > 0 ? m_table.style(paragraph.listOverride, paragraph.listLevel)
                                      : paragraph.numberingStyle;
}

void ParagraphLists::place(const ParagraphState &paragraph, QTextListFormat::Style style, QTextCursor &cursor)
{
    // Any paragraph outside the older numbering form ends its lists.
    if (paragraph.listOverride > 0 || style == QTextListFormat::ListStyleUndefined)
        m_numberingLists.clear();
    if (style == QTextListFormat::ListStyleUndefined)
        return;
    if (paragraph.listOverride > 0) {
        QTextList *&list = m_tableLists[{paragraph.listOverride, paragraph.listLevel}];
        list = add(list, style, paragraph.listLevel + 1, cursor);
        return;
    }
    const int level = std::clamp(paragraph.numberingLevel, 1, ListTable::levelCount);
    m_numberingLists.resize(level);
    QTextList *&list = m_numberingLists[level - 1];
    if (list && list->format().style() != style)
        list = nullptr;
    list = add(list, style, level, cursor);
}

QTextList *ParagraphLists::add(QTextList *list, QTextListFormat::Style style, int level, QTextCursor &cursor)
{
    if (list && list->count() < maxItems) {
        list->add(cursor.block());
        return list;
    }
    QTextListFormat format;
    format.setStyle(style);
    format.setIndent(level);
    return cursor.createList(format);
}

DocumentBuilder::DocumentBuilder(QTextDocument *document, const FontTable &fonts, const ColorTable &colors,
                                 const ListTable &lists)
    : m_cursor(document), m_fonts(fonts), m_colors(colors), m_lists(lists)
{
    // One edit for the whole document: outside an edit the cursor lays out
    // its paragraph after every insertion, which makes long paragraphs slow.
    m_cursor.beginEditBlock();
}

DocumentBuilder::~DocumentBuilder()
{
    m_cursor.endEditBlock();
}

int DocumentBuilder::addLink(const QString &target)
{
    m_links.append(target);
    return static_cast<int>(m_links.size() - 1);
}

void DocumentBuilder::appendBytes(QByteArrayView bytes, int codePage, const CharacterState &state)
{
    if (state.hidden || bytes.isEmpty())
        return;
    startRun(state);
    // Plain ASCII reads the same in every code page, unless it may finish a
    // character whose first bytes are still waiting.
    if (m_pendingBytes.isEmpty() && std::all_of(bytes.begin(), bytes.end(), [](char c) { return uchar(c) < 0x80; })) {
        m_run += QLatin1StringView(bytes);
        return;
    }
    if (codePage != m_pendingCodePage)
        decodePending();
    m_pendingBytes += bytes;
    m_pendingCodePage = codePage;
}

void DocumentBuilder::appendText(QStringView text, const CharacterState &state)
{
    if (state.hidden || text.isEmpty())
        return;
    startRun(state);
    decodePending();
    m_run += text;
}

void DocumentBuilder::endParagraph(const ParagraphState &paragraph)
{
    flushRun();
    openBlock();
    formatBlock(paragraph, false);
    m_blockPending = true;
}

void DocumentBuilder::breakPage(const ParagraphState &paragraph)
{
    flushRun();
    if (!m_paragraphHasText) {
        m_breakBefore = true;
        return;
    }
    openBlock();
    formatBlock(paragraph, true);
    m_blockPending = true;
}

void DocumentBuilder::finish(const ParagraphState &paragraph)
{
    flushRun();
    if (!m_blockPending)
        formatBlock(paragraph, false);
}

void DocumentBuilder::startRun(const CharacterState &state)
{
    if (state == m_runState)
        return;
    flushRun();
    m_runState = state;
}

void DocumentBuilder::decodePending()
{
    if (m_pendingBytes.isEmpty())
        return;
    m_run += m_decoder.decode(m_pendingBytes, m_pendingCodePage);
    m_pendingBytes.resize(0);
}

void DocumentBuilder::flushRun()
{
    decodePending();
    const QString text = cleaned(m_run);
    m_run.resize(0);
    if (text.isEmpty())
        return;
    openBlock();
    m_cursor.insertText(text, runFormat(m_runState));
    m_paragraphHasText = true;
}

void DocumentBuilder::openBlock()
{
    if (!m_blockPending)
        return;
    m_cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    m_blockPending = false;
}

void DocumentBuilder::formatBlock(const ParagraphState &paragraph, bool breakAfter)
{
    QTextBlockFormat format;
    const QTextListFormat::Style listStyle = m_lists.styleOf(paragraph);
    // A list indents its items itself; the paragraph's own indents would
    // indent them twice.
    if (listStyle == QTextListFormat::ListStyleUndefined) {
        if (paragraph.leftIndent)
            format.setLeftMargin(paragraph.leftIndent / twipsPerPixel);
        if (paragraph.rightIndent)
            format.setRightMargin(paragraph.rightIndent / twipsPerPixel);
        if (paragraph.firstIndent)
            format.setTextIndent(paragraph.firstIndent / twipsPerPixel);
    }
    if (paragraph.alignment != Alignment::Left)
        format.setAlignment(alignments[static_cast<int>(paragraph.alignment)]);
    if (paragraph.spaceBefore)
        format.setTopMargin(paragraph.spaceBefore / twipsPerPixel);
    if (paragraph.spaceAfter)
        format.setBottomMargin(paragraph.spaceAfter / twipsPerPixel);
    if (paragraph.headingLevel)
        format.setHeadingLevel(paragraph.headingLevel);
    if (paragraph.pageBreakBefore || m_breakBefore)
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    if (breakAfter)
        format.setPageBreakPolicy(format.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysAfter);
    // A new block has no format of its own yet: most paragraphs need nothing set.
    if (format.propertyCount() > 0 || m_cursor.block().blockFormat().propertyCount() > 0)
        m_cursor.setBlockFormat(format);
    m_lists.place(paragraph, listStyle, m_cursor);
    m_breakBefore = false;
    m_paragraphHasText = false;
}

const QTextCharFormat *RunFormats::find(const CharacterState &state, const RunLook &look) const
{
    for (const Entry &entry : m_entries) {
        if (entry.state == state && entry.look == look)
            return &entry.format;
    }
    return nullptr;
}

const QTextCharFormat &RunFormats::add(const CharacterState &state, const RunLook &look, const QTextCharFormat &format)
{
    if (m_entries.size() >= maxEntries)
        m_entries.clear();
    m_entries.push_back({state, look, format});
    return m_entries.back().format;
}

const QTextCharFormat &DocumentBuilder::runFormat(const CharacterState &state)
{
    const RunLook runLook = look(state);
    if (const QTextCharFormat *known = m_formats.find(state, runLook))
        return *known;
    return m_formats.add(state, runLook, charFormat(state, runLook));
}

RunLook DocumentBuilder::look(const CharacterState &state) const
{
    return {m_fonts.family(state.font >= 0 ? state.font : m_defaultFont), m_colors.color(state.foreground),
            m_colors.color(state.background)};
}

QTextCharFormat DocumentBuilder::charFormat(const CharacterState &state, const RunLook &look) const
{
    QTextCharFormat format;
    // Given either way, so a heading keeps the weight the file gives it.
    format.setFontWeight(state.bold ? QFont::Bold : QFont::Normal);
    if (state.italic)
        format.setFontItalic(true);
    if (state.underline)
        format.setFontUnderline(true);
    if (state.strike)
        format.setFontStrikeOut(true);
    if (state.position == VerticalPosition::Super)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (state.position == VerticalPosition::Sub)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    format.setFontPointSize(state.halfPoints / 2.0);
    const QString &family = look.family;
    if (!family.isEmpty()) {
        format.setFontFamilies({family});
        // The single family too: Qt hashes a family list by its type alone, so
        // without it all formats with a family would share one hash, and each
        // insertion would compare itself with every one of them.
        format.setProperty(QTextFormat::FontFamily, family);
    }
    if (look.foreground.isValid())
        format.setForeground(look.foreground);
    if (look.background.isValid())
        format.setBackground(look.background);
    if (state.link >= 0) {
        format.setAnchor(true);
        format.setAnchorHref(m_links.value(state.link));
    }
    return format;
}

} // namespace richtext
