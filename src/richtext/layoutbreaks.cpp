#include "richtext/layoutbreaks.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

namespace richtext {

namespace {

// Where a line may break after the character without help: white space
// (other than the no-break spaces), a zero-width space, and the characters
// of the scripts written without spaces, which break between characters.
// A cheap look that errs on the side of adding an invisible break.
bool opensLineBreak(QChar c)
{
    const char16_t code = c.unicode();
    if (code < 0x80)
        return code == u' ' || code == u'\t';
    switch (code) {
    case u'\u00a0':
    case u'\u2007':
    case u'\u202f':
        return false;
    case zeroWidthSpace:
        return true;
    default:
        return c.isSpace() || (code >= 0x2e80 && code <= 0x9fff) || (code >= 0xac00 && code <= 0xd7a3) ||
               (code >= 0xf900 && code <= 0xfaff) || (code >= 0xff00 && code <= 0xffef);
    }
}

bool endsParagraph(QChar c)
{
    return c == u'\n' || c == QChar::ParagraphSeparator;
}

// Never between the halves of a surrogate pair, nor between a letter and its
// accents: the break moves back to the start of the character, if there is
// one after the given offset.
qsizetype characterStart(QStringView text, qsizetype at, qsizetype after)
{
    for (qsizetype start = at; start > after; --start) {
        if (!text[start].isLowSurrogate() && !text[start].isMark())
            return start;
    }
    return at;
}

} // namespace

QList<LayoutBreak> layoutBreaks(QStringView text)
{
    QList<LayoutBreak> breaks;
    if (text.size() <= maxUnbrokenRun)
        return breaks;
    qsizetype runStart = 0;       // where the stretch with nowhere to break began
    qsizetype paragraphStart = 0; // where the paragraph began, or its last cut
    qsizetype lastChance = 0;     // the latest offset a line may break before
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (endsParagraph(c)) {
            runStart = paragraphStart = lastChance = i + 1;
            continue;
        }
        if (opensLineBreak(c)) {
            runStart = lastChance = i + 1;
        } else if (i - runStart >= maxUnbrokenRun) {
            const qsizetype at = characterStart(text, i, runStart);
            breaks.append({at, LayoutBreak::ZeroWidthSpace});
            runStart = lastChance = at;
        }
        if (i + 1 - paragraphStart >= maxParagraphLength) {
            // A cut is a break of its own: it takes the place of a zero-width space there.
            const qsizetype at = lastChance > paragraphStart ? lastChance : characterStart(text, i, paragraphStart);
            if (!breaks.isEmpty() && breaks.last().at == at)
                breaks.last().kind = LayoutBreak::Paragraph;
            else
                breaks.append({at, LayoutBreak::Paragraph});
            paragraphStart = at;
            runStart = qMax(runStart, at);
        }
    }
    return breaks;
}

QString withLayoutBreaks(const QString &text)
{
    const QList<LayoutBreak> breaks = layoutBreaks(text);
    if (breaks.isEmpty())
        return text;
    QString result;
    result.reserve(text.size() + breaks.size());
    qsizetype copied = 0;
    for (const LayoutBreak &layoutBreak : breaks) {
        result += QStringView(text).sliced(copied, layoutBreak.at - copied);
        result += layoutBreak.kind == LayoutBreak::Paragraph ? QChar(u'\n') : QChar(zeroWidthSpace);
        copied = layoutBreak.at;
    }
    result += QStringView(text).sliced(copied);
    return result;
}

namespace {

// Cuts the paragraph at the cursor in two that read as one: the spacing
// before it and its first-line indent stay on the first part, the spacing
// after it on the second, and a list item does not become two.
void cutParagraph(QTextCursor &cursor)
{
    const QTextBlockFormat format = cursor.blockFormat();
    QTextBlockFormat first = format;
    first.setBottomMargin(0);
    cursor.setBlockFormat(first);
    QTextBlockFormat continued = format;
    continued.setTopMargin(0);
    continued.setTextIndent(0);
    if (const QTextList *list = cursor.block().textList()) {
        continued.setObjectIndex(-1);
        continued.setIndent(format.indent() + list->format().indent());
    }
    cursor.insertBlock(continued);
}

} // namespace

bool addLayoutBreaks(QTextDocument *document, int from, int to)
{
    QTextCursor cursor(document);
    bool editing = false;
    const QTextBlock last = to < 0 ? document->lastBlock() : document->findBlock(to);
    for (QTextBlock block = document->findBlock(from); block.isValid(); block = block.next()) {
        // Most paragraphs are too short to need a break: their text is not even looked at.
        const QList<LayoutBreak> breaks =
            block.length() > maxUnbrokenRun ? layoutBreaks(block.text()) : QList<LayoutBreak>();
        if (!breaks.isEmpty() && !editing) {
            // One edit: the document tells its layout once, at the end.
            cursor.beginEditBlock();
            editing = true;
        }
        const int position = block.position();
        const int length = block.length();
        const bool isLast = block == last;
        // From the end, so the offsets still to come stay where they were.
        for (auto it = breaks.crbegin(); it != breaks.crend(); ++it) {
            cursor.setPosition(position + int(it->at));
            if (it->kind == LayoutBreak::Paragraph)
                cutParagraph(cursor);
            else
                cursor.insertText(QString(QChar(zeroWidthSpace)));
        }
        if (isLast)
            break;
        // Go on after the last of the paragraphs the cuts made.
        if (!breaks.isEmpty())
            block = document->findBlock(position + length + int(breaks.size()) - 1);
    }
    if (editing)
        cursor.endEditBlock();
    return editing;
}

} // namespace richtext
