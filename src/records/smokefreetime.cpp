#include "records/smokefreetime.h"

#include "platform/regionalformats.h"
#include "records/recordstexts.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace {
constexpr int secondsPerDay = 24 * 60 * 60;
constexpr qint64 maxDays = std::numeric_limits<qint16>::max();

qint16 dayCount(const QDate &first, const QDate &second)
{
    return static_cast<qint16>(std::min(std::abs(first.daysTo(second)), maxDays));
}

} // namespace

qint16 GetDayCount(const QString &firstDate, const QString &secondDate)
{
    const auto first = regional::dateFromText(firstDate);
    const auto second = regional::dateFromText(secondDate);
    if (!first || !second)
        return 0;
    return dayCount(*first, *second);
}

SmokeFreeTime smokeFreeTime(const QString &stopDateText, const QTime &stopTime, const QDateTime &now)
{
    return smokeFreeTime(regional::dateFromText(stopDateText), stopTime, now);
}

SmokeFreeTime smokeFreeTime(const std::optional<QDate> &stopDate, const QTime &stopTime, const QDateTime &now)
{
    if (!stopDate || !stopTime.isValid())
        return {};
    const QDate today = now.date();
    const int stopSecond = stopTime.msecsSinceStartOfDay() / 1000;
    const int nowSecond = now.time().msecsSinceStartOfDay() / 1000;
    const bool stopTimeOfDayPassed = nowSecond >= stopSecond;
    if (today < *stopDate || (today == *stopDate && !stopTimeOfDayPassed))
        return {};

    const qint64 days = dayCount(*stopDate, today) - (stopTimeOfDayPassed ? 0 : 1);
    const int rest = (nowSecond - stopSecond + secondsPerDay) % secondsPerDay;
    return {std::max<qint64>(days, 0), rest / 3600, rest / 60 % 60, rest % 60};
}

QString stoppedAtSentence(const QDate &stopDate, const QTime &stopTime)
{
    const QString date = stopDate.isValid() ? regional::dateToText(stopDate)
                                            : RecordsTexts::tr("an unreadable date");
    const QString time = stopTime.isValid() ? regional::timeToText(stopTime)
                                            : RecordsTexts::tr("an unreadable time");
    return RecordsTexts::tr("You stopped smoking on ") + date +
           RecordsTexts::tr(" at ") + time;
}
