#pragma once

#include <QByteArray>

class QTextDocument;

namespace richtext {

// The whole document as RTF that word processors open with the same text and
// formatting, and that read() turns back into the same document. Characters
// outside ASCII go out as \uN with a "?" for readers that cannot take them.
QByteArray write(const QTextDocument &document);

} // namespace richtext
