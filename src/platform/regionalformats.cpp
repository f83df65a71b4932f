#include "platform/regionalformats.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace regional {
namespace {

// Removes the time-zone token ("t", "(t)") from a format, leaving quoted
// literal text alone, and tidies the blanks it leaves behind.
QString withoutTimeZone(const QString &format)
{
    QString result;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'')
            quoted = !quoted;
        if (!quoted && c == u't')
            continue;
        result.append(c);
    }
    result.replace(QStringLiteral("()"), QString());
    return result.simplified();
}

QString withFourDigitYear(const QString &format)
{
    if (format.contains(QStringLiteral("yyyy")))
        return format;
    QString result = format;
    result.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return result;
}

// The forms of the default locale, worked out again only when the default
// locale changes: the counter writes the date and the time every second.
// Each thread keeps its own (the profile is also read on a thread beside
// the window), so the counter's path takes no lock.
struct Forms
{
    QLocale locale;
    QString date;
    QString time;
    // The last date written, which stays the same all day.
    QDate lastDate;
    QString lastDateText;
};

Forms &forms()
{
    thread_local std::optional<Forms> cached;
    const QLocale current;
    if (!cached || !(cached->locale == current)) {
        QString time = withoutTimeZone(current.timeFormat(QLocale::LongFormat));
        if (!time.contains(u's'))
            time = QStringLiteral("HH:mm:ss");
        cached = Forms{current, withFourDigitYear(current.dateFormat(QLocale::ShortFormat)), time, {}, {}};
    }
    return *cached;
}

} // namespace

QString shortDateFormat()
{
    return forms().date;
}

QString longTimeFormat()
{
    return forms().time;
}

QString dateToText(const QDate &date)
{
    Forms &current = forms();
    if (date != current.lastDate || !date.isValid()) {
        current.lastDate = date;
        current.lastDateText = current.locale.toString(date, current.date);
    }
    return current.lastDateText;
}

QString timeToText(const QTime &time)
{
    const Forms &current = forms();
    return current.locale.toString(time, current.time);
}

QString dateTimeToText(const QDateTime &moment)
{
    return dateToText(moment.date()) + u' ' + timeToText(moment.time());
}

std::optional<QDate> dateFromText(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > 64)
        return std::nullopt;
    // The written form first: no regional form reads it as another day.
    QDate date = QDate::fromString(trimmed, Qt::ISODate);
    if (!date.isValid())
        date = QLocale().toDate(trimmed, shortDateFormat());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<QDate> storedDateFromText(const QString &text, int notAfterYear)
{
    if (const auto date = dateFromText(text))
        return date;
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > 64)
        return std::nullopt;
    const Forms &current = forms();
    QString twoDigitYear = current.date;
    twoDigitYear.replace(QStringLiteral("yyyy"), QStringLiteral("yy"));
    const QDate date = current.locale.toDate(trimmed, twoDigitYear);
    if (!date.isValid())
        return std::nullopt;
    const int yearInCentury = date.year() % 100;
    const int year = notAfterYear - ((notAfterYear - yearInCentury) % 100 + 100) % 100;
    const QDate inYear(year, date.month(), date.day());
    if (!inYear.isValid())
        return std::nullopt;
    return inYear;
}

std::optional<QTime> timeFromText(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > 64)
        return std::nullopt;
    QTime time = QTime::fromString(trimmed, Qt::ISODate);
    if (!time.isValid())
        time = QLocale().toTime(trimmed, longTimeFormat());
    if (!time.isValid())
        return std::nullopt;
    return QTime(time.hour(), time.minute(), time.second());
}

QString numberToText(double value)
{
    if (!std::isfinite(value))
        return QString();
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    // Fifteen significant digits, as much as a double holds reliably.
    const int magnitude = value == 0 ? 0 : static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const int decimals = std::clamp(14 - magnitude, 0, 15);
    QString text = locale.toString(value, 'f', decimals);
    const QString point = locale.decimalPoint();
    if (text.contains(point)) {
        const QString zero = locale.zeroDigit();
        while (text.endsWith(zero))
            text.chop(zero.size());
        if (text.endsWith(point))
            text.chop(point.size());
    }
    if (text == locale.negativeSign() + locale.zeroDigit())
        text = locale.zeroDigit();
    return text;
}

QString integerToText(qint64 value)
{
    return QString::number(value);
}

std::optional<qint16> shortFromText(const QString &text)
{
    const auto value = integerFromText(text);
    if (!value || *value < std::numeric_limits<qint16>::min() || *value > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(*value);
}

std::optional<qint64> integerFromText(const QString &text)
{
    const QString trimmed = text.trimmed();
    const qsizetype digitsFrom = trimmed.startsWith(u'-') || trimmed.startsWith(u'+') ? 1 : 0;
    if (trimmed.size() <= digitsFrom || trimmed.size() > 19)
        return std::nullopt;
    for (qsizetype i = digitsFrom; i < trimmed.size(); ++i) {
        if (trimmed.at(i) < u'0' || trimmed.at(i) > u'9')
            return std::nullopt;
    }
    bool ok = false;
    const qint64 value = trimmed.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace regional
