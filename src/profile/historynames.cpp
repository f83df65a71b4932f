#include "profile/historynames.h"

#include <QRegularExpression>

namespace historynames {

namespace {

const QString momentForm = QStringLiteral("yyyyMMdd-HHmmss");

const QRegularExpression &nameForm()
{
    static const QRegularExpression form(QStringLiteral("^attempt-(\\d{8}-\\d{6})(?:-(\\d{1,9}))?\\.dat$"));
    return form;
}

} // namespace

QString pattern()
{
    return QStringLiteral("attempt-*.dat");
}

QString name(const QDateTime &moment, int number)
{
    const QString stamp = moment.toString(momentForm);
    return number > 1 ? QStringLiteral("attempt-%1-%2.dat").arg(stamp).arg(number)
                      : QStringLiteral("attempt-%1.dat").arg(stamp);
}

std::optional<Parsed> parse(const QString &fileName)
{
    const QRegularExpressionMatch match = nameForm().match(fileName);
    if (!match.hasMatch())
        return std::nullopt;
    return Parsed{QDateTime::fromString(match.captured(1), momentForm),
                  match.captured(2).isEmpty() ? 1 : match.captured(2).toInt()};
}

} // namespace historynames
