#include "cravinglog/journeytext.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace journey {

QString journeyText(const char *source, const char *disambiguation, qint64 n)
{
    return QCoreApplication::translate("journey", source, disambiguation,
                                       int(std::min<qint64>(n, std::numeric_limits<int>::max())));
}

QString daysAndHours(qint64 seconds)
{
    return journeyText("%1 and %2")
        .arg(journeyText("%n day(s)", nullptr, seconds / secondsPerDay),
             journeyText("%n hour(s)", nullptr, seconds % secondsPerDay / secondsPerHour));
}

} // namespace journey
