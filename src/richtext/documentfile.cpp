#include "richtext/documentfile.h"

#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"

#include <QCoreApplication>

#include <cerrno>

namespace richtext {

namespace {

LoadResult failure(const QString &error)
{
    return {false, false, error, {}};
}

} // namespace

textfiles::ReadRules documentReadRules(const QString &within)
{
    return {.limit = maxDocumentBytes, .within = within};
}

LoadResult loadRead(const textfiles::FileRead &file, QTextDocument *document)
{
    if (file.outcome == textfiles::FileRead::Outcome::Missing) {
        LoadResult result = failure(qt_error_string(ENOENT));
        result.missing = true;
        return result;
    }
    if (file.unreadable())
        return failure(file.problem);
    return {true, false, QString(), read(file.bytes, document)};
}

LoadResult loadFile(const QString &path, QTextDocument *document, const QString &within)
{
    return loadRead(textfiles::readFile(path, documentReadRules(within)), document);
}

textfiles::WriteResult saveFile(const QString &path, const QTextDocument &document,
                                const textfiles::WriteOptions &options)
{
    return textfiles::writeAtomically(path, write(document), options);
}

} // namespace richtext
