#pragma once

#include "cravinglog/copingsteps.h"
#include "platform/textfiles.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <optional>

// The cravings the user logged, kept in a CSV file of their own:
//   time,strength,trigger,note,outcome,seconds,did
// one record a craving, UTF-8, as RFC 4180 has it. Files written before the
// last two fields came have five; they read as they always did, and the
// first craving logged into one turns its header into the new one.
struct Environment;

namespace journey {

// NotSaid is a craving logged without a trigger: its field in the file is
// empty. No file had an empty trigger before, so every old record reads as it
// did, and an empty cell is what a spreadsheet shows for "no answer".
enum class Trigger { Stress, Meal, Coffee, Alcohol, Smokers, Boredom, Waking, Driving, Screen, Other, NotSaid };
enum class Outcome { Passed, Smoked };

// A trigger as the file stores it (a fixed English key, the same in every
// language) and as the user reads it.
struct TriggerName
{
    Trigger trigger;
    const char *key;
    const char *caption; // translated in the context "journey"
};

// Every trigger, in the order the dialog lists them, then NotSaid, which the
// dialog does not offer.
const QList<TriggerName> &triggerNames();
QString triggerKey(Trigger trigger);
QString triggerCaption(Trigger trigger);
std::optional<Trigger> triggerFromKey(const QString &key);

constexpr int minimumStrength = 1;
constexpr int maximumStrength = 5;
constexpr int maximumNoteLength = 200;

// A file of cravings grows by a line a craving; 64 MB is far beyond a life of
// them, and a file beyond it is not one of ours to read into memory.
constexpr qint64 readLimitBytes = 64 * 1024 * 1024;
// A file that a craving would take past 8 MB (some 85,000 cravings, twenty
// years of eleven a day, half of them with notes) is full: it is kept, under
// the name of a full file, beside the new file that the craving starts. Of the
// ways to go on logging this one keeps every file the program writes far below
// the read limit, leaves the full file exactly as it was, and bounds what one
// craving costs: logging reads, scans and writes at most 8 MB, which takes a
// small part of a second even when the file is nothing but empty lines. The
// journey reads the full files with the new one, so nothing goes out of view.
constexpr qint64 fullFileBytes = 8 * 1024 * 1024;

// How long a craving can have lasted: a day. The window that times one never
// closes by itself, so a time beyond a day is a window left open overnight or
// a clock that jumped, not a craving, and would drag every figure of how long
// cravings last. Such a time is neither written nor read: the craving counts,
// without a duration.
constexpr int maximumSeconds = 24 * 60 * 60;
// The most steps a record's "did" field is read with: every step of ours
// several times over, with room for steps of later versions. A field of more
// is not ours, and its craving counts without steps.
constexpr int maximumStepKeys = 64;

struct Craving
{
    QDateTime time = {}; // local time; written with its UTC offset
    int strength = 3;
    Trigger trigger = Trigger::NotSaid;
    QString note = {};
    Outcome outcome = Outcome::Passed;
    // How long the craving lasted, in whole seconds from 0 to maximumSeconds;
    // none for a craving noted after the fact.
    std::optional<int> seconds = {};
    // What the user did about it, each step once, in the order of
    // copingSteps(). Keys of steps this version does not know stay in the
    // file and are left out here.
    QList<CopingStep> steps = {};

    bool operator==(const Craving &) const = default;
};

// Whether the reader takes the craving back as it is written: a time that
// can be written, a strength it knows, a trigger and an outcome of its own.
bool writable(const Craving &craving);

// A file that could not be read at all, and why, in the system's words or
// ours; the reason never names the file.
struct FileProblem
{
    QString path;
    QString reason;

    bool operator==(const FileProblem &) const = default;
};

// What the files hold, as far as they can be read.
struct CravingLog
{
    QList<Craving> cravings;     // in the order of the files
    int unreadableRows = 0;      // records kept in the files that could not be understood
    bool readable = true;        // false: a file is there but could not be read at all
    QList<FileProblem> problems; // why not, a file at a time
};

using EachCraving = std::function<void(const Craving &)>;

// The records of a file's bytes, each craving handed on as it is read; the
// count of the records that could not be understood. A header line, a
// byte-order mark and any line ending (CR LF, LF, a lone CR) are accepted.
// STOP, where given, is looked at before each record: once it is set, the
// rest is passed over, and what was read is incomplete.
int readCravings(const QByteArray &bytes, const EachCraving &each, const std::atomic<bool> *stop = nullptr);
CravingLog parseCravings(const QByteArray &bytes);
// The header line, and one record, each with its CR LF. Both have seven
// fields; olderCravingsHeader() is the header of five fields, without its
// line end.
QByteArray cravingsHeader();
QByteArrayView olderCravingsHeader();
QByteArray cravingRecord(const Craving &craving);

// What logging a craving did.
struct AppendResult : textfiles::WriteResult
{
    QString keptFull; // the full file kept beside the new one that this craving started
};

class CravingFile
{
public:
    // WITHIN: the folder of the user's files (see textfiles::WriteOptions);
    // a link on the way that leads out of it is neither read nor written.
    explicit CravingFile(QString path, QString within = QString())
        : m_path(std::move(path)), m_within(std::move(within))
    {}

    // The user's own cravings, in the folder of the user's files.
    static CravingFile ofUser(const Environment &environment);

    QString path() const { return m_path; }
    // The full files kept beside it, oldest first: for cravings.csv,
    // cravings-full-1.csv, cravings-full-2.csv...
    QStringList fullFiles() const;
    // Every craving of the full files, then of the file itself. A missing
    // file is an empty log.
    CravingLog read() const;
    // The same, craving by craving, with one file in memory at a time; the
    // log it returns holds no cravings. STOP ends the read at its next record,
    // as readCravings() has it, and no further file is read.
    CravingLog read(const EachCraving &each, const std::atomic<bool> *stop = nullptr) const;
    // Adds one craving. Every byte already in the file is kept as it stands,
    // records the reader does not understand included, and the file is
    // written whole or not at all. A full file is renamed to the next full
    // file's name only once the new file that the craving starts is written;
    // if it cannot be, nothing is moved. The one exception: a header of the five older fields
    // becomes the header of seven, its line end kept.
    AppendResult append(const Craving &craving) const;

private:
    // Where the file that follows a full one is written before it takes the
    // file's place: hidden beside it, and named unlike a full file.
    QString startedPath() const;
    AppendResult startAfterFull(const QByteArray &record) const;
    // Puts a started file in the file's place when a crash came between the
    // two renames; the reason when it could not.
    QString finishStartedFile() const;
    // The file the cravings are read from: the started one, in that case.
    QString currentPath() const;

    QString m_path;
    QString m_within;
};

} // namespace journey
