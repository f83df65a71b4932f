#include "progress/statistics.h"

#include "platform/regionalformats.h"
#include "records/quitprofile.h"
#include "progress/progresstexts.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace statistics {
namespace {


constexpr qint64 minutesPerDay = 24 * 60;
// Fifteen significant digits: what a double carries without noise.
constexpr int reliableDigits = 15;
constexpr int centDecimals = 2;

QString number(qint64 value)
{
    return regional::numberToText(static_cast<double>(value));
}

} // namespace

qint64 notSmoked(const SmokeFreeTime &shown, int cigarettesPerDay)
{
    const qint64 minutes = shown.days * minutesPerDay + shown.hours * 60 + shown.minutes;
    // Division of integers cuts towards zero, as cutting off the fraction does.
    return minutes * cigarettesPerDay / minutesPerDay;
}

std::optional<double> moneyFromText(const QString &text)
{
    static const QRegularExpression decimal(QStringLiteral(R"(^[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)$)"));
    const QString trimmed = text.trimmed();
    if (!decimal.match(trimmed).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

double roundToCents(double amount)
{
    if (!std::isfinite(amount))
        return amount;
    // "d.dddddddddddddde+xx": the leading digit, fourteen more, the exponent.
    const QByteArray form = QByteArray::number(std::fabs(amount), 'e', reliableDigits - 1);
    const qsizetype exponentAt = form.indexOf('e');
    if (exponentAt < 0)
        return amount;
    const QByteArray digits = form.left(1) + form.mid(2, exponentAt - 2);
    const int exponent = form.mid(exponentAt + 1).toInt();
    // How many of the digits lie at the cent or above it.
    const int kept = exponent + 1 + centDecimals;
    if (kept >= digits.size())
        return amount;
    if (kept < 0)
        return 0.0;

    qint64 cents = kept == 0 ? 0 : digits.left(kept).toLongLong();
    const QByteArray rest = digits.mid(kept);
    const QByteArray half = QByteArray("5") + QByteArray(rest.size() - 1, '0');
    const int comparison = rest.compare(half);
    if (comparison > 0 || (comparison == 0 && cents % 2 != 0))
        ++cents;
    if (cents == 0)
        return 0.0;
    const double rounded = static_cast<double>(cents) / 100.0;
    return amount < 0 ? -rounded : rounded;
}

std::optional<double> moneySaved(const SmokeFreeTime &shown, const QString &moneyPerDay)
{
    const std::optional<double> money = moneyFromText(moneyPerDay);
    if (!money)
        return std::nullopt;
    const double amount = *money * static_cast<double>(shown.days) + *money * (shown.hours / 24.0);
    if (!std::isfinite(amount))
        return std::nullopt;
    return roundToCents(amount);
}

Sentences sentences(const SmokeFreeTime &shown, const QuitProfile &profile)
{
    const qint64 cigarettes = notSmoked(shown, profile.cigarettesPerDay);
    Sentences result;
    result.cigarettes = ProgressTexts::tr("You have NOT smoked %1 cigarettes.").arg(number(cigarettes));
    result.minutes =
        ProgressTexts::tr("You have NOT wasted %1 minutes on smoking.").arg(number(cigarettes * smokingMinutesPerCigarette));
    if (const std::optional<double> money = moneySaved(shown, profile.moneyPerDay))
        result.money = ProgressTexts::tr("You saved %1 %2.").arg(regional::numberToText(*money), profile.currencyName);
    result.life =
        ProgressTexts::tr("You have extended your life by %1 minutes.").arg(number(cigarettes * lifeMinutesPerCigarette));
    return result;
}

} // namespace statistics
