#include "support/fakes.h"

#include <QTextDocument>

QStringList MessageRecorder::texts() const
{
    QStringList result;
    for (const Message &message : shown)
        result.append(message.text);
    return result;
}

PrintResult FakePrinter::print(const QTextDocument &document)
{
    printed.append(document.toPlainText());
    return answer;
}

Browser::Outcome FakeBrowser::open(const QString &, const QString &pageUri)
{
    opened.append(pageUri);
    return answer;
}
