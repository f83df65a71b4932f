#include "richtext/rtffields.h"

#include <algorithm>

namespace richtext {

namespace {

// Splits an instruction into its words; quotes hold words with blanks.
QStringList instructionWords(QStringView instruction)
{
    QStringList words;
    qsizetype i = 0;
    const qsizetype size = instruction.size();
    while (i < size) {
        while (i < size && instruction[i].isSpace())
            ++i;
        if (i >= size)
            break;
        if (instruction[i] == u'"') {
            const qsizetype close = instruction.indexOf(u'"', i + 1);
            const qsizetype end = close < 0 ? size : close;
            words.append(instruction.sliced(i + 1, end - i - 1).toString());
            i = end + 1;
        } else {
            const qsizetype start = i;
            while (i < size && !instruction[i].isSpace())
                ++i;
            words.append(instruction.sliced(start, i - start).toString());
        }
    }
    return words;
}

} // namespace

QString hyperlinkTarget(QStringView instruction)
{
    const QStringList words = instructionWords(instruction);
    if (words.isEmpty() || words.first().compare(u"HYPERLINK", Qt::CaseInsensitive) != 0)
        return {};
    QString address;
    QString place;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QString &word = words.at(i);
        // \l names a place in the document; \o and \t take a tooltip and a
        // target frame, which the link does not keep.
        if (word == u"\\l" || word == u"\\o" || word == u"\\t") {
            if (i + 1 < words.size() && word == u"\\l")
                place = words.at(i + 1);
            ++i;
        } else if (!word.startsWith(u'\\') && address.isEmpty()) {
            address = word;
        }
    }
    return place.isEmpty() ? address : address + u'#' + place;
}

void FieldStack::end()
{
    if (!m_instructions.isEmpty())
        m_instructions.removeLast();
}

void FieldStack::appendInstruction(QStringView text)
{
    if (m_instructions.isEmpty())
        return;
    QString &kept = m_instructions.last();
    kept += text.first(std::min(text.size(), maxInstructionLength - kept.size()));
}

QString FieldStack::hyperlink() const
{
    return m_instructions.isEmpty() ? QString() : hyperlinkTarget(m_instructions.last());
}

} // namespace richtext
