#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// The smoke-free time as the counter shows it: whole days, then the hours,
// minutes and seconds of the current smoke-free day.
struct SmokeFreeTime
{
    qint64 days = 0;
    int hours = 0;
    int minutes = 0;
    int seconds = 0;

    bool operator==(const SmokeFreeTime &) const = default;
};

// Calendar days between two dates written in the regional short-date form,
// time of day ignored, never negative. The result is a 16-bit count, so a
// distance beyond 32767 days stays at 32767. A text that is not a date
// gives 0.
qint16 GetDayCount(const QString &firstDate, const QString &secondDate);

// The wall-clock distance from the stop moment to now: the calendar-day
// difference times 24 hours plus the difference of the times of day. Counting
// by calendar and time of day keeps a daylight-saving change from shifting the
// display by an hour. A clock before the stop moment, or a stop date that
// cannot be read, gives zero.
SmokeFreeTime smokeFreeTime(const QString &stopDateText, const QTime &stopTime, const QDateTime &now);
// The same from the stop date as read from its text once: the counter's tick
// runs every second and need not read the date again each time.
SmokeFreeTime smokeFreeTime(const std::optional<QDate> &stopDate, const QTime &stopTime, const QDateTime &now);

// The sentence that states the stop moment: "You stopped smoking on " + date +
// " at " + time. A stored date or time that could not be read is said to be
// unreadable instead of leaving a blank.
QString stoppedAtSentence(const QDate &stopDate, const QTime &stopTime);
