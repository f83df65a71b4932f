#pragma once

#include "records/smokefreetime.h"

#include <QDateTime>
#include <QString>

#include <optional>

// What the tray icon tells of the running quit: a tool tip with the
// smoke-free days and hours and the money saved, and a desktop notification
// for a new star or a new milestone message while the window is out of sight,
// at most one a minute.
class TrayAnnouncer
{
public:
    static constexpr int quietSeconds = 60;

    static QString toolTip(const SmokeFreeTime &shown, const QString &moneySentence);

    // The text to notify, if any, when the stars earned are counted. The
    // first count only learns where the user stands.
    std::optional<QString> starsCounted(int earned, const QDateTime &now, bool windowInSight);
    // Likewise when the companion's milestone message is worked out.
    std::optional<QString> milestoneSaid(const QString &message, const QDateTime &now, bool windowInSight);

private:
    std::optional<QString> announce(const QString &text, const QDateTime &now, bool windowInSight);

    std::optional<int> m_stars;
    std::optional<QString> m_milestone;
    QDateTime m_lastNotified;
};
