#pragma once

#include "richtext/omissions.h"

#include <QByteArrayView>

#include <string_view>

namespace richtext {

// What a control word does; ControlWord::value gives the detail.
enum class WordKind : quint8 {
    Destination,       // value: Destination
    CharacterFlag,     // value: CharacterFlag; a parameter of 0 turns it off
    CharacterOff,      // value: CharacterFlag
    CharacterNumber,   // value: CharacterNumber
    Position,          // value: VerticalPosition
    Plain,             // character formatting back to the defaults
    ParagraphDefaults, // paragraph formatting back to the defaults
    Alignment,         // value: Alignment
    ParagraphNumber,   // value: ParagraphNumber
    Character,         // value: the character it stands for
    ParagraphBreak,
    PageBreak,
    Unicode,
    UnicodeSkip,
    CodePage, // value: the code page, or 0 where the parameter gives it
    DefaultFont,
    FontCharset,
    FontCodePage,
    ColorComponent, // value: 0 red, 1 green, 2 blue
    ListId,
    LevelFormat,
    Numbering,      // value: the QTextListFormat::Style of the older numbering form
    NumberingLevel, // the level of the older numbering form, from the parameter
};

struct ControlWord
{
    std::string_view name;
    WordKind kind;
    int value;
    // What the document loses where this word stands in the text.
    Omission omits = {};
};

// The control words the reader acts on; nullptr for all others.
const ControlWord *findControlWord(QByteArrayView name);

} // namespace richtext
