#include "richtext/rtfreader.h"

#include "platform/textfiles.h"

#include <QTextDocument>

namespace richtext {

bool looksLikeRtf(const QByteArray &bytes)
{
    return bytes.trimmed().startsWith("{\\rtf");
}

void read(const QByteArray &bytes, QTextDocument *document)
{
    document->setPlainText(textfiles::decode(bytes));
}

} // namespace richtext
