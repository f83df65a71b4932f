#include "richtext/rtfwriter.h"

#include <QTextDocument>

namespace richtext {

QByteArray write(const QTextDocument &document)
{
    return "{\\rtf1\\ansi " + document.toPlainText().toLatin1() + "}";
}

} // namespace richtext
