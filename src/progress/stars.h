#pragma once

#include <QtGlobal>

#include <array>

// The ten stars: one for starting, nine for milestones of smoke-free days,
// cigarettes not smoked and life gained.
namespace stars {

inline constexpr int total = 10;

// Entry i tells whether star i + 1 is earned; the first star always is.
using Earned = std::array<bool, total>;

// Stars earned at a smoke-free day count and a number of cigarettes not
// smoked. A milestone counts once it is passed, not when it is reached: the
// month star comes on day 32, the star for a day of life at 131 cigarettes.
Earned earned(qint64 days, qint64 notSmoked);

// How many pictures of the star row show: the row fills from the left with
// one picture per earned star, whichever they are.
int rowPictures(const Earned &earned);

} // namespace stars
