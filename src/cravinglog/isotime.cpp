#include "cravinglog/isotime.h"

#include <cstdio>
#include <cstdlib>

namespace journey::isotime {

namespace {

constexpr int maxOffsetSeconds = 18 * 3600;

// The digits at [from, from + count) as a number; nullopt unless all are digits.
std::optional<int> digits(QByteArrayView text, qsizetype from, qsizetype count)
{
    if (from + count > text.size())
        return std::nullopt;
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const char c = text.at(i);
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// "Z", "+HH:MM", "+HHMM" or "+HH" up to the end of the text, in seconds east of UTC.
std::optional<int> offsetFrom(QByteArrayView text)
{
    if (text == "Z" || text == "z")
        return 0;
    if (text.isEmpty() || (text.front() != '+' && text.front() != '-'))
        return std::nullopt;
    const int sign = text.front() == '-' ? -1 : 1;
    const auto hours = digits(text, 1, 2);
    std::optional<int> minutes = 0;
    if (text.size() == 6 && text.at(3) == ':')
        minutes = digits(text, 4, 2);
    else if (text.size() == 5)
        minutes = digits(text, 3, 2);
    else if (text.size() != 3)
        return std::nullopt;
    if (!hours || !minutes || *minutes > 59)
        return std::nullopt;
    const int seconds = *hours * 3600 + *minutes * 60;
    if (seconds > maxOffsetSeconds)
        return std::nullopt;
    return sign * seconds;
}

} // namespace

QTimeZone localZone()
{
    return QTimeZone::systemTimeZone();
}

QDateTime toLocal(const QDateTime &moment, const QTimeZone &zone)
{
    return zone.isValid() ? moment.toTimeZone(zone) : moment.toLocalTime();
}

QDateTime firstMomentAt(QDate date, QTime time, const QTimeZone &zone)
{
    // Sought on the real timeline, where every moment is valid; no zone lies
    // more than a day from UTC. The clock reads a later time at every moment
    // after the first, since the clocks move by whole hours at a whole hour.
    const QDateTime wanted(date, time, Qt::UTC);
    constexpr qint64 day = 24 * 60 * 60;
    qint64 before = wanted.toSecsSinceEpoch() - day - 1;
    qint64 after = wanted.toSecsSinceEpoch() + day;
    while (after - before > 1) {
        const qint64 middle = before + (after - before) / 2;
        const QDateTime local = toLocal(QDateTime::fromSecsSinceEpoch(middle, Qt::UTC), zone);
        (QDateTime(local.date(), local.time(), Qt::UTC) < wanted ? before : after) = middle;
    }
    return toLocal(QDateTime::fromSecsSinceEpoch(after, Qt::UTC), zone);
}

bool writable(const QDateTime &moment)
{
    // A day from either end: no zone is a day away from UTC.
    static const QDateTime first(QDate(1, 1, 2), QTime(0, 0), Qt::UTC);
    static const QDateTime last(QDate(9999, 12, 30), QTime(23, 59, 59, 999), Qt::UTC);
    return moment.isValid() && moment >= first && moment <= last;
}

QByteArray write(const QDateTime &moment, const QTimeZone &zone)
{
    if (!writable(moment))
        return QByteArray();
    const QDateTime local = toLocal(moment, zone);
    const QDate date = local.date();
    const QTime time = local.time();
    const int offset = local.offsetFromUtc();
    const int offsetMinutes = std::abs(offset) / 60;
    char text[64];
    const int length = std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", date.year(),
                                     date.month(), date.day(), time.hour(), time.minute(), time.second(),
                                     offset < 0 ? '-' : '+', offsetMinutes / 60, offsetMinutes % 60);
    return QByteArray(text, length);
}

std::optional<QDateTime> read(QByteArrayView text, const QTimeZone &zone)
{
    // 2026-03-05T08:30:15
    constexpr qsizetype dateAndTime = 19;
    if (text.size() < dateAndTime + 1 || text.size() > 64 || text.at(4) != '-' || text.at(7) != '-' ||
        (text.at(10) != 'T' && text.at(10) != 't' && text.at(10) != ' ') || text.at(13) != ':' || text.at(16) != ':')
        return std::nullopt;
    const auto year = digits(text, 0, 4);
    const auto month = digits(text, 5, 2);
    const auto day = digits(text, 8, 2);
    const auto hour = digits(text, 11, 2);
    const auto minute = digits(text, 14, 2);
    const auto second = digits(text, 17, 2);
    if (!year || !month || !day || !hour || !minute || !second)
        return std::nullopt;
    qsizetype rest = dateAndTime;
    int milliseconds = 0;
    if (text.at(rest) == '.' || text.at(rest) == ',') {
        qsizetype end = rest + 1;
        while (end < text.size() && text.at(end) >= '0' && text.at(end) <= '9')
            ++end;
        if (end == rest + 1)
            return std::nullopt;
        const QByteArray fraction = (text.sliced(rest + 1, end - rest - 1).toByteArray() + "00").left(3);
        milliseconds = fraction.toInt();
        rest = end;
    }
    const auto offset = offsetFrom(text.sliced(rest));
    const QDate date(*year, *month, *day);
    const QTime time(*hour, *minute, *second, milliseconds);
    if (!offset || !date.isValid() || !time.isValid())
        return std::nullopt;
    const QDateTime moment =
        *offset == 0 ? QDateTime(date, time, Qt::UTC) : QDateTime(date, time, Qt::OffsetFromUTC, *offset);
    if (!writable(moment))
        return std::nullopt;
    return toLocal(moment, zone);
}

} // namespace journey::isotime
