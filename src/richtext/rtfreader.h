#pragma once

#include "richtext/omissions.h"

#include <QByteArray>

class QTextDocument;

// Reads rich text as word processors write it into a QTextDocument.
namespace richtext {

// True when the bytes begin like an RTF document ("{\rtf", after blanks).
bool looksLikeRtf(const QByteArray &bytes);

// Replaces the whole content of the document with what the bytes hold: RTF
// where they look like it, otherwise plain text (UTF-8, or windows-1252 where
// the bytes are not valid UTF-8). Any bytes give a document; time and memory
// stay linear in the input. Returns what the bytes held that the document
// leaves out.
Omissions read(const QByteArray &bytes, QTextDocument *document);

} // namespace richtext
