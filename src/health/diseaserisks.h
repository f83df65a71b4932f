#pragma once

#include "records/smokefreetime.h"

#include <QString>

#include <span>

// How far the chance of four smoking diseases has come down since the stop:
// a percentage that grows by a fixed rate per smoke-free day until the risk
// is back to that of a non-smoker.
namespace diseaserisks {

struct Disease
{
    const char *captionName; // the fixed label in front of the value
    const char *caption;     // translatable, context "DiseasePanel"
    const char *valueName;   // the label that shows the percentage
    const char *description; // what the value means, for a screen reader; translatable as the caption
    int greenShade;          // the value's text colour is RGB 0, shade, 0
    double percentPerDay;
    qint64 normalAfterDays; // strictly more whole days than this and the risk is normal
};

// The four rows, top to bottom: heart attack, stroke, lung cancer, common sickness.
std::span<const Disease> diseases();

// The smoke-free time in days, the parts added up from the whole days down.
double smokeFreeDays(const SmokeFreeTime &time);

// What the value label of a row shows: the reduction in percent, rounded to
// seven decimals in the regional number form with "%" right after it, or
// "RISK NORMAL" once the disease's limit is passed.
QString riskText(const Disease &disease, const SmokeFreeTime &time);

} // namespace diseaserisks
