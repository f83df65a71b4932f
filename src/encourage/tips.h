#pragma once

#include "records/smokefreetime.h"

#include <QString>

#include <array>
#include <optional>

class RandomSource;

// The tips of one advisor, one a line in a file of the data folder. Room for
// the first 100 lines; the lines after them are counted but not kept, so a
// draw can fall on a line that is not there.
class TipList
{
public:
    static constexpr int capacity = 100;
    // Longer lines are cut here: a tip is a sentence or two, and a file that
    // is not a tip file must not put a megabyte into a speech line.
    static constexpr int maxTipLength = 1000;

    // Reads the file anew. Entries are not cleared first: the file's lines
    // overwrite entries 1 to its line count, and the rest keep what they had.
    // A file that is missing or cannot be read counts 0 lines.
    void load(const QString &path);

    // Lines read by the last load, kept or not.
    qint16 count() const { return m_count; }

    // Entry k, 1 to 100; empty where nothing was stored.
    QString entry(int k) const;

    // A tip drawn at random from the lines counted, or the fallback where the
    // drawn entry is empty (an empty line, an empty file). Nothing where the
    // draw falls on a line beyond the 100 kept: the speech line then stays.
    std::optional<QString> draw(RandomSource &random, const QString &fallback) const;

private:
    std::array<QString, capacity> m_entries;
    qint16 m_count = 0;
};

// No tips in the first ten minutes after the stop moment.
bool tipsAllowed(const SmokeFreeTime &shown);

// What the coach and the professor say when the drawn tip is empty.
QString coachFallback();
QString professorFallback();
