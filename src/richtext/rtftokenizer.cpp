#include "richtext/rtftokenizer.h"

#include <limits>

namespace richtext {

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Bytes that end a run of plain text. Line breaks in the file are not text.
bool endsText(char c)
{
    return c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n';
}

RtfToken token(RtfToken::Kind kind, QByteArrayView text = {}, char byte = 0)
{
    RtfToken result;
    result.kind = kind;
    result.text = text;
    result.byte = byte;
    return result;
}

} // namespace

RtfToken RtfTokenizer::next()
{
    while (!atEnd()) {
        const char c = peek();
        switch (c) {
        case '{':
            ++m_pos;
            return token(RtfToken::Kind::GroupStart);
        case '}':
            ++m_pos;
            return token(RtfToken::Kind::GroupEnd);
        case '\\':
            ++m_pos;
            if (atEnd())
                return {};
            return isLetter(peek()) ? controlWord() : controlSymbol();
        case '\r':
        case '\n':
            ++m_pos;
            continue;
        default:
            return text();
        }
    }
    return {};
}

RtfToken RtfTokenizer::controlWord()
{
    const qsizetype start = m_pos;
    while (!atEnd() && isLetter(peek()))
        ++m_pos;
    RtfToken word = token(RtfToken::Kind::ControlWord);
    if (m_pos - start <= maxWordLength)
        word.text = m_bytes.sliced(start, m_pos - start);
    if (!atEnd()) {
        const bool negative = peek() == '-' && m_pos + 1 < m_bytes.size() && isDigit(m_bytes[m_pos + 1]);
        if (negative)
            ++m_pos;
        if (!atEnd() && isDigit(peek())) {
            word.hasParameter = true;
            word.parameter = parameterDigits(negative);
        }
    }
    if (!atEnd() && peek() == ' ')
        ++m_pos;
    // Binary data follows \binN; it is never text.
    if (word.text == "bin" && word.parameter > 0)
        m_pos += qMin<qsizetype>(word.parameter, m_bytes.size() - m_pos);
    return word;
}

int RtfTokenizer::parameterDigits(bool negative)
{
    constexpr qint64 limit = std::numeric_limits<int>::max();
    qint64 value = 0;
    while (!atEnd() && isDigit(peek())) {
        if (value <= limit)
            value = value * 10 + (peek() - '0');
        ++m_pos;
    }
    value = qMin(value, limit);
    return static_cast<int>(negative ? -value : value);
}

RtfToken RtfTokenizer::controlSymbol()
{
    const char symbol = peek();
    ++m_pos;
    if (symbol == '\r' || symbol == '\n')
        return token(RtfToken::Kind::ControlWord, "par");
    if (symbol != '\'')
        return token(RtfToken::Kind::ControlSymbol, {}, symbol);
    int high = -1;
    int low = -1;
    if (!atEnd() && (high = hexValue(peek())) >= 0) {
        ++m_pos;
        if (!atEnd() && (low = hexValue(peek())) >= 0)
            ++m_pos;
    }
    if (low < 0)
        return token(RtfToken::Kind::ControlSymbol, {}, symbol);
    return token(RtfToken::Kind::HexByte, {}, static_cast<char>(high * 16 + low));
}

RtfToken RtfTokenizer::text()
{
    const qsizetype start = m_pos;
    while (!atEnd() && !endsText(peek()))
        ++m_pos;
    return token(RtfToken::Kind::Text, m_bytes.sliced(start, m_pos - start));
}

} // namespace richtext
