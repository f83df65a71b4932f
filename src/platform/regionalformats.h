#pragma once

#include <QDate>
#include <QString>
#include <QTime>

#include <optional>

// Dates, times and numbers as the user's regional settings write them.
//
// Qt's short date form may have a two-digit year, which reads back as 19xx,
// and its long time form carries a time-zone token, which does not read back
// at all. So dates are written with a four-digit year and times without the
// zone; reading takes exactly what writing produces, and ISO 8601 as well, so
// a stored date survives a change of the regional settings.
namespace regional {

QString shortDateFormat();
QString longTimeFormat();

QString dateToText(const QDate &date);
QString timeToText(const QTime &time);
QString dateTimeToText(const QDateTime &moment);

std::optional<QDate> dateFromText(const QString &text);
// A date stored by an older copy, whose short form may have had a two-digit
// year ("3/3/26"): such a year reads as the nearest one not after the year
// given. What dateFromText reads, this reads the same.
std::optional<QDate> storedDateFromText(const QString &text, int notAfterYear);
std::optional<QTime> timeFromText(const QString &text);

// The general number form: regional decimal separator, no thousands
// separator, no trailing zeros, no exponent.
QString numberToText(double value);
QString integerToText(qint64 value);

// A whole number in plain digits, optionally signed and surrounded by
// blanks; nothing else is accepted.
std::optional<qint64> integerFromText(const QString &text);
// The same, within 16 bits.
std::optional<qint16> shortFromText(const QString &text);

} // namespace regional
