#include "journey/journeysummary.h"

#include "journey/cravingrecords.h"
#include "journey/csvscanner.h"
#include "journey/isotime.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace journey {

namespace {

constexpr qint64 secondsPerHour = 60 * 60;
constexpr qint64 hoursPerDay = 24;
constexpr qint64 secondsPerDay = hoursPerDay * secondsPerHour;

QString translated(const char *text, qint64 count = -1)
{
    return QCoreApplication::translate("journey", text, nullptr,
                                       int(std::min<qint64>(count, std::numeric_limits<int>::max())));
}

// "D days and H hours", each part with its own plural form.
QString daysAndHours(qint64 days, qint64 hours)
{
    return translated("%1 and %2").arg(translated("%n day(s)", days), translated("%n hour(s)", hours));
}

QString wholeDaysAndHours(qint64 seconds)
{
    return daysAndHours(seconds / secondsPerDay, seconds % secondsPerDay / secondsPerHour);
}

// What is left, rounded up to the next whole hour: a run a few minutes short
// of the longest is never said to need no time at all.
QString daysAndHoursLeft(qint64 seconds)
{
    const qint64 hours = (seconds + secondsPerHour - 1) / secondsPerHour;
    return daysAndHours(hours / hoursPerDay, hours % hoursPerDay);
}

qsizetype triggerIndex(Trigger trigger)
{
    const QList<TriggerName> &names = triggerNames();
    const auto found = std::find_if(names.begin(), names.end(),
                                    [trigger](const TriggerName &name) { return name.trigger == trigger; });
    return found - names.begin();
}

const Attempt *currentOf(const Summary &summary)
{
    const auto found = std::find_if(summary.attempts.begin(), summary.attempts.end(),
                                    [](const Attempt &attempt) { return attempt.current; });
    return found == summary.attempts.end() ? nullptr : &*found;
}

qint64 longestPastRun(const Summary &summary)
{
    qint64 longest = 0;
    for (const Attempt &attempt : summary.attempts) {
        if (!attempt.current && attempt.readable)
            longest = std::max(longest, attempt.seconds);
    }
    return longest;
}

QByteArray attemptsCsv(const QList<Attempt> &attempts, const QTimeZone &zone)
{
    QByteArray csv = "attempt,start,end,days,hours,state,file\r\n";
    int number = 0;
    for (const Attempt &attempt : attempts) {
        const char *state = attempt.current ? "current" : attempt.readable ? "past" : "unreadable";
        const QByteArray days = attempt.readable ? QByteArray::number(attempt.seconds / secondsPerDay) : QByteArray();
        const QByteArray hours =
            attempt.readable ? QByteArray::number(attempt.seconds % secondsPerDay / secondsPerHour) : QByteArray();
        const QByteArray start = attempt.readable ? isotime::write(attempt.start, zone) : QByteArray();
        csv += QByteArray::number(++number) + ',' + start + ',' + isotime::write(attempt.end, zone) + ',' + days + ',' +
               hours + ',' + state + ',' + csv::field(attempt.fileName.toUtf8()) + "\r\n";
    }
    return csv;
}

} // namespace

Summary summarize(const QList<Attempt> &pastAttempts, const Attempt &current, const CravingLog &cravings,
                  const QDateTime &now)
{
    Summary summary;
    summary.attempts = pastAttempts;
    summary.attempts.append(current);
    qint64 longest = -1;
    for (qsizetype i = 0; i < summary.attempts.size(); ++i) {
        // At least as long: of equal runs the later one, the current one last of all.
        const Attempt &attempt = summary.attempts.at(i);
        if (attempt.readable && attempt.seconds >= longest) {
            longest = attempt.seconds;
            summary.longestIndex = i;
        }
    }

    const QTimeZone zone = isotime::localZone();
    const QDate today = isotime::toLocal(now, zone).date();
    const QDate firstDay = today.addDays(1 - daysShown);
    for (int day = 0; day < daysShown; ++day)
        summary.days.append({firstDay.addDays(day)});
    QList<int> strengthSums(daysShown);
    QList<int> triggerCounts(triggerNames().size());
    const qint64 nowMSecs = now.toMSecsSinceEpoch();
    // Only what lies near the days shown needs its local date, which is the costly part.
    const qint64 windowStartMSecs = nowMSecs - (daysShown + 2) * secondsPerDay * 1000;
    summary.unreadableCravingRows = cravings.unreadableRows;
    for (const Craving &craving : cravings.cravings) {
        if (const qsizetype trigger = triggerIndex(craving.trigger); trigger < triggerCounts.size())
            ++triggerCounts[trigger];
        const qint64 mSecs = craving.time.toMSecsSinceEpoch();
        // A craving later than now, from a clock that was set back, is in no day.
        if (mSecs > nowMSecs || mSecs < windowStartMSecs)
            continue;
        const qint64 day = firstDay.daysTo(isotime::toLocal(craving.time, zone).date());
        if (day < 0 || day >= daysShown)
            continue;
        DayCount &count = summary.days[day];
        ++count.cravings;
        strengthSums[day] += craving.strength;
        ++summary.cravingsInDays;
        if (craving.outcome == Outcome::Passed) {
            ++count.passed;
            ++summary.passedInDays;
        }
    }
    for (int day = 0; day < daysShown; ++day) {
        DayCount &count = summary.days[day];
        if (count.cravings > 0)
            count.meanStrength = double(strengthSums.at(day)) / count.cravings;
    }

    for (qsizetype i = 0; i < triggerCounts.size(); ++i) {
        if (triggerCounts.at(i) > 0)
            summary.triggers.append({triggerNames().at(i).trigger, triggerCounts.at(i)});
    }
    std::stable_sort(summary.triggers.begin(), summary.triggers.end(),
                     [](const TriggerCount &a, const TriggerCount &b) { return a.count > b.count; });
    return summary;
}

QStringList sentences(const Summary &summary)
{
    QStringList lines;
    lines << translated("Attempts so far: %n", summary.attempts.size());
    const qint64 longest = summary.longestIndex >= 0 ? summary.attempts.at(summary.longestIndex).seconds : 0;
    lines << translated("Longest smoke-free run: %1").arg(wholeDaysAndHours(longest));
    const Attempt *current = currentOf(summary);
    const qint64 thisRun = current && current->readable ? current->seconds : 0;
    lines << translated("This attempt: %1").arg(wholeDaysAndHours(thisRun));
    const qint64 longestPast = longestPastRun(summary);
    if (thisRun >= longestPast)
        lines << translated("This is your longest run yet.");
    else
        lines << translated("%1 to beat your longest run.").arg(daysAndHoursLeft(longestPast - thisRun));
    if (summary.cravingsInDays == 0) {
        lines << translated("No cravings logged in the last 30 days.");
    } else {
        const int passedPercent = qRound(100.0 * summary.passedInDays / summary.cravingsInDays);
        lines << translated("Cravings logged in the last 30 days: %n. %1% passed without a cigarette.",
                            summary.cravingsInDays)
                     .arg(passedPercent);
    }
    return lines;
}

qint64 secondsToNextChange(const Summary &summary, const QDateTime &now)
{
    const QDateTime local = isotime::toLocal(now, isotime::localZone());
    qint64 wait = local.secsTo(QDateTime(local.date().addDays(1), QTime(0, 0), local.timeZone()));
    const Attempt *current = currentOf(summary);
    const qint64 thisRun = current && current->readable ? current->seconds : 0;
    wait = std::min(wait, secondsPerHour - thisRun % secondsPerHour);
    if (const qint64 behind = longestPastRun(summary) - thisRun; behind > 0 && behind % secondsPerHour > 0)
        wait = std::min(wait, behind % secondsPerHour);
    return std::max<qint64>(wait, 1);
}

QByteArray spreadsheetCsv(const Summary &summary, const CravingLog &cravings)
{
    const QTimeZone zone = isotime::localZone();
    QByteArray csv = attemptsCsv(summary.attempts, zone);
    csv += "\r\n";
    csv += cravingsHeader();
    for (const Craving &craving : cravings.cravings)
        csv += cravingRecord(craving, zone);
    return csv;
}

} // namespace journey
