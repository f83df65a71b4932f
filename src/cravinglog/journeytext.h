#pragma once

#include <QString>

// What the journey's files, figures and sentences share: the units of time
// its runs are told in, and its words.
namespace journey {

constexpr qint64 secondsPerHour = 60 * 60;
constexpr qint64 hoursPerDay = 24;
constexpr qint64 secondsPerDay = hoursPerDay * secondsPerHour;

// The journey's words in the user's language, translated in the context
// "journey", called as tr() is (lupdate takes it for tr): N picks the plural
// form of a text with %n.
QString journeyText(const char *source, const char *disambiguation = nullptr, qint64 n = -1);

// "D days and H hours" of the whole hours in SECONDS, each part in its own
// plural form.
QString daysAndHours(qint64 seconds);

} // namespace journey
