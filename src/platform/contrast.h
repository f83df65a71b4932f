#pragma once

#include <QColor>

class QFont;

// How well a text stands out from what lies behind it, as WCAG 2.1 measures it.
namespace contrast {

// The relative luminance: 0 for black, 1 for white.
double luminance(const QColor &colour);
// From 1 (the same) to 21 (black on white), whichever of the two is lighter.
double ratio(const QColor &first, const QColor &second);
// What a text of this font needs: 3 for large text (18 pt, or 14 pt bold), 4.5 for the rest.
double required(const QFont &font);
// The colour, its hue kept, made lighter (or darker, on a light background)
// until it stands out by at least the ratio asked for; unchanged when it does already.
QColor lifted(const QColor &colour, const QColor &background, double least);

} // namespace contrast
