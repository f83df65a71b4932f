#include "richtext/rtflisttable.h"

#include <algorithm>
#include <array>

namespace richtext {

namespace {

constexpr int bulletFormat = 23;
constexpr int noNumberFormat = 255;
constexpr qsizetype maxLevelText = 16;

struct Pair
{
    int key;
    QTextListFormat::Style style;
};

// Number formats of a list level. Any other number reads as decimal.
constexpr auto numberFormats = std::to_array<Pair>({
    {1, QTextListFormat::ListUpperRoman},
    {2, QTextListFormat::ListLowerRoman},
    {3, QTextListFormat::ListUpperAlpha},
    {4, QTextListFormat::ListLowerAlpha},
    {noNumberFormat, QTextListFormat::ListStyleUndefined},
});

// Bullet characters, as word processors write them, to the shape they draw;
// the first of each shape is the one we write. The private-use ones are the
// Symbol and Wingdings fonts' bullets.
constexpr auto bulletShapes = std::to_array<Pair>({
    {0x2022, QTextListFormat::ListDisc},
    {0x25E6, QTextListFormat::ListCircle},
    {0x25AA, QTextListFormat::ListSquare},
    {'o', QTextListFormat::ListCircle},
    {0x00A7, QTextListFormat::ListSquare},
    {0x25A0, QTextListFormat::ListSquare},
    {0x25CB, QTextListFormat::ListCircle},
    {0xF0A7, QTextListFormat::ListSquare},
});

QTextListFormat::Style lookUp(const auto &table, int key, QTextListFormat::Style otherwise)
{
    const auto found = std::find_if(table.begin(), table.end(), [key](const Pair &pair) { return pair.key == key; });
    return found != table.end() ? found->style : otherwise;
}

int keyOf(const auto &table, QTextListFormat::Style style, int otherwise)
{
    const auto found =
        std::find_if(table.begin(), table.end(), [style](const Pair &pair) { return pair.style == style; });
    return found != table.end() ? found->key : otherwise;
}

} // namespace

int levelFormatOf(QTextListFormat::Style style)
{
    if (keyOf(bulletShapes, style, 0))
        return bulletFormat;
    return keyOf(numberFormats, style, 0);
}

char16_t bulletOf(QTextListFormat::Style style)
{
    return static_cast<char16_t>(keyOf(bulletShapes, style, 0x2022));
}

void ListTable::beginList()
{
    m_levels.clear();
    m_listId = 0;
}

void ListTable::setListId(int id)
{
    m_listId = id;
}

void ListTable::endList()
{
    QList<QTextListFormat::Style> styles;
    for (const Level &level : std::as_const(m_levels))
        styles.append(styleOf(level));
    m_lists.insert(m_listId, styles);
    m_levels.clear();
}

void ListTable::beginLevel()
{
    if (m_levels.size() < levelCount)
        m_levels.append(Level());
}

void ListTable::setLevelFormat(int format)
{
    if (!m_levels.isEmpty())
        m_levels.last().format = format;
}

void ListTable::appendLevelText(QStringView text)
{
    if (m_levels.isEmpty())
        return;
    QString &kept = m_levels.last().text;
    kept += text.first(std::min(text.size(), maxLevelText - kept.size()));
}

void ListTable::beginOverride()
{
    m_overrideListId = 0;
    m_overrideNumber = 0;
}

void ListTable::setOverrideListId(int id)
{
    m_overrideListId = id;
}

void ListTable::setOverrideNumber(int number)
{
    m_overrideNumber = number;
}

void ListTable::endOverride()
{
    m_overrides.insert(m_overrideNumber, m_overrideListId);
}

QTextListFormat::Style ListTable::style(int override, int level) const
{
    const auto list = m_overrides.constFind(override);
    if (list == m_overrides.constEnd())
        return QTextListFormat::ListDisc;
    const auto styles = m_lists.constFind(*list);
    if (styles == m_lists.constEnd())
        return QTextListFormat::ListDisc;
    return styles->value(level, QTextListFormat::ListDisc);
}

QTextListFormat::Style ListTable::styleOf(const Level &level)
{
    if (level.format != bulletFormat)
        return lookUp(numberFormats, level.format, QTextListFormat::ListDecimal);
    // The level text begins with its length; the bullet follows.
    const auto bullet = std::find_if(level.text.begin(), level.text.end(), [](QChar c) { return c.unicode() >= 0x20; });
    return bullet != level.text.end() ? lookUp(bulletShapes, bullet->unicode(), QTextListFormat::ListDisc)
                                      : QTextListFormat::ListDisc;
}

} // namespace richtext
