#pragma once

#include <QTextListFormat>
#include <QtGlobal>

// What a group of an RTF file says about the text inside it. Groups inherit
// these from their parent and drop their changes when they close.
namespace richtext {

// Where the text of a group goes.
enum class Destination : quint8 {
    Body,
    Skip,
    FontTable,
    ColorTable,
    ListTable,
    List,
    ListLevel,
    LevelText,
    ListOverrideTable,
    ListOverride,
    Field,
    FieldInstruction,
    FieldResult,
    Numbering,
};

enum class CharacterFlag : quint8 { Bold, Italic, Underline, Strike, Hidden };
enum class CharacterNumber : quint8 { FontSize, Font, Foreground, Background };
enum class VerticalPosition : quint8 { Normal, Super, Sub };

enum class Alignment : quint8 { Left, Center, Right, Justify };
enum class ParagraphNumber : quint8 {
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    ListOverride,
    ListLevel,
    OutlineLevel,
    PageBreakBefore,
};

struct CharacterState
{
    static constexpr int defaultHalfPoints = 24;

    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    VerticalPosition position = VerticalPosition::Normal;
    int halfPoints = defaultHalfPoints;
    int font = -1;       // font number; -1 is the document's default font
    int foreground = -1; // colour table index; -1 is the automatic colour
    int background = -1;
    int link = -1; // index of the hyperlink the text belongs to

    void setFlag(CharacterFlag flag, bool on);
    void setNumber(CharacterNumber number, int value);

    bool operator==(const CharacterState &) const = default;
};

// Lengths are in twips, as the file gives them.
struct ParagraphState
{
    Alignment alignment = Alignment::Left;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int listOverride = 0; // 0: not in a list of the list table
    int listLevel = 0;
    int headingLevel = 0;
    bool pageBreakBefore = false;
    // The older numbering form, given with each paragraph.
    QTextListFormat::Style numberingStyle = QTextListFormat::ListStyleUndefined;
    int numberingLevel = 1;

    void setNumber(ParagraphNumber number, int value);
};

struct GroupState
{
    CharacterState characters;
    ParagraphState paragraph;
    Destination destination = Destination::Body;
    bool opensDestination = false; // this group named its destination
    int unicodeSkip = 1;           // fallback bytes after each \uN
};

} // namespace richtext
