#include "richtext/documentfile.h"

#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace richtext {

namespace {

LoadResult failure(const QString &error)
{
    return {false, false, error, {}};
}

} // namespace

LoadResult loadFile(const QString &path, QTextDocument *document)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        LoadResult result = failure(file.errorString());
        result.missing = !QFileInfo(path).exists() && !QFileInfo(path).isSymLink();
        return result;
    }
    const textfiles::WholeFile whole = textfiles::readWhole(file, maxDocumentBytes);
    if (!whole.error.isEmpty())
        return failure(whole.error);
    return {true, false, QString(), read(whole.bytes, document)};
}

textfiles::WriteResult saveFile(const QString &path, const QTextDocument &document,
                                const textfiles::WriteOptions &options)
{
    return textfiles::writeAtomically(path, write(document), options);
}

} // namespace richtext
