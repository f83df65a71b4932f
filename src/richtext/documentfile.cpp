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

LoadResult tooLarge()
{
    return failure(QCoreApplication::translate("richtext", "The file is larger than %1 MB.")
                       .arg(maxDocumentBytes / (1024 * 1024)));
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
    // A file that says it is too large is not read at all.
    if (file.size() > maxDocumentBytes)
        return tooLarge();
    // One byte more than allowed tells a file at the limit from a larger one,
    // where the size given is not the whole truth.
    const QByteArray bytes = file.read(maxDocumentBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return failure(file.errorString());
    if (bytes.size() > maxDocumentBytes)
        return tooLarge();
    return {true, false, QString(), read(bytes, document)};
}

textfiles::WriteResult saveFile(const QString &path, const QTextDocument &document,
                                const textfiles::WriteOptions &options)
{
    return textfiles::writeAtomically(path, write(document), options);
}

} // namespace richtext
