#include "health/diseaserisks.h"

#include "platform/regionalformats.h"
#include "health/healthtexts.h"

#include <QCoreApplication>

#include <cmath>

namespace diseaserisks {

namespace {

// Rates are percent per smoke-free day; at their limits they come to about
// 66 %, 50 %, 90 % and 50 %.
const Disease table[] = {
    {"Label22", QT_TRANSLATE_NOOP("HealthTexts", "Chance of having a heart attack"), "lblstatheart",
     QT_TRANSLATE_NOOP("HealthTexts", "Heart attack risk reduction"), 64, 0.012054, 5474},
    {"Label23", QT_TRANSLATE_NOOP("HealthTexts", "Chance of having a stroke"), "lblstrokerisk",
     QT_TRANSLATE_NOOP("HealthTexts", "Stroke risk reduction"), 128, 0.027397, 1820},
    {"Label24", QT_TRANSLATE_NOOP("HealthTexts", "Chance of lung cancer"), "lbllungcancerrisk",
     QT_TRANSLATE_NOOP("HealthTexts", "Lung cancer risk reduction"), 192, 0.024577, 3647},
    {"Label26", QT_TRANSLATE_NOOP("HealthTexts", "Chance of having a common sickness"), "lblsickchance",
     QT_TRANSLATE_NOOP("HealthTexts", "Common sickness risk reduction"), 255, 0.555555, 89},
};

constexpr double decimalsShown = 1e7;

} // namespace

std::span<const Disease> diseases()
{
    return table;
}

double smokeFreeDays(const SmokeFreeTime &time)
{
    double days = static_cast<double>(time.days);
    days += time.hours / 24.0;
    days += time.minutes / 1440.0;
    days += time.seconds / 86400.0;
    return days;
}

QString riskText(const Disease &disease, const SmokeFreeTime &time)
{
    if (time.days > disease.normalAfterDays)
        return HealthTexts::tr("RISK NORMAL");
    const double percent = std::round(smokeFreeDays(time) * disease.percentPerDay * decimalsShown) / decimalsShown;
    return regional::numberToText(percent) + QLatin1Char('%');
}

} // namespace diseaserisks
