#include "journey/cravings.h"

#include "journey/cravingrecords.h"
#include "journey/csvscanner.h"
#include "journey/isotime.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <utility>

namespace journey {

namespace {

struct OutcomeName
{
    Outcome outcome;
    const char *key;
};

constexpr std::array outcomeNames{OutcomeName{Outcome::Passed, "passed"}, OutcomeName{Outcome::Smoked, "smoked"}};

constexpr QByteArrayView shortestRecord{"2026-03-05T08:30:15Z,1,meal,,passed"};

constexpr std::array headerFields{"time", "strength", "trigger", "note", "outcome"};

// A file of cravings grows by a line a craving; 64 MB is far beyond a life of
// them, and a file beyond it is not one of ours to read into memory.
constexpr qint64 readLimitBytes = 64 * 1024 * 1024;

QString translated(const char *text)
{
    return QCoreApplication::translate("journey", text);
}

std::optional<Outcome> outcomeFromKey(QByteArrayView key)
{
    for (const OutcomeName &name : outcomeNames) {
        if (key == name.key)
            return name.outcome;
    }
    return std::nullopt;
}

const char *outcomeKey(Outcome outcome)
{
    for (const OutcomeName &name : outcomeNames) {
        if (name.outcome == outcome)
            return name.key;
    }
    return outcomeNames.front().key;
}

std::optional<Trigger> triggerFromBytes(QByteArrayView key)
{
    for (const TriggerName &name : triggerNames()) {
        if (key == name.key)
            return name.trigger;
    }
    return std::nullopt;
}

std::optional<int> strengthFrom(QByteArrayView text)
{
    if (text.size() != 1 || text.front() < '0' + minimumStrength || text.front() > '0' + maximumStrength)
        return std::nullopt;
    return text.front() - '0';
}

QString decodedNote(QByteArrayView note)
{
    return note.isEmpty() ? QString() : textfiles::decode(note.toByteArray());
}

bool isHeader(const csv::Record &record)
{
    if (!record.wellFormed || record.insideQuotes || record.fieldCount != qsizetype(headerFields.size()))
        return false;
    for (std::size_t i = 0; i < headerFields.size(); ++i) {
        if (record.fields.at(i).trimmed().compare(headerFields[i], Qt::CaseInsensitive) != 0)
            return false;
    }
    return true;
}

std::optional<Craving> cravingFrom(const csv::Record &record, const QTimeZone &zone)
{
    if (!record.wellFormed || record.insideQuotes || record.fieldCount != 5)
        return std::nullopt;
    const auto time = isotime::read(record.fields.at(0).trimmed(), zone);
    const auto strength = strengthFrom(record.fields.at(1).trimmed());
    const auto trigger = triggerFromBytes(record.fields.at(2).trimmed());
    const auto outcome = outcomeFromKey(record.fields.at(4).trimmed());
    if (!time || !strength || !trigger || !outcome)
        return std::nullopt;
    return Craving{*time, *strength, *trigger, decodedNote(record.fields.at(3)), *outcome};
}

// The bytes of the file, or why they cannot be had. A missing file has none.
struct FileBytes
{
    QByteArray bytes;
    QString problem;
};

// With room for that many more bytes, so that what is added needs no copy of the rest.
FileBytes fileBytes(const QString &path, qsizetype room = 0)
{
    const QFileInfo info(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (!info.exists())
        return {};
    if (info.isDir())
        return {{}, translated("%1 is a folder, not a file of cravings. Clearwind leaves it as it is.").arg(shown)};
    // A pipe or a device would never end.
    if (!info.isFile())
        return {{}, translated("%1 is not a file of cravings. Clearwind leaves it as it is.").arg(shown)};
    const QString tooLarge =
        translated("%1 is larger than 64 MB, too large to be a file of cravings. Clearwind leaves it as it is.")
            .arg(shown);
    if (info.size() > readLimitBytes)
        return {{}, tooLarge};
    QFile file(path);
    const QString unread = translated("%1 could not be read: %2");
    if (!file.open(QIODevice::ReadOnly))
        return {{}, unread.arg(shown, file.errorString())};
    // Up to one byte beyond the limit, which tells a file that grew past it since it was measured.
    QByteArray bytes;
    bytes.reserve(qsizetype(info.size()) + 1 + room);
    bytes.resize(qsizetype(info.size()) + 1);
    qsizetype read = 0;
    for (;;) {
        if (read == bytes.size()) {
            if (read > readLimitBytes)
                break;
            bytes.resize(std::min(read + 65536, readLimitBytes + 1));
        }
        const qint64 got = file.read(bytes.data() + read, bytes.size() - read);
        if (got < 0)
            return {{}, unread.arg(shown, file.errorString())};
        if (got == 0)
            break;
        read += got;
    }
    if (read > readLimitBytes)
        return {{}, tooLarge};
    bytes.resize(read);
    return {std::move(bytes), QString()};
}

// Where a new record goes into the bytes of a file: after the last record, or,
// when the file ends inside quotes that never close, before that unfinished
// record, which would otherwise take the new one into its quotes.
struct InsertionPoint
{
    qsizetype position = 0;
    bool lineEndFirst = false; // the last record has no line end yet
};

InsertionPoint insertionPoint(const QByteArray &bytes)
{
    csv::Scanner scanner(bytes);
    csv::Record record;
    csv::Record last;
    bool any = false;
    while (scanner.next(record, false)) {
        last = record;
        any = true;
    }
    if (!any)
        return {bytes.size(), false};
    if (last.insideQuotes)
        return {last.start, false};
    return {bytes.size(), !last.lineEnded};
}

} // namespace

const QList<TriggerName> &triggerNames()
{
    static const QList<TriggerName> names{
        {Trigger::Stress, "stress", QT_TRANSLATE_NOOP("journey", "Stress")},
        {Trigger::Meal, "meal", QT_TRANSLATE_NOOP("journey", "After a meal")},
        {Trigger::Coffee, "coffee", QT_TRANSLATE_NOOP("journey", "Coffee")},
        {Trigger::Alcohol, "alcohol", QT_TRANSLATE_NOOP("journey", "Alcohol")},
        {Trigger::Smokers, "smokers", QT_TRANSLATE_NOOP("journey", "Other smokers")},
        {Trigger::Boredom, "boredom", QT_TRANSLATE_NOOP("journey", "Boredom")},
        {Trigger::Waking, "waking", QT_TRANSLATE_NOOP("journey", "Waking up")},
        {Trigger::Driving, "driving", QT_TRANSLATE_NOOP("journey", "Driving")},
        {Trigger::Screen, "screen", QT_TRANSLATE_NOOP("journey", "Phone or screen")},
        {Trigger::Other, "other", QT_TRANSLATE_NOOP("journey", "Other")},
    };
    return names;
}

QString triggerKey(Trigger trigger)
{
    for (const TriggerName &name : triggerNames()) {
        if (name.trigger == trigger)
            return QString::fromLatin1(name.key);
    }
    return QString();
}

QString triggerCaption(Trigger trigger)
{
    for (const TriggerName &name : triggerNames()) {
        if (name.trigger == trigger)
            return translated(name.caption);
    }
    return QString();
}

std::optional<Trigger> triggerFromKey(const QString &key)
{
    return triggerFromBytes(key.toLatin1());
}

CravingLog parseCravings(const QByteArray &bytes)
{
    CravingLog log;
    // Room for a craving a line, as far as the bytes can hold records of ours.
    log.cravings.reserve(std::min(bytes.count('\n') + 1, bytes.size() / shortestRecord.size() + 1));
    const QTimeZone zone = isotime::localZone();
    csv::Scanner scanner(bytes);
    csv::Record record;
    bool first = true;
    while (scanner.next(record)) {
        if (record.blank())
            continue;
        if (std::exchange(first, false) && isHeader(record))
            continue;
        if (auto craving = cravingFrom(record, zone))
            log.cravings.append(std::move(*craving));
        else
            ++log.unreadableRows;
    }
    return log;
}

QByteArray cravingsHeader()
{
    QByteArray header;
    for (const char *field : headerFields)
        header += (header.isEmpty() ? "" : ",") + QByteArray(field);
    return header + "\r\n";
}

QByteArray cravingRecord(const Craving &craving)
{
    return cravingRecord(craving, isotime::localZone());
}

QByteArray cravingRecord(const Craving &craving, const QTimeZone &localZone)
{
    return isotime::write(craving.time, localZone) + ',' + QByteArray::number(craving.strength) + ',' +
           triggerKey(craving.trigger).toLatin1() + ',' + csv::field(craving.note.toUtf8()) + ',' +
           outcomeKey(craving.outcome) + "\r\n";
}

CravingLog CravingFile::read() const
{
    FileBytes file = fileBytes(m_path);
    if (!file.problem.isEmpty()) {
        CravingLog log;
        log.readable = false;
        log.problem = file.problem;
        return log;
    }
    return parseCravings(file.bytes);
}

textfiles::WriteResult CravingFile::append(const Craving &craving) const
{
    // What could not be read back is not written.
    if (!craving.time.isValid() || craving.strength < minimumStrength || craving.strength > maximumStrength ||
        triggerKey(craving.trigger).isEmpty())
        return {false, translated("The craving has no valid time, strength or trigger, so it was not saved.")};
    const QByteArray record = cravingRecord(craving);
    FileBytes file = fileBytes(m_path, cravingsHeader().size() + record.size());
    if (!file.problem.isEmpty())
        return {false, file.problem};

    QByteArray bytes = std::move(file.bytes);
    const qsizetype markLength =
        QByteArrayView(bytes).startsWith(csv::Scanner::byteOrderMark) ? csv::Scanner::byteOrderMark.size() : 0;
    if (bytes.size() == markLength) {
        bytes += cravingsHeader() + record;
    } else {
        // In place: the room for it is there, and at most a short unfinished record moves.
        const InsertionPoint point = insertionPoint(bytes);
        bytes.insert(point.position, point.lineEndFirst ? "\r\n" + record : record);
    }
    return textfiles::writeAtomically(m_path, bytes);
}

} // namespace journey
