#include "richtext/rtftables.h"

#include "richtext/rtfcharacters.h"
#include "richtext/rtfcodepages.h"

#include <algorithm>

namespace richtext {

void FontTable::begin(int number)
{
    commit();
    m_pending = {};
    m_pendingNumber = number;
    m_open = true;
}

void FontTable::setCharset(int charset)
{
    m_pending.codePage = codePageOfCharset(charset);
}

void FontTable::setCodePage(int codePage)
{
    m_pending.codePage = codePage;
}

void FontTable::appendName(QStringView text)
{
    while (m_open && !text.isEmpty()) {
        const qsizetype end = text.indexOf(u';');
        const QStringView part = end < 0 ? text : text.first(end);
        m_pending.family += part.first(std::min(part.size(), maxNameLength - m_pending.family.size()));
        if (end < 0)
            return;
        commit();
        text = text.sliced(end + 1);
    }
}

void FontTable::commit()
{
    if (!m_open)
        return;
    m_pending.family = withoutNonText(m_pending.family).trimmed();
    m_fonts.insert(m_pendingNumber, m_pending);
    m_open = false;
}

QString FontTable::family(int number) const
{
    return m_fonts.value(number).family;
}

int FontTable::codePage(int number) const
{
    return m_fonts.value(number).codePage;
}

void ColorTable::setComponent(int component, int value)
{
    if (component < 0 || component > 2)
        return;
    m_components[component] = std::clamp(value, 0, 255);
    m_given = true;
}

void ColorTable::appendText(QByteArrayView text)
{
    for (const char c : text) {
        if (c != ';')
            continue;
        m_colors.append(m_given ? QColor(m_components[0], m_components[1], m_components[2]) : QColor());
        std::fill(std::begin(m_components), std::end(m_components), 0);
        m_given = false;
    }
}

QColor ColorTable::color(int index) const
{
    return m_colors.value(index);
}

} // namespace richtext
