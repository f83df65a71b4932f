#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QTextListFormat>

namespace richtext {

// The number format word processors give a list level of this style.
int levelFormatOf(QTextListFormat::Style style);
// The character a bulleted level of this style shows.
char16_t bulletOf(QTextListFormat::Style style);

// The list table and the list override table: which numbering each level of
// each list uses, and which list a paragraph's \lsN stands for.
class ListTable
{
public:
    static constexpr int levelCount = 9;

    void beginList();
    void setListId(int id);
    void endList();
    void beginLevel();
    void setLevelFormat(int format);
    void appendLevelText(QStringView text);

    void beginOverride();
    void setOverrideListId(int id);
    void setOverrideNumber(int number);
    void endOverride();

    // The style of that level; a disc for a list the table does not have,
    // ListStyleUndefined where the level shows no number or bullet.
    QTextListFormat::Style style(int override, int level) const;

private:
    struct Level
    {
        int format = 0;
        QString text;
    };

    static QTextListFormat::Style styleOf(const Level &level);

    QHash<int, QList<QTextListFormat::Style>> m_lists; // by list id
    QHash<int, int> m_overrides;                       // list id by \ls number
    QList<Level> m_levels;                             // of the list being read
    int m_listId = 0;
    int m_overrideListId = 0;
    int m_overrideNumber = 0;
};

} // namespace richtext
