#pragma once

#include <QString>

class Clock;
class RandomSource;

// Pages through the lines of a file one at a time: the first page is a line
// drawn at random, every further step shows the next line, and after the
// last line the first one follows. The file is read anew at every step, so
// an edit shows at the next step.
class LinePager
{
public:
    // Only the first lines are pages, and only the first bytes are read, so
    // a huge file costs neither time nor memory.
    static constexpr int maxPages = 501;
    static constexpr qsizetype maxBytes = 256 * 1024;

    LinePager(RandomSource &random, const Clock &clock) : m_random(random), m_clock(clock) {}

    // The page to show now. Empty for a missing or empty file.
    QString step(const QString &path);

    // The next step draws its page at random again.
    void restart() { m_started = false; }
    bool started() const { return m_started; }
    int position() const { return m_position; }

private:
    RandomSource &m_random;
    const Clock &m_clock;
    bool m_started = false;
    int m_position = 0;
};
