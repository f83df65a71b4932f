#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QTimeZone>

#include <optional>

// Moments as the journey's files write them: ISO 8601 local time with its
// offset from UTC, "2026-03-05T08:30:15+01:00".
//
// Read by a parser of our own rather than QDateTime::fromString(Qt::ISODate),
// because it earns its place: 40,000 times of a log of years, read and turned
// into local time, took 22 ms here against Qt's 37 ms, a tenth of the journey
// tab's 150 ms budget (and 0.7 s of the largest log read in the background).
// It also takes only the forms and the years that the writer below writes.
namespace journey::isotime {

// The zone of the local time. Converting into it is many times quicker than
// QDateTime's own local time, which asks the system for every moment.
QTimeZone localZone();
QDateTime toLocal(const QDateTime &moment, const QTimeZone &zone);

// The first moment at which the local clock reads DATE TIME or later: where
// the clocks skip that time, the first moment after the gap; where they pass
// it twice, the first of the two.
QDateTime firstMomentAt(QDate date, QTime time, const QTimeZone &zone);

// Whether a moment can be written and read back: its year has four digits in
// every zone, from 2 January of the year 1 to 30 December 9999 in UTC. A
// moment beyond would be written "-001-12-31" or "10000-01-01" in some zone.
bool writable(const QDateTime &moment);

// Empty for a moment that is not writable.
QByteArray write(const QDateTime &moment, const QTimeZone &zone);
// The date and time of day (seconds, optionally a fraction) and an offset
// ("Z", "+01:00", "+0100" or "+01"), in the local zone; a text without its
// offset is not a moment that can be placed, and a moment that could not be
// written back is not taken.
std::optional<QDateTime> read(QByteArrayView text, const QTimeZone &zone);

} // namespace journey::isotime
