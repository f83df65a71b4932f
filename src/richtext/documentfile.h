#pragma once

#include "platform/textfiles.h"

#include <QString>

class QTextDocument;

// Documents of the data folder, read into and written from a QTextDocument.
namespace richtext {

// A larger file counts as one that cannot be loaded.
inline constexpr qint64 maxDocumentBytes = 8 * 1024 * 1024;

// Replaces the document's content with the file's. False, with the document
// untouched, when the file is missing, unreadable or too large.
bool loadFile(const QString &path, QTextDocument *document);

// Writes the whole document as RTF, whole or not at all.
textfiles::WriteResult saveFile(const QString &path, const QTextDocument &document);

} // namespace richtext
