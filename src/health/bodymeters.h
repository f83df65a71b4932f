#pragma once

#include "records/smokefreetime.h"

#include <QRect>
#include <QRectF>

#include <span>

// The body monitor's seven meters. Each marker climbs from the "smoker" end
// at the bottom of its scale to the "normal" end at the top as the smoke-free
// time grows, each meter over its own recovery span. Positions are in twips,
// 1/1440 of an inch, and become pixels only when a panel places them.
namespace bodymeters {

// The whole units of smoke-free time a meter counts in.
enum class Unit { Minutes, Hours, Days };

struct Meter
{
    const char *meterName;   // the scale picture
    const char *markerName;  // the bar that slides over it
    const char *description; // what the meter shows, for a screen reader; context "BodyMonitorPanel"
    const char *explanation; // what the doctor says while the mouse is over it; same context
    Unit unit;
    double risePerUnit;    // twips the marker climbs per whole unit
    qint64 fullAfterUnits; // strictly more whole units than this and the function is back to normal
};

// The seven meters, left to right: blood pressure, oxygen, carbon monoxide,
// taste and smell, energy, circulation, lung capacity.
std::span<const Meter> meters();

// The panel's own geometry, in twips.
namespace geometry {
inline constexpr double meterTop = 240;
inline constexpr double meterWidth = 450;
inline constexpr double meterHeight = 3000;
inline constexpr double meterSpacing = 840;
inline constexpr double markerHeight = 90;
// Where the markers stand before the monitor is first opened.
inline constexpr double markerStartTop = 3120;
// The marker's lower edge on the scale's lower edge.
inline constexpr double markerBottomTop = meterTop + meterHeight - markerHeight;

QRectF meterRect(int index, double firstMeterLeft);
QRectF markerRect(int index, double firstMeterLeft, double markerTop);
} // namespace geometry

// The marker's top edge: the scale's top when the meter is full, otherwise
// the bottom position less the rise. It depends on the smoke-free time alone.
double markerTop(const Meter &meter, const SmokeFreeTime &time);

// Twips to pixels at a given number of pixels per inch. A rectangle converts
// edge by edge, so shapes that share an edge in twips share it in pixels.
int twipsToPixels(double twips, double dotsPerInch);
QRect twipsToPixels(const QRectF &twips, double dotsPerInchX, double dotsPerInchY);
double pixelsToTwips(double pixels, double dotsPerInch);

} // namespace bodymeters
