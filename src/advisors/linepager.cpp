#include "advisors/linepager.h"

#include "platform/clock.h"
#include "platform/randomsource.h"
#include "platform/textfiles.h"

QString LinePager::step(const QString &path)
{
    const textfiles::LineFile file = textfiles::readLines(path, {maxBytes, maxPages});
    // Only the lines kept count: a page past them would show nothing new.
    const int count = static_cast<int>(file.lines.size());
    if (!m_started) {
        m_random.seed(static_cast<quint32>(m_clock.secondsSinceMidnight()));
        m_position = m_random.pick(count);
        m_started = true;
    }
    if (count == 0)
        return QString();
    // The file may have shrunk since the last step: go on from its first line.
    if (m_position >= count)
        m_position = 0;
    const QString page = file.lines.at(m_position);
    m_position = (m_position + 1) % count;
    return page;
}
