#include "health/bodymeters.h"
#include "health/healthtexts.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>

namespace bodymeters {

namespace {

// The rise per unit times the span comes close to the 3000-twip scale without
// always meeting it; the last step before full leaves the marker a little
// short of the top, or a little past it, until it jumps to the top.
// Counting in whole units of the total time is what makes "days > 0, or
// hours > 8" and "one day and some hours" simple thresholds: the counter's
// hours stay below 24 and its minutes below 60.
const Meter table[] = {
    {"m1", "i1", QT_TRANSLATE_NOOP("HealthTexts", "Blood pressure"),
     QT_TRANSLATE_NOOP("HealthTexts", "This is your blood pressure. If you don't smoke for 20 minutes your blood "
                                           "pressure will drop down to normal."),
     Unit::Minutes, 150, 19},
    {"m2", "i2", QT_TRANSLATE_NOOP("HealthTexts", "Oxygen level"),
     QT_TRANSLATE_NOOP("HealthTexts", "Oxigen level in your blood. The element of life. The higher these levels "
                                           "are, the more energy you have."),
     Unit::Hours, 375, 8},
    {"m3", "i3", QT_TRANSLATE_NOOP("HealthTexts", "Carbon monoxide level"),
     QT_TRANSLATE_NOOP("HealthTexts", "These are the carbon monoxide (a toxic gas) levels in your blood."),
     Unit::Hours, 125, 23},
    {"m4", "i4", QT_TRANSLATE_NOOP("HealthTexts", "Taste and smell"),
     QT_TRANSLATE_NOOP("HealthTexts", "Your sense of taste and smell. Your sense of taste and smell will return "
                                           "to a normal level after 2 days."),
     Unit::Hours, 62.5, 47},
    {"m5", "i5", QT_TRANSLATE_NOOP("HealthTexts", "Energy level"),
     QT_TRANSLATE_NOOP("HealthTexts", "Energy levels. Your bronchial tubes will relax after a while , so your "
                                           "energy levels will start to increase."),
     Unit::Days, 107, 27},
    {"m6", "i6", QT_TRANSLATE_NOOP("HealthTexts", "Blood circulation"),
     QT_TRANSLATE_NOOP("HealthTexts", "Blood circulation. To stay healthy, it is very important to have good "
                                           "blood circulation."),
     Unit::Days, 42.85, 70},
    {"m7", "i7", QT_TRANSLATE_NOOP("HealthTexts", "Lung capacity"),
     QT_TRANSLATE_NOOP("HealthTexts", "Lung capicity. coughs, wheezing and breathing problems will vanish as "
                                           "your lung capacity improves by 10-30%."),
     Unit::Days, 16.66, 180},
};

constexpr double twipsPerInch = 1440;

// Whole minutes, whole hours or whole days of the smoke-free time; never
// less than none, so a marker cannot sink below its scale.
qint64 elapsedUnits(Unit unit, const SmokeFreeTime &time)
{
    const qint64 hours = time.days * 24 + time.hours;
    qint64 units = 0;
    switch (unit) {
    case Unit::Minutes:
        units = hours * 60 + time.minutes;
        break;
    case Unit::Hours:
        units = hours;
        break;
    case Unit::Days:
        units = time.days;
        break;
    }
    return std::max<qint64>(units, 0);
}

} // namespace

std::span<const Meter> meters()
{
    return table;
}

QRectF geometry::meterRect(int index, double firstMeterLeft)
{
    return QRectF(firstMeterLeft + index * meterSpacing, meterTop, meterWidth, meterHeight);
}

QRectF geometry::markerRect(int index, double firstMeterLeft, double markerTop)
{
    return QRectF(firstMeterLeft + index * meterSpacing, markerTop, meterWidth, markerHeight);
}

double markerTop(const Meter &meter, const SmokeFreeTime &time)
{
    const qint64 units = elapsedUnits(meter.unit, time);
    if (units > meter.fullAfterUnits)
        return geometry::meterTop;
    return geometry::markerBottomTop - static_cast<double>(units) * meter.risePerUnit;
}

int twipsToPixels(double twips, double dotsPerInch)
{
    return static_cast<int>(std::lround(twips * dotsPerInch / twipsPerInch));
}

QRect twipsToPixels(const QRectF &twips, double dotsPerInchX, double dotsPerInchY)
{
    const int left = twipsToPixels(twips.left(), dotsPerInchX);
    const int top = twipsToPixels(twips.top(), dotsPerInchY);
    const int right = twipsToPixels(twips.left() + twips.width(), dotsPerInchX);
    const int bottom = twipsToPixels(twips.top() + twips.height(), dotsPerInchY);
    return QRect(left, top, right - left, bottom - top);
}

double pixelsToTwips(double pixels, double dotsPerInch)
{
    return dotsPerInch > 0 ? pixels * twipsPerInch / dotsPerInch : 0;
}

} // namespace bodymeters
