#include "moment/reminder.h"

#include "cravinglog/isotime.h"
#include "cravinglog/journeytext.h"

#include <algorithm>

namespace journey {

std::optional<QDateTime> nextReminder(const ReminderFacts &facts, const QDateTime &now)
{
    if (!facts.enabled || facts.cravingsInDays < minimumCravingsForReminder || !facts.usualHour ||
        *facts.usualHour < 0 || *facts.usualHour >= hoursPerDay)
        return std::nullopt;
    const QTimeZone zone = isotime::localZone();
    const QDate today = isotime::toLocal(now, zone).date();
    // The hour of today, tomorrow or the day after: one of them has not come
    // yet and has not been reminded of (the hour just after midnight is
    // reminded of the evening before).
    for (int day = 0; day <= 2; ++day) {
        const QDateTime hour = isotime::firstMomentAt(today.addDays(day), QTime(*facts.usualHour, 0), zone);
        if (hour <= now)
            continue;
        const QDateTime moment = std::max(hour.addSecs(-reminderLeadSeconds), now);
        if (isotime::toLocal(moment, zone).date() != facts.lastShown)
            return isotime::toLocal(moment, zone);
    }
    return std::nullopt;
}

} // namespace journey
