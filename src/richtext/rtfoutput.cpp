#include "richtext/rtfoutput.h"

#include "richtext/rtfcharacters.h"

#include <algorithm>
#include <iterator>

namespace richtext {

namespace {

struct Escape
{
    char16_t character;
    const char *written;
    bool isWord; // a control word, which needs a delimiter before text
};

constexpr Escape escapes[] = {
    {u'\\', "\\\\", false},   {u'{', "\\{", false},   {u'}', "\\}", false},   {u'\t', "\\tab", true},
    {0x2028, "\\line", true}, {0x00A0, "\\~", false}, {0x00AD, "\\-", false}, {0x2011, "\\_", false},
};

} // namespace

void RtfOutput::word(const char *name)
{
    m_bytes += '\\';
    m_bytes += name;
    m_afterWord = true;
}

void RtfOutput::word(const char *name, int parameter)
{
    word(name);
    m_bytes += QByteArray::number(parameter);
}

void RtfOutput::open()
{
    m_bytes += '{';
    m_afterWord = false;
}

void RtfOutput::open(const char *destination, bool starred)
{
    open();
    if (starred)
        m_bytes += "\\*";
    word(destination);
}

void RtfOutput::hexByte(int value)
{
    m_bytes += "\\'" + QByteArray::number(value & 0xFF, 16).rightJustified(2, '0');
    m_afterWord = false;
}

void RtfOutput::close()
{
    m_bytes += '}';
    m_afterWord = false;
}

void RtfOutput::raw(QByteArrayView bytes)
{
    m_bytes += bytes;
    m_afterWord = false;
}

void RtfOutput::newLine()
{
    raw("\n");
}

void RtfOutput::text(QStringView text)
{
    for (const QChar c : text)
        character(c.unicode());
}

void RtfOutput::character(char16_t c)
{
    const auto escape =
        std::find_if(std::begin(escapes), std::end(escapes), [c](const Escape &entry) { return entry.character == c; });
    if (escape != std::end(escapes)) {
        m_bytes += escape->written;
        m_afterWord = escape->isWord;
        return;
    }
    if (!belongsInText(c))
        return;
    if (c < 0x80) {
        if (m_afterWord)
            m_bytes += ' ';
        m_bytes += static_cast<char>(c);
        m_afterWord = false;
        return;
    }
    // The number is a signed 16-bit value; the "?" also ends the word.
    word("u", static_cast<qint16>(c));
    m_bytes += '?';
    m_afterWord = false;
}

} // namespace richtext
