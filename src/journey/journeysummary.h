#pragma once

#include "journey/attempts.h"
#include "journey/cravings.h"

#include <QDate>
#include <QList>
#include <QStringList>

// The figures of the journey view, worked out once from the attempts and the
// cravings: the sentences, the charts and the table all show these.
namespace journey {

constexpr int daysShown = 30;

struct DayCount
{
    QDate date;
    int cravings = 0;
    int passed = 0;
    double meanStrength = 0; // 0 on a day without cravings
};

struct TriggerCount
{
    Trigger trigger;
    int count = 0;
};

struct Summary
{
    QList<Attempt> attempts;      // the past ones, oldest first, then the current one
    qsizetype longestIndex = -1;  // the longest readable attempt; the current one in a tie
    QList<DayCount> days;         // the last daysShown calendar days, oldest first, ending today
    QList<TriggerCount> triggers; // every logged craving, most frequent first, none with a count of 0
    int cravingsInDays = 0;       // cravings within the days shown, none from the future
    int passedInDays = 0;
    int unreadableCravingRows = 0;
    // The files of cravings that could not be read, and why; none when they
    // could. Then no craving is counted: part of them would tell wrong figures.
    QList<FileProblem> cravingsProblems;
};

Summary summarize(const QList<Attempt> &pastAttempts, const Attempt &current, const CravingLog &cravings,
                  const QDateTime &now);
// The same from the files: the copies of the history folder and every
// craving, read one at a time and only counted, so that memory holds the
// figures, not the log. It touches nothing else and may run on any thread.
Summary readSummary(const QString &historyFolder, const CravingFile &cravings, const Attempt &current,
                    const QDateTime &now);

// The sentences at the top of the view, in order.
QStringList sentences(const Summary &summary);

// How long the sentences and the days stay as they are: until this attempt,
// or what is left to beat the longest, reaches its next whole hour, or the
// next day begins. At least one second, at most an hour.
qint64 secondsToNextChange(const Summary &summary, const QDateTime &now);

struct Spreadsheet
{
    QByteArray csv;
    QList<FileProblem> problems; // the cravings that could not be read; then there is no csv
};

// The attempts and every craving of the files, for a spreadsheet. A note that
// a spreadsheet would take for a formula is kept as text.
Spreadsheet spreadsheetCsv(const QList<Attempt> &attempts, const CravingFile &cravings);

} // namespace journey
