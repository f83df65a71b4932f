#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

// The attempts to stop: each reset keeps a copy of the profile in the history
// folder, named after the moment of the reset; the running quit is the
// current attempt.
namespace journey {

struct Attempt
{
    QString fileName;   // the copy in the history folder; empty for the current attempt
    QDateTime start;    // the stop moment, local time
    QDateTime end;      // the reset, or now for the current attempt
    qint64 seconds = 0; // smoke-free time as the counter counts it; 0 when unreadable or the clock ran back
    bool readable = true;
    bool current = false;
};

// The copies of the history folder, oldest first. A copy that cannot be read,
// is not a file of its own, or holds a run that ends before it starts or
// lasts longer than the counter counts, is listed, unreadable, by its file
// name; it is never changed. Files whose
// names are not attempt-YYYYMMDD-HHMMSS.dat (with an optional -N) are not ours
// and are passed over.
QList<Attempt> readPastAttempts(const QString &historyFolder, const QDate &today);
Attempt currentAttempt(const QDate &stopDate, const QTime &stopTime, const QDateTime &now);

} // namespace journey
