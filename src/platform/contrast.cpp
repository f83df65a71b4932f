#include "platform/contrast.h"

#include <QFont>

#include <algorithm>
#include <cmath>

namespace contrast {

namespace {

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

constexpr double largePoints = 18;
constexpr double largeBoldPoints = 14;
constexpr double largeTextRatio = 3;
constexpr double textRatio = 4.5;
// Lightness in QColor's steps, 0 to 255.
constexpr int lightnessSteps = 255;

} // namespace

double luminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

double ratio(const QColor &first, const QColor &second)
{
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

double required(const QFont &font)
{
    const double points = font.pointSizeF();
    const bool large = points >= largePoints || (font.bold() && points >= largeBoldPoints);
    return large ? largeTextRatio : textRatio;
}

QColor lifted(const QColor &colour, const QColor &background, double least)
{
    if (ratio(colour, background) >= least)
        return colour;
    const QColor hsl = colour.toHsl();
    const bool lighter = luminance(background) < 0.5;
    const int step = lighter ? 1 : -1;
    for (int lightness = hsl.lightness() + step; lightness >= 0 && lightness <= lightnessSteps; lightness += step) {
        const QColor candidate = QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), lightness, colour.alpha()).toRgb();
        if (ratio(candidate, background) >= least)
            return candidate;
    }
    return lighter ? QColor(Qt::white) : QColor(Qt::black);
}

} // namespace contrast
