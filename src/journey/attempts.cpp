#include "journey/attempts.h"

#include "cravinglog/isotime.h"
#include "platform/textfiles.h"
#include "profile/historynames.h"
#include "profile/profilefile.h"
#include "records/smokefreetime.h"

#include <QDir>

#include <algorithm>
#include <limits>
#include <utility>

namespace journey {

namespace {

// A copy is the seven-line profile file; a longer one is read as far as the
// profile file itself is.
constexpr qint64 copyReadLimitBytes = 64 * 1024;
constexpr qsizetype copyLineCount = 7;

qint64 secondsOf(const SmokeFreeTime &time)
{
    return ((time.days * 24 + time.hours) * 60 + time.minutes) * 60 + time.seconds;
}

// The counter counts whole days up to 32767; a longer run would be told short.
constexpr qint64 countableDays = 32767;

// The stop moment a copy holds, when it holds one. Only a file of its own is
// a copy: a folder, a pipe or a link named like one is not.
std::optional<QuitProfile> stopMomentIn(const QString &path, const QDate &today)
{
    if (QFileInfo(path).isSymLink())
        return std::nullopt;
    const textfiles::FileRead file = textfiles::readFile(path, {.limit = copyReadLimitBytes, .takeHead = true});
    const QByteArray &bytes = file.bytes;
    if (file.outcome != textfiles::FileRead::Outcome::Read || bytes.contains('\0'))
        return std::nullopt;
    QuitProfile profile;
    ProfileFile::apply(textfiles::splitLines(textfiles::decode(bytes), copyLineCount), profile, today);
    if (!profile.stopDate.isValid() || !profile.stopTime.isValid())
        return std::nullopt;
    return profile;
}

struct Copy
{
    Attempt attempt;
    // Oldest first: by the moment of the reset, then by the -N of a second
    // reset within the same second. A copy whose name holds no real moment
    // comes first, since when it ended is not known.
    std::pair<qint64, int> order;
};

} // namespace

QList<Attempt> readPastAttempts(const QString &historyFolder, const QDate &today)
{
    const QDir folder(historyFolder);
    const QStringList names =
        folder.entryList({historynames::pattern()},
                         QDir::Files | QDir::Dirs | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    QList<Copy> copies;
    for (const QString &name : names) {
        const std::optional<historynames::Parsed> parsed = historynames::parse(name);
        if (!parsed)
            continue;
        Copy copy;
        Attempt &attempt = copy.attempt;
        attempt.fileName = name;
        attempt.end = parsed->moment;
        const auto profile = stopMomentIn(folder.filePath(name), today);
        const QDateTime start = profile ? QDateTime(profile->stopDate, profile->stopTime) : QDateTime();
        // A run that ends before it starts, or one that no clock of the program could have counted, was not kept by it.
        attempt.readable = isotime::writable(start) && isotime::writable(attempt.end) && start < attempt.end &&
                           start.date().daysTo(attempt.end.date()) < countableDays;
        if (attempt.readable) {
            attempt.start = start;
            attempt.seconds = secondsOf(smokeFreeTime(profile->stopDate, profile->stopTime, attempt.end));
        }
        copy.order = {attempt.end.isValid() ? attempt.end.toMSecsSinceEpoch() : std::numeric_limits<qint64>::min(),
                      parsed->number};
        copies.append(copy);
    }
    std::stable_sort(copies.begin(), copies.end(), [](const Copy &a, const Copy &b) { return a.order < b.order; });
    QList<Attempt> attempts;
    attempts.reserve(copies.size());
    for (const Copy &copy : copies)
        attempts.append(copy.attempt);
    return attempts;
}

Attempt currentAttempt(const QDate &stopDate, const QTime &stopTime, const QDateTime &now)
{
    Attempt attempt;
    attempt.current = true;
    attempt.end = now;
    attempt.readable = stopDate.isValid() && stopTime.isValid();
    if (attempt.readable) {
        attempt.start = QDateTime(stopDate, stopTime);
        attempt.seconds = secondsOf(smokeFreeTime(stopDate, stopTime, now));
    }
    return attempt;
}

} // namespace journey
