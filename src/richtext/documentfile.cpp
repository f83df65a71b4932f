#include "richtext/documentfile.h"

#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"

#include <QFile>

namespace richtext {

bool loadFile(const QString &path, QTextDocument *document)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // One byte more than allowed tells a file at the limit from a larger one.
    const QByteArray bytes = file.read(maxDocumentBytes + 1);
    if (bytes.size() > maxDocumentBytes || file.error() != QFileDevice::NoError)
        return false;
    read(bytes, document);
    return true;
}

textfiles::WriteResult saveFile(const QString &path, const QTextDocument &document)
{
    return textfiles::writeAtomically(path, write(document));
}

} // namespace richtext
