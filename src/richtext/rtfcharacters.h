#pragma once

#include <QChar>
#include <QString>

namespace richtext {

// Whether a character can be part of a paragraph's text. Line and paragraph
// breaks, other control characters and QTextDocument's own frame and object
// markers cannot: as text they would break the document's structure.
constexpr bool belongsInText(char16_t c)
{
    return (c >= 0x20 || c == u'\t') && c != QChar::ParagraphSeparator && c != 0xFDD0 && c != 0xFDD1 &&
           c != QChar::ObjectReplacementCharacter;
}

inline QString withoutNonText(QString text)
{
    text.removeIf([](QChar c) { return !belongsInText(c.unicode()); });
    return text;
}

} // namespace richtext
