#pragma once

#include "cravinglog/cravings.h"
#include "cravinglog/journeytext.h"
#include "journey/attempts.h"
#include "moment/whathelped.h"

#include <QDate>
#include <QList>
#include <QStringList>

#include <array>
#include <atomic>
#include <optional>

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

// Cravings of the days shown, by the local hour of the day (0 to 23) and the
// day of the week (0 Monday to 6 Sunday): each craving at the hour its own
// clock showed, whichever side of a change of summer time it lies.
using HourCounts = std::array<std::array<int, 7>, hoursPerDay>;

// The sentence of the usual hour needs so many cravings in the days shown,
// and the median duration so many durations.
constexpr int minimumCravingsForHour = 5;
constexpr int minimumDurations = 3;

struct Summary
{
    QList<Attempt> attempts;      // the past ones, oldest first, then the current one
    qsizetype longestIndex = -1;  // the longest readable attempt; the current one in a tie
    QList<DayCount> days;         // the last daysShown calendar days, oldest first, ending today
    QList<TriggerCount> triggers; // every logged craving, most frequent first, none with a count of 0
    int cravingsInDays = 0;       // cravings within the days shown, none from the future
    int passedInDays = 0;
    HourCounts hours = {}; // the cravings within the days shown, by hour and weekday
    // The hour with the most of them, the earliest in a tie; only with
    // minimumCravingsForHour of them.
    std::optional<int> usualHour;
    // The median of the durations within the days shown, in seconds; only
    // with minimumDurations of them.
    std::optional<double> medianSeconds;
    int durationsInDays = 0;
    WhatHelped helped;        // every craving logged
    int slipsThisAttempt = 0; // cravings that ended in a cigarette since the current attempt began
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
// STOP, where given, ends the read at its next record (CravingFile::read()):
// the summary that comes back is then incomplete, for the caller to drop. It
// lets a program that ends stop a long read at once.
Summary readSummary(const QString &historyFolder, const CravingFile &cravings, const Attempt &current,
                    const QDateTime &now, const std::atomic<bool> *stop = nullptr);

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
