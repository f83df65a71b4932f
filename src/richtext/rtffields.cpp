#include "richtext/rtffields.h"

#include "richtext/rtfcharacters.h"

#include <algorithm>
#include <optional>

namespace richtext {

namespace {

struct InstructionWord
{
    QString text;
    bool quoted = false; // a quoted word is an argument, never a switch
};

// Splits an instruction into its words; quotes hold words with blanks.
QList<InstructionWord> instructionWords(QStringView instruction)
{
    QList<InstructionWord> words;
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
            words.append({instruction.sliced(i + 1, end - i - 1).toString(), true});
            i = end + 1;
        } else {
            const qsizetype start = i;
            while (i < size && !instruction[i].isSpace())
                ++i;
            words.append({instruction.sliced(start, i - start).toString(), false});
        }
    }
    return words;
}

bool isSwitch(const InstructionWord &word, QStringView name)
{
    return !word.quoted && word.text == name;
}

} // namespace

QString hyperlinkTarget(QStringView instruction)
{
    const QList<InstructionWord> words = instructionWords(instruction);
    if (words.isEmpty() || words.first().text.compare(u"HYPERLINK", Qt::CaseInsensitive) != 0)
        return {};
    QString address;
    std::optional<QString> place;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const InstructionWord &word = words.at(i);
        // \l names a place in the document; \o and \t take a tooltip and a
        // target frame, which the link does not keep.
        if (isSwitch(word, u"\\l") || isSwitch(word, u"\\o") || isSwitch(word, u"\\t")) {
            if (i + 1 < words.size() && isSwitch(word, u"\\l"))
                place = words.at(i + 1).text;
            ++i;
        } else if ((word.quoted || !word.text.startsWith(u'\\')) && address.isEmpty()) {
            address = word.text;
        }
    }
    QString target = withoutNonText(place ? address + u'#' + *place : address);
    // A quote cannot stand in an address; it is written as the web writes it.
    return target.replace(u'"', QLatin1String("%22"));
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
