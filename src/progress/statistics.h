#pragma once

#include "records/smokefreetime.h"

#include <QString>

#include <optional>

struct QuitProfile;

// The savings and the life gained, derived from the smoke-free time as the
// counter shows it and from the habit the user described. Seconds never count.
namespace statistics {

inline constexpr int smokingMinutesPerCigarette = 5;
inline constexpr int lifeMinutesPerCigarette = 11;

// Cigarettes not smoked: the cigarettes a day spread evenly over the day's
// minutes, the fraction cut off. Worked out in whole minutes, so a moment
// that is exactly a whole cigarette counts that cigarette (5 a day at
// 4 hours 48 minutes is 1, where a floating-point sum of days, hours and
// minutes comes out a hair short of it).
qint64 notSmoked(const SmokeFreeTime &shown, int cigarettesPerDay);

// The money per day as stored: a decimal number with "." as separator
// whatever the region, blanks around it allowed. Anything else is not money.
std::optional<double> moneyFromText(const QString &text);

// Rounds to whole cents, an exact half to the even cent. Whether an amount is
// an exact half is judged on its decimal form to fifteen significant digits,
// the digits a double holds reliably: 2.675 typed by the user is a half and
// becomes 2.68, although the nearest double lies just below it.
double roundToCents(double amount);

// Money saved: the money per day for every whole day and its share for every
// whole hour; minutes do not count. Nothing when the money per day is not a
// number or the amount is out of range.
std::optional<double> moneySaved(const SmokeFreeTime &shown, const QString &moneyPerDay);

// The four sentences of the counter panel. money is empty when the money per
// day cannot be read: the caller then leaves the old sentence standing.
struct Sentences
{
    QString cigarettes;
    QString minutes;
    QString money;
    QString life;
};

Sentences sentences(const SmokeFreeTime &shown, const QuitProfile &profile);

} // namespace statistics
