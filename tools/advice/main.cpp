// Turns an advice document written in Markdown into the RTF that the program
// shows: clearwind-advice SOURCE.md TARGET.rtf

#include "platform/textfiles.h"
#include "richtext/rtfwriter.h"

#include <QFile>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cstdio>

namespace {

// A calm page: one sans-serif family, a readable size, air between paragraphs.
constexpr auto family = "DejaVu Sans";
constexpr int basePointSize = 11;
constexpr qreal paragraphSpacing = 8;
constexpr qreal headingSpacing = 12;

void setPage(QTextDocument &document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        const bool heading = format.headingLevel() > 0;
        const bool listItem = block.textList() != nullptr;
        format.setTopMargin(heading && block != document.begin() ? headingSpacing : 0);
        format.setBottomMargin(listItem ? paragraphSpacing / 2 : paragraphSpacing);
        QTextCursor(block).setBlockFormat(format);
    }
}

int fail(const QString &message)
{
    std::fprintf(stderr, "clearwind-advice: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 3)
        return fail(QStringLiteral("usage: clearwind-advice SOURCE.md TARGET.rtf"));

    QFile source(arguments.at(1));
    if (!source.open(QIODevice::ReadOnly))
        return fail(arguments.at(1) + QStringLiteral(": ") + source.errorString());
    QTextDocument document;
    document.setDefaultFont(QFont(QString::fromLatin1(family), basePointSize));
    document.setMarkdown(textfiles::decode(source.readAll()));
    setPage(document);

    const textfiles::WriteResult written = textfiles::writeAtomically(arguments.at(2), richtext::write(document));
    if (!written.ok)
        return fail(arguments.at(2) + QStringLiteral(": ") + written.error);
    return 0;
}
