#pragma once

#include <QList>
#include <QString>

class QTextDocument;

// Breaks that keep the layout of any text quick. Qt lays out a stretch of
// text with nowhere to break a line in time that grows with the square of its
// length (one word of a megabyte holds the window for minutes), and lays out
// a paragraph whole before it can show any of it. So before text is laid out,
// a stretch with no break opportunity gets a zero-width space, an invisible
// break, every maxUnbrokenRun characters, and a paragraph longer than
// maxParagraphLength is cut into paragraphs that are not, where a line may
// break. Ordinary text, whose words and paragraphs are far shorter, is left
// exactly as it is.
namespace richtext {

inline constexpr qsizetype maxUnbrokenRun = 1000;
inline constexpr qsizetype maxParagraphLength = 16 * 1024;
inline constexpr char16_t zeroWidthSpace = u'\u200b';

struct LayoutBreak
{
    enum Kind { ZeroWidthSpace, Paragraph };
    qsizetype at; // the offset in the text the break goes before
    Kind kind;

    friend bool operator==(const LayoutBreak &, const LayoutBreak &) = default;
};

// The breaks the text needs, in increasing order of offset. A line feed or a
// paragraph separator in the text ends a paragraph.
QList<LayoutBreak> layoutBreaks(QStringView text);

// The text with its breaks: a zero-width space or a line feed.
QString withLayoutBreaks(const QString &text);

// Gives the paragraphs of the document that hold the positions from..to their
// breaks, as one edit; the rest of the document is not looked at. True when
// any break was added.
bool addLayoutBreaks(QTextDocument *document, int from = 0, int to = -1);

} // namespace richtext
