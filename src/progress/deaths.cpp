#include "progress/deaths.h"
#include "progress/progresstexts.h"

#include <QCoreApplication>

namespace {


constexpr qint64 deathsPerDay = 13000;
constexpr qint64 deathsPerHour = 541;
constexpr qint64 deathsPerMinute = 9;

} // namespace

qint64 smokingDeaths(const SmokeFreeTime &shown)
{
    return shown.hours * deathsPerHour + shown.days * deathsPerDay + shown.minutes * deathsPerMinute;
}

QString deathsSentence(const SmokeFreeTime &shown)
{
    // A whole number without separators, whatever the region.
    return ProgressTexts::tr("There have been %1 smoking related deaths since you stopped smoking.")
        .arg(QString::number(smokingDeaths(shown)));
}
