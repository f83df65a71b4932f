#pragma once

#include <QColor>
#include <QHash>
#include <QList>
#include <QString>

namespace richtext {

// The fonts of the font table by number: family and code page.
class FontTable
{
public:
    void begin(int number);
    void setCharset(int charset);
    void setCodePage(int codePage);
    // The code page of the entry being read; 0 for the document's.
    int pendingCodePage() const { return m_pending.codePage; }
    // Name text; a ';' ends the entry.
    void appendName(QStringView text);
    // Keeps the entry being read, if any.
    void commit();

    QString family(int number) const;
    int codePage(int number) const;

private:
    struct Font
    {
        QString family;
        int codePage = 0;
    };

    static constexpr qsizetype maxNameLength = 128;

    QHash<int, Font> m_fonts;
    Font m_pending;
    int m_pendingNumber = 0;
    bool m_open = false;
};

// The colours of the colour table by index. An entry without components is
// the automatic colour: an invalid QColor.
class ColorTable
{
public:
    void setComponent(int component, int value);
    // Table text; each ';' ends an entry.
    void appendText(QByteArrayView text);

    QColor color(int index) const;

private:
    QList<QColor> m_colors;
    int m_components[3] = {0, 0, 0};
    bool m_given = false;
};

} // namespace richtext
