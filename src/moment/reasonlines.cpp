#include "moment/reasonlines.h"

#include "cravinglog/journeytext.h"
#include "platform/textfiles.h"
#include "richtext/documentfile.h"

#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>

namespace journey {
namespace {

constexpr int reasonLines = 3;
constexpr int reasonLineLength = 160;
constexpr qint64 reasonsReadLimit = 256 * 1024;

} // namespace

QString firstReasonLines(const QString &path, const QString &within)
{
    textfiles::ReadRules rules = richtext::documentReadRules(within);
    rules.limit = reasonsReadLimit;
    QTextDocument document;
    if (!richtext::loadRead(textfiles::readFile(path, rules), &document).ok)
        return QString();
    const QString invitation = journeyText("Enter your personal reason not to smoke here.");
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid() && lines.size() < reasonLines; block = block.next()) {
        QString line = block.text().remove(QChar::ObjectReplacementCharacter).simplified();
        if (line.isEmpty() || line == invitation)
            continue;
        if (line.size() > reasonLineLength)
            line = line.left(reasonLineLength - 1).trimmed() + QChar(0x2026);
        lines << line;
    }
    return lines.join(u'\n');
}

} // namespace journey
