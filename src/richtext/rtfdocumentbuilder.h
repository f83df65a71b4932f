#pragma once

#include "richtext/rtfcodepages.h"
#include "richtext/rtfstate.h"

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextCharFormat>
#include <QTextCursor>

#include <vector>

class QTextDocument;
class QTextList;

namespace richtext {

class ColorTable;
class FontTable;
class ListTable;

// Puts list paragraphs into QTextLists: one list for each list and level of
// the list table, and one for each run of paragraphs of the older form.
class ParagraphLists
{
public:
    // A QTextList touches all its items whenever it gains one, so a longer
    // list goes on as a new list of the same kind; its numbers start again.
    static constexpr int maxItems = 1000;

    explicit ParagraphLists(const ListTable &table) : m_table(table) {}

    // The kind of list the paragraph is an item of; ListStyleUndefined for none.
    QTextListFormat::Style styleOf(const ParagraphState &paragraph) const;
    // Makes the cursor's block an item of the paragraph's list, if it has one.
    void place(const ParagraphState &paragraph, QTextListFormat::Style style, QTextCursor &cursor);

private:
    static QTextList *add(QTextList *list, QTextListFormat::Style style, int level, QTextCursor &cursor);

    const ListTable &m_table;
    QHash<std::pair<int, int>, QTextList *> m_tableLists;
    QList<QTextList *> m_numberingLists; // by level
};

// What a run's font and colour numbers stand for in the tables.
struct RunLook
{
    QString family;
    QColor foreground;
    QColor background;

    bool operator==(const RunLook &) const = default;
};

// The formats of the runs so far: a document uses a few over and over, and
// Qt looks up each one it is given in all the formats it holds.
class RunFormats
{
public:
    const QTextCharFormat *find(const CharacterState &state, const RunLook &look) const;
    const QTextCharFormat &add(const CharacterState &state, const RunLook &look, const QTextCharFormat &format);

private:
    static constexpr size_t maxEntries = 64;
    struct Entry
    {
        CharacterState state;
        RunLook look;
        QTextCharFormat format;
    };
    std::vector<Entry> m_entries;
};

// Writes the text the reader meets into the document. Text with the same
// formatting is gathered into one run before it goes in, and a paragraph
// takes its formatting when it ends, as in the file.
class DocumentBuilder
{
public:
    DocumentBuilder(QTextDocument *document, const FontTable &fonts, const ColorTable &colors, const ListTable &lists);
    ~DocumentBuilder();
    DocumentBuilder(const DocumentBuilder &) = delete;
    DocumentBuilder &operator=(const DocumentBuilder &) = delete;

    void setDefaultFont(int number) { m_defaultFont = number; }
    int addLink(const QString &target);

    void appendBytes(QByteArrayView bytes, int codePage, const CharacterState &state);
    void appendText(QStringView text, const CharacterState &state);
    void endParagraph(const ParagraphState &paragraph);
    void breakPage(const ParagraphState &paragraph);
    // Ends the last paragraph. A file that ends with a paragraph mark has no
    // empty paragraph after it.
    void finish(const ParagraphState &paragraph);

private:
    void startRun(const CharacterState &state);
    void decodePending();
    void flushRun();
    void openBlock();
    void formatBlock(const ParagraphState &paragraph, bool breakAfter);
    const QTextCharFormat &runFormat(const CharacterState &state);
    RunLook look(const CharacterState &state) const;
    QTextCharFormat charFormat(const CharacterState &state, const RunLook &look) const;

    QTextCursor m_cursor;
    const FontTable &m_fonts;
    const ColorTable &m_colors;
    ParagraphLists m_lists;
    RunFormats m_formats;
    CodePageDecoder m_decoder;
    QStringList m_links;
    int m_defaultFont = 0;

    CharacterState m_runState;
    QString m_run;
    QByteArray m_pendingBytes;
    int m_pendingCodePage = 0;
    bool m_blockPending = false; // a paragraph ended; the next text opens a block
    bool m_paragraphHasText = false;
    bool m_breakBefore = false;
};

} // namespace richtext
