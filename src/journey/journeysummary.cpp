#include "journey/journeysummary.h"

#include "cravinglog/cravingrecords.h"
#include "cravinglog/csvscanner.h"
#include "cravinglog/isotime.h"
#include "cravinglog/journeytext.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>

namespace journey {

namespace {

// What is left, rounded up to the next whole hour: a run a few minutes short
// of the longest is never said to need no time at all.
QString daysAndHoursLeft(qint64 seconds)
{
    return daysAndHours((seconds + secondsPerHour - 1) / secondsPerHour * secondsPerHour);
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

// A spreadsheet takes a cell that begins with one of these for a formula, or
// drops the tab or CR before one; a quote in front keeps the cell text.
QString asSpreadsheetText(const QString &text)
{
    static constexpr QStringView formulaStarts = u"=+-@\t\r";
    return !text.isEmpty() && formulaStarts.contains(text.front()) ? u'\'' + text : text;
}

// The median of VALUES, which it reorders; the mean of the middle two of an
// even count.
double median(QList<int> &values)
{
    const qsizetype middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + middle, values.end());
    const int upper = values.at(middle);
    if (values.size() % 2 == 1)
        return upper;
    const int lower = *std::max_element(values.begin(), values.begin() + middle);
    return (double(lower) + upper) / 2;
}

// The hour with the most cravings, the earliest in a tie.
std::optional<int> busiestHour(const HourCounts &hours, int cravings)
{
    if (cravings < minimumCravingsForHour)
        return std::nullopt;
    int busiest = 0;
    int most = -1;
    for (int hour = 0; hour < int(hours.size()); ++hour) {
        int count = 0;
        for (const int weekday : hours.at(hour))
            count += weekday;
        if (count > most) {
            most = count;
            busiest = hour;
        }
    }
    return busiest;
}

// The cravings' figures, counted as the cravings are read.
class CravingTally
{
public:
    // ATTEMPT_START: when the current attempt began, or none when it cannot be told.
    CravingTally(const QDateTime &now, const QDateTime &attemptStart)
        : m_zone(isotime::localZone()), m_nowMSecs(now.toMSecsSinceEpoch()),
          m_attemptStart(attemptStart.isValid() ? std::optional(attemptStart.toMSecsSinceEpoch()) : std::nullopt),
          m_firstDay(isotime::toLocal(now, m_zone).date().addDays(1 - daysShown)),
          // Only what lies near the days shown needs its local date, which is the costly part.
          m_windowStartMSecs(m_nowMSecs - (daysShown + 2) * secondsPerDay * 1000), m_strengthSums(daysShown),
          m_triggerCounts(triggerNames().size())
    {
        for (int day = 0; day < daysShown; ++day)
            m_days.append({m_firstDay.addDays(day)});
    }

    void add(const Craving &craving)
    {
        if (const qsizetype trigger = triggerIndex(craving.trigger); trigger < m_triggerCounts.size())
            ++m_triggerCounts[trigger];
        m_helped.add(craving);
        const qint64 mSecs = craving.time.toMSecsSinceEpoch();
        if (craving.outcome == Outcome::Smoked && m_attemptStart && mSecs >= *m_attemptStart)
            ++m_slips;
        // A craving later than now, from a clock that was set back, is in no day.
        if (mSecs > m_nowMSecs || mSecs < m_windowStartMSecs)
            return;
        const QDateTime local = isotime::toLocal(craving.time, m_zone);
        const qint64 day = m_firstDay.daysTo(local.date());
        if (day < 0 || day >= daysShown)
            return;
        DayCount &count = m_days[day];
        ++count.cravings;
        m_strengthSums[day] += craving.strength;
        if (craving.outcome == Outcome::Passed)
            ++count.passed;
        ++m_hours[local.time().hour()][local.date().dayOfWeek() - 1];
        if (craving.seconds)
            m_durations.append(*craving.seconds);
    }

    // Into the summary; with the cravings unreadable, the days stay empty.
    void fill(Summary &summary, const CravingLog &counts)
    {
        summary.unreadableCravingRows = counts.unreadableRows;
        summary.cravingsProblems = counts.problems;
        summary.days = m_days;
        if (!counts.readable) {
            for (DayCount &day : summary.days)
                day = {day.date};
            return;
        }
        for (int day = 0; day < daysShown; ++day) {
            DayCount &count = summary.days[day];
            if (count.cravings > 0)
                count.meanStrength = double(m_strengthSums.at(day)) / count.cravings;
            summary.cravingsInDays += count.cravings;
            summary.passedInDays += count.passed;
        }
        for (qsizetype i = 0; i < m_triggerCounts.size(); ++i) {
            if (m_triggerCounts.at(i) > 0)
                summary.triggers.append({triggerNames().at(i).trigger, m_triggerCounts.at(i)});
        }
        std::stable_sort(summary.triggers.begin(), summary.triggers.end(),
                         [](const TriggerCount &a, const TriggerCount &b) { return a.count > b.count; });
        summary.hours = m_hours;
        summary.usualHour = busiestHour(m_hours, summary.cravingsInDays);
        summary.durationsInDays = int(m_durations.size());
        if (m_durations.size() >= minimumDurations)
            summary.medianSeconds = median(m_durations);
        summary.helped = m_helped;
        summary.slipsThisAttempt = m_slips;
    }

private:
    QTimeZone m_zone;
    qint64 m_nowMSecs;
    std::optional<qint64> m_attemptStart;
    QDate m_firstDay;
    qint64 m_windowStartMSecs;
    QList<DayCount> m_days;
    QList<int> m_strengthSums;
    QList<int> m_triggerCounts;
    HourCounts m_hours = {};
    // The durations of the days shown: no more than the cravings of a month.
    QList<int> m_durations;
    WhatHelped m_helped;
    int m_slips = 0;
};

Summary summaryOf(const QList<Attempt> &pastAttempts, const Attempt &current, CravingTally &tally,
                  const CravingLog &counts)
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
    tally.fill(summary, counts);
    return summary;
}

// The first moment of the next day: midnight, or where the clocks skip it,
// the first moment of the day that there is, and where they pass it twice,
// the first of the two.
qint64 secondsToNextDay(const QDateTime &now, const QTimeZone &zone)
{
    const QDate nextDay = isotime::toLocal(now, zone).date().addDays(1);
    return now.secsTo(isotime::firstMomentAt(nextDay, QTime(0, 0), zone));
}

QString hourOfDay(int hour)
{
    return journeyText("%1:00").arg(hour % hoursPerDay, 2, 10, QLatin1Char('0'));
}

// What the cravings tell beyond their count: what helped, how long they
// last, when they come, and the slips of this attempt.
QStringList cravingSentences(const Summary &summary)
{
    QStringList lines;
    if (const std::optional<StepCount> best = summary.helped.bestOverall())
        lines << journeyText("What helped most: %1, %2 of %3 passed.")
                     .arg(copingStepCaption(best->step))
                     .arg(best->passed)
                     .arg(best->ticked);
    else
        lines << journeyText("Tick what you did when you log a craving, and Clearwind will show what helps you most.");
    if (summary.medianSeconds) {
        // Whole minutes, rounded up: half of them were over by then.
        const int minutes = std::max(1, int(std::ceil(*summary.medianSeconds / 60)));
        lines << journeyText("Half of your cravings were over within %n minute(s).", nullptr, minutes);
    }
    if (summary.usualHour)
        lines << journeyText("Most cravings come between %1 and %2.")
                     .arg(hourOfDay(*summary.usualHour), hourOfDay(*summary.usualHour + 1));
    if (summary.slipsThisAttempt > 0)
        lines << journeyText("Slips in this attempt: %n", nullptr, summary.slipsThisAttempt);
    return lines;
}

} // namespace

Summary summarize(const QList<Attempt> &pastAttempts, const Attempt &current, const CravingLog &cravings,
                  const QDateTime &now)
{
    CravingTally tally(now, current.readable ? current.start : QDateTime());
    for (const Craving &craving : cravings.cravings)
        tally.add(craving);
    return summaryOf(pastAttempts, current, tally, cravings);
}

Summary readSummary(const QString &historyFolder, const CravingFile &cravings, const Attempt &current,
                    const QDateTime &now, const std::atomic<bool> *stop)
{
    CravingTally tally(now, current.readable ? current.start : QDateTime());
    const CravingLog counts = cravings.read([&tally](const Craving &craving) { tally.add(craving); }, stop);
    if (stop && stop->load(std::memory_order_relaxed))
        return {};
    return summaryOf(readPastAttempts(historyFolder, now.date()), current, tally, counts);
}

QStringList sentences(const Summary &summary)
{
    QStringList lines;
    // Only runs that can be told count; a copy that cannot be read is listed in the charts.
    lines << journeyText("Attempts so far: %n", nullptr,
                         std::count_if(summary.attempts.begin(), summary.attempts.end(),
                                       [](const Attempt &attempt) { return attempt.readable || attempt.current; }));
    const qint64 longest = summary.longestIndex >= 0 ? summary.attempts.at(summary.longestIndex).seconds : 0;
    lines << journeyText("Longest smoke-free run: %1").arg(daysAndHours(longest));
    const Attempt *current = currentOf(summary);
    const qint64 thisRun = current && current->readable ? current->seconds : 0;
    lines << journeyText("This attempt: %1").arg(daysAndHours(thisRun));
    const qint64 longestPast = longestPastRun(summary);
    if (thisRun >= longestPast)
        lines << journeyText("This is your longest run yet.");
    else
        lines << journeyText("%1 to beat your longest run.").arg(daysAndHoursLeft(longestPast - thisRun));
    if (!summary.cravingsProblems.isEmpty()) {
        lines << journeyText("Your cravings could not be read.");
    } else if (summary.cravingsInDays == 0) {
        lines << journeyText("No cravings logged in the last %1 days.").arg(daysShown);
    } else {
        const int passedPercent = qRound(100.0 * summary.passedInDays / summary.cravingsInDays);
        lines << journeyText("Cravings logged in the last %1 days: %n. %2% passed without a cigarette.", nullptr,
                             summary.cravingsInDays)
                     .arg(daysShown)
                     .arg(passedPercent);
    }
    if (summary.cravingsProblems.isEmpty())
        lines << cravingSentences(summary);
    return lines;
}

qint64 secondsToNextChange(const Summary &summary, const QDateTime &now)
{
    qint64 wait = secondsToNextDay(now, isotime::localZone());
    const Attempt *current = currentOf(summary);
    const qint64 thisRun = current && current->readable ? current->seconds : 0;
    wait = std::min(wait, secondsPerHour - thisRun % secondsPerHour);
    if (const qint64 behind = longestPastRun(summary) - thisRun; behind > 0 && behind % secondsPerHour > 0)
        wait = std::min(wait, behind % secondsPerHour);
    return std::max<qint64>(wait, 1);
}

Spreadsheet spreadsheetCsv(const QList<Attempt> &attempts, const CravingFile &cravings)
{
    const QTimeZone zone = isotime::localZone();
    Spreadsheet sheet{attemptsCsv(attempts, zone) + "\r\n" + cravingsHeader(), {}};
    const CravingLog counts = cravings.read([&sheet, &zone](Craving craving) {
        craving.note = asSpreadsheetText(craving.note);
        sheet.csv += cravingRecord(craving, zone);
    });
    if (!counts.readable)
        return {QByteArray(), counts.problems};
    return sheet;
}

} // namespace journey
