#pragma once

#include <QDate>
#include <QDateTime>

#include <optional>

// The nudge before the user's usual craving hour: the one next moment to show
// it, for a single-shot timer.
namespace journey {

// Shown so long before the usual hour begins.
constexpr int reminderLeadSeconds = 10 * 60;
// Only with so many cravings in the days the usual hour is counted over.
constexpr int minimumCravingsForReminder = 10;

struct ReminderFacts
{
    bool enabled = false;
    int cravingsInDays = 0;       // Summary::cravingsInDays
    std::optional<int> usualHour; // Summary::usualHour, a local hour from 0 to 23
    QDate lastShown;              // the local date it last showed; none when it never did
};

// The next moment at or after NOW to show the reminder: reminderLeadSeconds
// before the usual hour begins on the local clock, on a day it has not shown
// yet (by the local date of that moment). Within those minutes themselves it
// is NOW, so that a program started late still reminds before the hour. None
// when the reminder is off or there is nothing to remind of. Across a change
// of summer time the hour is that of the clock on the day: where the clocks
// skip it, the moment is taken as far before the first moment after the gap,
// and where they pass it twice, before the first time.
std::optional<QDateTime> nextReminder(const ReminderFacts &facts, const QDateTime &now);

} // namespace journey
