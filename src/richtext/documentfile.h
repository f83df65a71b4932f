#pragma once

#include "platform/textfiles.h"
#include "richtext/omissions.h"

#include <QString>

class QTextDocument;

// Documents of the data folder, read into and written from a QTextDocument.
namespace richtext {

// A larger file counts as one that cannot be loaded. A word processor's
// document with a few pictures fits; reading stays linear in the size.
inline constexpr qint64 maxDocumentBytes = 64 * 1024 * 1024;

struct LoadResult
{
    bool ok = false;
    bool missing = false; // not loaded because there is no such file
    QString error;        // why it could not be loaded, for the user
    Omissions omitted;    // what the file holds that the document leaves out
};

// How a document is read: whole, up to maxDocumentBytes. WITHIN: the folder
// of the user's files, for one of theirs (see textfiles::ReadRules).
textfiles::ReadRules documentReadRules(const QString &within = QString());

// Replaces the document's content with what reading its file under
// documentReadRules() found, which may have been read on another thread.
// Not ok, with the document untouched, when the file is missing, unreadable
// or too large.
LoadResult loadRead(const textfiles::FileRead &file, QTextDocument *document);

// Reads the file and loads it, as loadRead() does.
LoadResult loadFile(const QString &path, QTextDocument *document, const QString &within = QString());

// Writes the whole document as RTF, whole or not at all.
textfiles::WriteResult saveFile(const QString &path, const QTextDocument &document,
                                const textfiles::WriteOptions &options = {});

} // namespace richtext
