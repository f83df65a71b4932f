#pragma once

#include <QList>
#include <QString>

namespace richtext {

// The target of a HYPERLINK field instruction: its address, "#name" for a
// place in the document, or empty for any other field.
QString hyperlinkTarget(QStringView instruction);

// The fields being read, innermost last, with their instructions.
class FieldStack
{
public:
    void begin() { m_instructions.append(QString()); }
    void end();
    void appendInstruction(QStringView text);
    // The hyperlink of the innermost field, or empty.
    QString hyperlink() const;

private:
    static constexpr qsizetype maxInstructionLength = 2048;
    QList<QString> m_instructions;
};

} // namespace richtext
