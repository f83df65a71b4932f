#include "richtext/rtfreader.h"

#include "platform/textfiles.h"
#include "richtext/rtfinterpreter.h"

#include <QTextCursor>
#include <QTextDocument>

namespace richtext {

namespace {

qsizetype firstNonBlank(const QByteArray &bytes)
{
    qsizetype i = 0;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n'))
        ++i;
    return i;
}

} // namespace

bool looksLikeRtf(const QByteArray &bytes)
{
    return QByteArrayView(bytes).sliced(firstNonBlank(bytes)).startsWith("{\\rtf");
}

Omissions read(const QByteArray &bytes, QTextDocument *document)
{
    if (!looksLikeRtf(bytes)) {
        document->setPlainText(textfiles::decode(bytes));
        // Text has no NUL bytes: these are another format's, or UTF-16's.
        return bytes.contains('\0') ? Omission::NotText : Omissions();
    }
    const bool undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    // One edit for the whole document: a layout attached to it runs once at
    // the end, not again after every run of text.
    QTextCursor edit(document);
    edit.beginEditBlock();
    document->clear();
    RtfInterpreter interpreter(document);
    interpreter.read(bytes);
    edit.endEditBlock();
    document->setUndoRedoEnabled(undo);
    return interpreter.omissions();
}

} // namespace richtext
