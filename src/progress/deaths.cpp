#include "progress/deaths.h"

#include <QCoreApplication>

namespace {

struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(Deaths)
};

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
    return Texts::tr("There have been %1 smoking related deaths since you stopped smoking.")
        .arg(QString::number(smokingDeaths(shown)));
}
