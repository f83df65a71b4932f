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

void read(const QByteArray &bytes, QTextDocument *document)
{
    if (!looksLikeRtf(bytes)) {
        document->setPlainText(textfiles::decode(bytes));
        return;
    }
    const bool undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    // One edit for the whole document: a layout attached to it runs once at
    // the end, not again after every run of text.
    QTextCursor edit(document);
    edit.beginEditBlock();
    document->clear();
    RtfInterpreter(document).read(bytes);
    edit.endEditBlock();
    document->setUndoRedoEnabled(undo);
}

} // namespace richtext
