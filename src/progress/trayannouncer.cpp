#include "progress/trayannouncer.h"
#include "progress/progresstexts.h"

#include <QCoreApplication>

namespace {


} // namespace

QString TrayAnnouncer::toolTip(const SmokeFreeTime &shown, const QString &moneySentence)
{
    const QString days = shown.days == 1 ? ProgressTexts::tr("1 day") : ProgressTexts::tr("%1 days").arg(shown.days);
    const QString hours = shown.hours == 1 ? ProgressTexts::tr("1 hour") : ProgressTexts::tr("%1 hours").arg(shown.hours);
    const QString time = ProgressTexts::tr("Smoke-free for %1 and %2").arg(days, hours);
    return moneySentence.isEmpty() ? time : time + u'\n' + moneySentence;
}

std::optional<QString> TrayAnnouncer::starsCounted(int earned, const QDateTime &now, bool windowInSight)
{
    const bool newStar = m_stars && earned > *m_stars;
    m_stars = earned;
    if (!newStar)
        return std::nullopt;
    return announce(ProgressTexts::tr("You have earned a new star!"), now, windowInSight);
}

std::optional<QString> TrayAnnouncer::milestoneSaid(const QString &message, const QDateTime &now, bool windowInSight)
{
    const bool newMessage = m_milestone && message != *m_milestone;
    m_milestone = message;
    if (!newMessage)
        return std::nullopt;
    return announce(message, now, windowInSight);
}

std::optional<QString> TrayAnnouncer::announce(const QString &text, const QDateTime &now, bool windowInSight)
{
    if (windowInSight)
        return std::nullopt;
    // A clock set back must not silence the tray for good.
    if (m_lastNotified.isValid() && now >= m_lastNotified && m_lastNotified.secsTo(now) < quietSeconds)
        return std::nullopt;
    m_lastNotified = now;
    return text;
}
