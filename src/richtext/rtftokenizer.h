#pragma once

#include <QByteArrayView>

namespace richtext {

struct RtfToken
{
    enum class Kind { End, GroupStart, GroupEnd, ControlWord, ControlSymbol, HexByte, Text };

    Kind kind = Kind::End;
    // The control word's name (empty when it was too long to be a word we
    // know), or a run of plain text.
    QByteArrayView text;
    int parameter = 0;
    bool hasParameter = false;
    // The control symbol, or the byte a \'hh stands for.
    char byte = 0;
};

// Cuts RTF into tokens in a single pass over the bytes. Any bytes are
// tokens: numbers are clamped, over-long words are cut short and \binN skips
// at most what is left.
class RtfTokenizer
{
public:
    explicit RtfTokenizer(QByteArrayView bytes) : m_bytes(bytes) {}

    RtfToken next();

    static constexpr int maxWordLength = 32;

private:
    RtfToken controlWord();
    RtfToken controlSymbol();
    RtfToken text();
    int parameterDigits(bool negative);
    bool atEnd() const { return m_pos >= m_bytes.size(); }
    char peek() const { return m_bytes[m_pos]; }

    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
};

} // namespace richtext
