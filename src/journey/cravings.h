#pragma once

#include "platform/textfiles.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// The cravings the user logged, kept in a CSV file of their own:
//   time,strength,trigger,note,outcome
// one record a craving, UTF-8, as RFC 4180 has it.
namespace journey {

enum class Trigger { Stress, Meal, Coffee, Alcohol, Smokers, Boredom, Waking, Driving, Screen, Other };
enum class Outcome { Passed, Smoked };

// A trigger as the file stores it (a fixed English key, the same in every
// language) and as the user reads it.
struct TriggerName
{
    Trigger trigger;
    const char *key;
    const char *caption; // translated in the context "journey"
};

// Every trigger, in the order the dialog lists them.
const QList<TriggerName> &triggerNames();
QString triggerKey(Trigger trigger);
QString triggerCaption(Trigger trigger);
std::optional<Trigger> triggerFromKey(const QString &key);

constexpr int minimumStrength = 1;
constexpr int maximumStrength = 5;
constexpr int maximumNoteLength = 200;

struct Craving
{
    QDateTime time; // local time; written with its UTC offset
    int strength = 3;
    Trigger trigger = Trigger::Other;
    QString note;
    Outcome outcome = Outcome::Passed;

    bool operator==(const Craving &) const = default;
};

// What the file holds, as far as it can be read.
struct CravingLog
{
    QList<Craving> cravings; // in the order of the file
    int unreadableRows = 0;  // records kept in the file that could not be understood
    bool readable = true;    // false: the file is there but could not be read at all
    QString problem;         // why not, for the user
};

// The records of a file's bytes. A header line, a byte-order mark and any
// line ending (CR LF, LF, a lone CR) are accepted.
CravingLog parseCravings(const QByteArray &bytes);
// The header line, and one record, each with its CR LF.
QByteArray cravingsHeader();
QByteArray cravingRecord(const Craving &craving);

class CravingFile
{
public:
    explicit CravingFile(QString path) : m_path(std::move(path)) {}

    QString path() const { return m_path; }
    // A missing file is an empty log.
    CravingLog read() const;
    // Adds one craving. Every byte already in the file is kept as it stands,
    // records the reader does not understand included, and the file is
    // written whole or not at all.
    textfiles::WriteResult append(const Craving &craving) const;

private:
    QString m_path;
};

} // namespace journey
