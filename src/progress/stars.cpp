#include "progress/stars.h"

#include "progress/statistics.h"

#include <algorithm>

namespace stars {
namespace {

enum class Measure { Days, NotSmoked, LifeMinutes };

// A milestone is passed when the measure is greater than its threshold.
struct Milestone
{
    Measure measure;
    qint64 threshold;
};

// Stars 2 to 10, in the order of the list of stars.
constexpr Milestone milestones[total - 1] = {
    {Measure::Days, 0},           // 24 hours
    {Measure::Days, 1},           // taste and smell back
    {Measure::NotSmoked, 99},     // 100 cigarettes
    {Measure::LifeMinutes, 1440}, // a day of life
    {Measure::Days, 6},           // a week
    {Measure::NotSmoked, 499},    // 500 cigarettes
    {Measure::Days, 31},          // a month
    {Measure::NotSmoked, 999},    // 1000 cigarettes
    {Measure::Days, 364},         // a year
};

qint64 measured(Measure measure, qint64 days, qint64 notSmoked)
{
    switch (measure) {
    case Measure::Days:
        return days;
    case Measure::NotSmoked:
        return notSmoked;
    case Measure::LifeMinutes:
        return notSmoked * statistics::lifeMinutesPerCigarette;
    }
    return 0;
}

} // namespace

Earned earned(qint64 days, qint64 notSmoked)
{
    Earned result{};
    result[0] = true;
    for (int i = 0; i < total - 1; ++i)
        result[i + 1] = measured(milestones[i].measure, days, notSmoked) > milestones[i].threshold;
    return result;
}

int rowPictures(const Earned &earned)
{
    return static_cast<int>(std::count(earned.begin() + 1, earned.end(), true)) + 1;
}

} // namespace stars
