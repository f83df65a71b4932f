#pragma once

#include <QFlags>

namespace richtext {

// What a file held that the document read from it leaves out or flattens.
// Writing that document back over the file loses it.
enum class Omission : quint8 {
    Pictures = 0x01,       // pictures, drawings, shapes and embedded objects
    Tables = 0x02,         // a table's cells become text between tabs
    Notes = 0x04,          // footnotes and comments
    HeadersFooters = 0x08, // the page's headers and footers
    HiddenText = 0x10,
    NotText = 0x20, // bytes that are neither RTF nor text, such as another format
};
Q_DECLARE_FLAGS(Omissions, Omission)
Q_DECLARE_OPERATORS_FOR_FLAGS(Omissions)

} // namespace richtext
