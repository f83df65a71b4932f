#include "richtext/rtflistlabels.h"

#include "richtext/rtflisttable.h"

namespace richtext {

namespace {

constexpr int maxAffix = 8;

QString romanNumber(int number)
{
    static constexpr std::pair<int, const char *> digits[] = {
        {1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"}, {90, "xc"}, {50, "l"},
        {40, "xl"},  {10, "x"},   {9, "ix"},  {5, "v"},    {4, "iv"},  {1, "i"},
    };
    QString result;
    for (const auto &[value, letters] : digits) {
        for (; number >= value; number -= value)
            result += QLatin1String(letters);
    }
    return result;
}

QString letterNumber(int number)
{
    QString result;
    for (; number > 0; number = (number - 1) / 26)
        result.prepend(QChar(u'a' + (number - 1) % 26));
    return result;
}

QString itemNumber(QTextListFormat::Style style, int number)
{
    switch (style) {
    case QTextListFormat::ListLowerAlpha:
        return letterNumber(number);
    case QTextListFormat::ListUpperAlpha:
        return letterNumber(number).toUpper();
    case QTextListFormat::ListLowerRoman:
        return romanNumber(number);
    case QTextListFormat::ListUpperRoman:
        return romanNumber(number).toUpper();
    default:
        return QString::number(number);
    }
}

} // namespace

bool isNumbered(QTextListFormat::Style style)
{
    return levelFormatOf(style) != levelFormatOf(QTextListFormat::ListDisc);
}

// Qt shows "1." where the list says nothing.
std::pair<QString, QString> numberAffixes(const QTextListFormat &format)
{
    const QString suffix =
        format.hasProperty(QTextFormat::ListNumberSuffix) ? format.numberSuffix() : QStringLiteral(".");
    return {format.numberPrefix().left(maxAffix), suffix.left(maxAffix)};
}

QString itemLabel(const QTextListFormat &format, int number)
{
    if (!isNumbered(format.style()))
        return QString(QChar(bulletOf(format.style())));
    const auto [prefix, suffix] = numberAffixes(format);
    return prefix + itemNumber(format.style(), number) + suffix;
}

} // namespace richtext
