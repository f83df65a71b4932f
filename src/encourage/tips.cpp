#include "encourage/tips.h"

#include "platform/randomsource.h"
#include "platform/textfiles.h"
#include "encourage/encouragetexts.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace {


constexpr int quietMinutes = 10;

QString shortened(const QString &line, qsizetype length)
{
    if (line.size() <= length)
        return line;
    // Never cut a character in half.
    if (line.at(length - 1).isHighSurrogate())
        --length;
    return line.left(length);
}

} // namespace

void TipList::load(const QString &path)
{
    textfiles::ReadLimits limits;
    limits.maxKeptLines = capacity;
    const textfiles::LineFile file = textfiles::readLines(path, limits);
    // The count is a 16-bit number; a file of more lines stays at its top.
    m_count = static_cast<qint16>(std::min<qsizetype>(file.lineCount, std::numeric_limits<qint16>::max()));
    for (qsizetype i = 0; i < file.lines.size() && i < capacity; ++i)
        m_entries[i] = shortened(file.lines.at(i), maxTipLength);
}

QString TipList::entry(int k) const
{
    if (k < 1 || k > capacity)
        return QString();
    return m_entries[k - 1];
}

std::optional<QString> TipList::draw(RandomSource &random, const QString &fallback) const
{
    // A draw is made whatever the count, so the draws that follow stay the
    // same; with no lines it takes entry 1.
    int k = 1;
    if (m_count > 0)
        k = random.pick(m_count) + 1;
    else
        random.next();
    if (k > capacity)
        return std::nullopt;
    const QString &tip = m_entries[k - 1];
    return tip.isEmpty() ? fallback : tip;
}

bool tipsAllowed(const SmokeFreeTime &shown)
{
    return !(shown.days < 1 && shown.hours < 1 && shown.minutes < quietMinutes);
}

QString coachFallback()
{
    return EncourageTexts::tr("Don't let the nicotine control you!");
}

QString professorFallback()
{
    return EncourageTexts::tr("Good luck. ");
}
