#pragma once

#include <QByteArray>
#include <QStringView>

namespace richtext {

// RTF as it is written: control words, groups and text, with every
// character outside ASCII as \uN and a "?" for readers that cannot take it.
class RtfOutput
{
public:
    void word(const char *name);
    void word(const char *name, int parameter);
    void open();
    // Opens a group that names its destination; a starred one is skipped by
    // readers that do not know it.
    void open(const char *destination, bool starred = false);
    void close();
    // A byte as \'hh.
    void hexByte(int value);
    // Text in the document: braces and backslashes escaped, tabs and line
    // breaks as their words, characters that cannot stand in a paragraph left out.
    void text(QStringView text);
    // Literal bytes, written as they stand.
    void raw(QByteArrayView bytes);
    void newLine();

    const QByteArray &bytes() const { return m_bytes; }

private:
    void character(char16_t c);

    QByteArray m_bytes;
    bool m_afterWord = false; // text must be kept apart from the word before it
};

} // namespace richtext
