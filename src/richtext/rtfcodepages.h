#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <map>

namespace richtext {

// The code page a font's \fcharset stands for; 0 where the font uses the
// document's code page.
int codePageOfCharset(int charset);

// Turns the bytes of \'hh escapes and 8-bit text into characters, in the
// code page the document or the font names.
class CodePageDecoder
{
public:
    static constexpr int defaultCodePage = 1252;

    QString decode(QByteArrayView bytes, int codePage);

private:
    std::map<const char *, QStringDecoder> m_decoders;
};

} // namespace richtext
