#include "cravinglog/cravings.h"

#include "cravinglog/cravingrecords.h"
#include "cravinglog/csvscanner.h"
#include "cravinglog/isotime.h"
#include "cravinglog/journeytext.h"
#include "platform/environment.h"
#include "records/datafiles.h"

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

constexpr QByteArrayView shortestRecord{"2026-03-05T08:30:15Z,1,,,passed"};

// The fields of a record, the two of the older form first.
constexpr std::array headerFields{"time", "strength", "trigger", "note", "outcome", "seconds", "did"};
constexpr qsizetype olderFieldCount = 5;
constexpr qsizetype fieldCount = qsizetype(headerFields.size());
static_assert(fieldCount <= csv::maxKeptFields);
constexpr QByteArrayView olderHeader{"time,strength,trigger,note,outcome"};

constexpr char stepSeparator = ';';

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
    return nullptr;
}

const TriggerName *triggerName(Trigger trigger)
{
    for (const TriggerName &name : triggerNames()) {
        if (name.trigger == trigger)
            return &name;
    }
    return nullptr;
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

// The number of fields of the header the record is: 5 or 7, or 0 when it is
// not one.
qsizetype headerOf(const csv::Record &record)
{
    if (!record.wellFormed || record.insideQuotes ||
        (record.fieldCount != olderFieldCount && record.fieldCount != fieldCount))
        return 0;
    for (qsizetype i = 0; i < record.fieldCount; ++i) {
        if (record.fields.at(i).trimmed().compare(headerFields[i], Qt::CaseInsensitive) != 0)
            return 0;
    }
    return record.fieldCount;
}

// Whole seconds within a day; anything else is no duration.
std::optional<int> secondsFrom(QByteArrayView text)
{
    if (text.isEmpty() || text.size() > 5 ||
        !std::all_of(text.begin(), text.end(), [](char digit) { return digit >= '0' && digit <= '9'; }))
        return std::nullopt;
    const int seconds = text.toByteArray().toInt();
    return seconds <= maximumSeconds ? std::optional(seconds) : std::nullopt;
}

// The known steps of a "did" field, each once, in the order of the steps;
// none from a field of more keys than maximumStepKeys.
QList<CopingStep> stepsFrom(QByteArrayView text)
{
    QList<CopingStep> steps;
    if (text.isEmpty() || text.count(stepSeparator) >= maximumStepKeys)
        return steps;
    std::array<bool, std::size_t(CopingStep::Other) + 1> ticked{};
    for (qsizetype from = 0; from <= text.size();) {
        qsizetype to = text.indexOf(stepSeparator, from);
        if (to < 0)
            to = text.size();
        if (const auto step = copingStepFromKey(QString::fromLatin1(text.sliced(from, to - from).trimmed())))
            ticked[std::size_t(*step)] = true;
        from = to + 1;
    }
    for (const CopingStepName &name : copingSteps()) {
        if (ticked[std::size_t(name.step)])
            steps.append(name.step);
    }
    return steps;
}

QByteArray didField(const QList<CopingStep> &steps)
{
    QByteArray did;
    for (const CopingStepName &name : copingSteps()) {
        if (steps.contains(name.step))
            did += (did.isEmpty() ? "" : ";") + QByteArray(name.key);
    }
    return did;
}

std::optional<Craving> cravingFrom(const csv::Record &record, const QTimeZone &zone)
{
    if (!record.wellFormed || record.insideQuotes ||
        (record.fieldCount != olderFieldCount && record.fieldCount != fieldCount))
        return std::nullopt;
    const auto time = isotime::read(record.fields.at(0).trimmed(), zone);
    const auto strength = strengthFrom(record.fields.at(1).trimmed());
    const auto trigger = triggerFromBytes(record.fields.at(2).trimmed());
    const auto outcome = outcomeFromKey(record.fields.at(4).trimmed());
    if (!time || !strength || !trigger || !outcome)
        return std::nullopt;
    Craving craving{*time, *strength, *trigger, decodedNote(record.fields.at(3)), *outcome};
    // A duration or steps that make no sense leave the craving, without them.
    if (record.fieldCount == fieldCount) {
        craving.seconds = secondsFrom(record.fields.at(5).trimmed());
        craving.steps = stepsFrom(record.fields.at(6));
    }
    return craving;
}

QString shownPath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Why a craving is not logged: what could not be read back is not written.
QString notWritable()
{
    return journeyText("it has no valid time, strength, trigger or outcome");
}

QString fullFileNotKept(const QString &keptAs, const QString &reason)
{
    return journeyText("it is full, and could not be kept as %1: %2").arg(keptAs, reason);
}

// Why a full file's successor did not take its place, the full file back where it was.
QString newFileNotInPlace(const QString &reason)
{
    return journeyText("it is full, and the new file could not take its place: %1").arg(reason);
}

// The same, when the full file could not go back either.
QString keptWithoutNewFile(const QString &keptAs, const QString &started, const QString &reason)
{
    return journeyText("it is full and is kept as %1, but the new file that holds the craving, %2, could not take "
                       "its place: %3")
        .arg(keptAs, started, reason);
}

QString startedFileNotInPlace(const QString &started, const QString &reason)
{
    return journeyText("the new file %1, which a full file left, could not take its place: %2").arg(started, reason);
}

QString tooLarge()
{
    return journeyText("it is larger than 64 MB, too large to be a file of cravings");
}

// Why a file cannot be one of cravings, before it is opened; empty when it
// may be. A missing file is an empty one.
QString unfitFile(const QFileInfo &info)
{
    if (!info.exists())
        return QString();
    if (info.isDir())
        return journeyText("it is a folder, not a file of cravings");
    // A pipe or a device would never end.
    if (!info.isFile())
        return journeyText("it is not a file of cravings");
    if (info.size() > readLimitBytes)
        return tooLarge();
    return QString();
}

bool stopped(const std::atomic<bool> *stop)
{
    return stop && stop->load(std::memory_order_relaxed);
}

// The bytes of the file, or why they cannot be had; a missing file has none.
using textfiles::FileRead;

FileRead fileBytes(const QString &path, const QString &within, qsizetype room = 0)
{
    const textfiles::ReadRules rules = {.limit = readLimitBytes,
                                        .whenFolder = journeyText("it is a folder, not a file of cravings"),
                                        .whenNotAFile = journeyText("it is not a file of cravings"),
                                        .whenTooLarge = tooLarge(),
                                        .within = within};
    return textfiles::readFile(path, rules, room);
}

// Where the header of the older form stands in the bytes, without its line
// end; empty when the first record that is not blank is not that header.
struct Span
{
    qsizetype start = 0;
    qsizetype length = 0;
};

Span olderHeaderSpan(const QByteArray &bytes)
{
    csv::Scanner scanner(bytes);
    csv::Record record;
    while (scanner.next(record)) {
        if (record.blank())
            continue;
        if (headerOf(record) != olderFieldCount)
            return {};
        QByteArrayView line = QByteArrayView(bytes).first(scanner.position()).sliced(record.start);
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
        return {record.start, line.size()};
    }
    return {};
}

// cravings.csv keeps its full files as cravings-full-N.csv beside it.
struct FullFileNames
{
    QString base;
    QString suffix; // with its dot, or empty

    explicit FullFileNames(const QFileInfo &file)
        : base(file.completeBaseName()), suffix(file.suffix().isEmpty() ? QString() : u'.' + file.suffix())
    {}
    QString name(int number) const { return base + QStringLiteral("-full-") + QString::number(number) + suffix; }
    // The number in a full file's name, or 0.
    int number(const QString &name) const
    {
        const QString prefix = base + QStringLiteral("-full-");
        if (!name.startsWith(prefix) || !name.endsWith(suffix))
            return 0;
        const QStringView digits = QStringView(name).sliced(prefix.size(), name.size() - prefix.size() - suffix.size());
        bool ok = false;
        const int value = digits.size() <= 9 && !digits.startsWith(u'0') ? digits.toInt(&ok) : 0;
        return ok ? value : 0;
    }
};

struct FullFile
{
    int number;
    QString path;
};

QList<FullFile> fullFilesOf(const QString &path)
{
    const QFileInfo info(path);
    const FullFileNames names(info);
    // Folders and other things too: named as a full file, they are reported as unreadable.
    const QStringList found =
        info.dir().entryList({names.base + QStringLiteral("-full-*")},
                             QDir::Files | QDir::Dirs | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    QList<FullFile> files;
    for (const QString &name : found) {
        if (const int number = names.number(name); number > 0)
            files.append({number, info.dir().filePath(name)});
    }
    std::sort(files.begin(), files.end(), [](const FullFile &a, const FullFile &b) { return a.number < b.number; });
    return files;
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
        {Trigger::NotSaid, "", QT_TRANSLATE_NOOP("journey", "Not said")},
    };
    return names;
}

QString triggerKey(Trigger trigger)
{
    const TriggerName *name = triggerName(trigger);
    return name ? QString::fromLatin1(name->key) : QString();
}

QString triggerCaption(Trigger trigger)
{
    const TriggerName *name = triggerName(trigger);
    return name ? journeyText(name->caption) : QString();
}

std::optional<Trigger> triggerFromKey(const QString &key)
{
    return triggerFromBytes(key.toLatin1());
}

bool writable(const Craving &craving)
{
    return isotime::writable(craving.time) && craving.strength >= minimumStrength &&
           craving.strength <= maximumStrength && triggerName(craving.trigger) && outcomeKey(craving.outcome);
}

int readCravings(const QByteArray &bytes, const EachCraving &each, const std::atomic<bool> *stop)
{
    const QTimeZone zone = isotime::localZone();
    csv::Scanner scanner(bytes);
    csv::Record record;
    bool first = true;
    int unreadable = 0;
    while (!stopped(stop) && scanner.next(record)) {
        if (record.blank())
            continue;
        if (std::exchange(first, false) && headerOf(record) > 0)
            continue;
        if (const auto craving = cravingFrom(record, zone))
            each(*craving);
        else
            ++unreadable;
    }
    return unreadable;
}

CravingLog parseCravings(const QByteArray &bytes)
{
    CravingLog log;
    // Room for a craving a line, as far as the bytes can hold records of ours.
    log.cravings.reserve(std::min(bytes.count('\n') + 1, bytes.size() / shortestRecord.size() + 1));
    log.unreadableRows = readCravings(bytes, [&log](const Craving &craving) { log.cravings.append(craving); });
    return log;
}

QByteArray cravingsHeader()
{
    QByteArray header;
    for (const char *field : headerFields)
        header += (header.isEmpty() ? "" : ",") + QByteArray(field);
    return header + "\r\n";
}

QByteArrayView olderCravingsHeader()
{
    return olderHeader;
}

QByteArray cravingRecord(const Craving &craving)
{
    return cravingRecord(craving, isotime::localZone());
}

QByteArray cravingRecord(const Craving &craving, const QTimeZone &localZone)
{
    // A duration the reader would not take back is left out, and the craving kept.
    const bool timed = craving.seconds && *craving.seconds >= 0 && *craving.seconds <= maximumSeconds;
    return isotime::write(craving.time, localZone) + ',' + QByteArray::number(craving.strength) + ',' +
           triggerKey(craving.trigger).toLatin1() + ',' + csv::field(craving.note.toUtf8()) + ',' +
           outcomeKey(craving.outcome) + ',' + (timed ? QByteArray::number(*craving.seconds) : QByteArray()) + ',' +
           didField(craving.steps) + "\r\n";
}

QStringList CravingFile::fullFiles() const
{
    QStringList paths;
    for (const FullFile &file : fullFilesOf(m_path))
        paths << file.path;
    return paths;
}

CravingFile CravingFile::ofUser(const Environment &environment)
{
    return CravingFile(datafiles::path(environment, datafiles::File::Cravings), environment.userDataFolder);
}

CravingLog CravingFile::read() const
{
    CravingLog log;
    const CravingLog counts = read([&log](const Craving &craving) { log.cravings.append(craving); });
    log.unreadableRows = counts.unreadableRows;
    log.readable = counts.readable;
    log.problems = counts.problems;
    return log;
}

CravingLog CravingFile::read(const EachCraving &each, const std::atomic<bool> *stop) const
{
    CravingLog log;
    QStringList paths = fullFiles();
    paths << currentPath();
    for (const QString &path : std::as_const(paths)) {
        if (stopped(stop))
            break;
        const FileRead file = fileBytes(path, m_within);
        if (file.problem.isEmpty())
            log.unreadableRows += readCravings(file.bytes, each, stop);
        else
            log.problems.append({path, file.problem});
    }
    log.readable = log.problems.isEmpty();
    return log;
}

AppendResult CravingFile::append(const Craving &craving) const
{
    // What could not be read back is not written.
    if (!writable(craving))
        return {{false, notWritable()}, {}};
    // A link that leads out of the folder is neither written through nor
    // renamed aside as full, whatever the size of what it leads to.
    if (const QString outside = textfiles::whyOutside(m_within, m_path); !outside.isEmpty())
        return {{false, outside}, {}};
    if (const QString unfinished = finishStartedFile(); !unfinished.isEmpty())
        return {{false, unfinished}, {}};
    const QByteArray record = cravingRecord(craving);
    const QFileInfo info(m_path);
    if (const QString unfit = unfitFile(info); !unfit.isEmpty())
        return {{false, unfit}, {}};
    if (info.exists() && info.size() + record.size() > fullFileBytes)
        return startAfterFull(record);

    FileRead file = fileBytes(m_path, m_within, cravingsHeader().size() + record.size());
    if (!file.problem.isEmpty())
        return {{false, file.problem}, {}};
    QByteArray bytes = std::move(file.bytes);
    const qsizetype markLength =
        QByteArrayView(bytes).startsWith(csv::Scanner::byteOrderMark) ? csv::Scanner::byteOrderMark.size() : 0;
    if (bytes.size() == markLength) {
        bytes += cravingsHeader() + record;
    } else {
        // In place: the room for it is there, and at most a short unfinished record moves.
        const csv::InsertionPoint point = csv::insertionPoint(bytes);
        bytes.insert(point.position, point.lineEndFirst ? "\r\n" + record : record);
        // The header names the fields the new record has; it comes before the
        // record, so the record's place stays where it was found.
        if (const Span header = olderHeaderSpan(bytes); header.length > 0)
            bytes.replace(header.start, header.length, cravingsHeader().chopped(2));
    }
    return {textfiles::writeAtomically(m_path, bytes, {.within = m_within}), {}};
}

QString CravingFile::startedPath() const
{
    const QFileInfo info(m_path);
    return info.dir().filePath(u'.' + info.fileName() + QStringLiteral(".starting"));
}

// A full file gives way to the new one in three steps, each a whole write or
// a rename within the folder, so that whenever the steps stop, by a failure
// or a crash, either the full file is still the file of cravings, or it is
// kept under its full name and the new file holds the craving; a craving is
// said to be saved only after the last step.
// 1. The new file, header and craving, is written whole beside the full one
//    under a name of its own (startedPath()). A failure leaves all as it was;
//    a crash leaves a started file that the next full file writes over.
// 2. The full file is renamed to the next full file's name, never over
//    another file. A failure removes the started file.
// 3. The started file is renamed to the file's name, free since step 2. A
//    crash just before leaves no file but the started one: the reader reads
//    it in the file's place, and the next craving puts it there first. Should
//    this rename fail, the full file is renamed back.
// Hard links would spare the moment without the file, but some of the file
// systems a home folder lies on have none, and a crash between the link and
// the rename would show every craving of the full file twice.
AppendResult CravingFile::startAfterFull(const QByteArray &record) const
{
    const QString started = startedPath();
    const textfiles::WriteResult written =
        textfiles::writeAtomically(started, cravingsHeader() + record, {.within = m_within});
    if (!written.ok)
        return {written, {}};
    const QFileInfo info(m_path);
    const QList<FullFile> full = fullFilesOf(m_path);
    // After the highest number, so a full file that was removed leaves its number unused.
    const QString keptFull = info.dir().filePath(FullFileNames(info).name(full.isEmpty() ? 1 : full.last().number + 1));
    // QFile::rename never renames over another file.
    QFile file(m_path);
    if (!file.rename(keptFull)) {
        QFile::remove(started);
        return {{false, fullFileNotKept(shownPath(keptFull), file.errorString())}, {}};
    }
    QFile starting(started);
    if (!starting.rename(m_path)) {
        const QString reason = starting.errorString();
        if (QFile(keptFull).rename(m_path)) {
            QFile::remove(started);
            return {{false, newFileNotInPlace(reason)}, {}};
        }
        return {{false, keptWithoutNewFile(shownPath(keptFull), shownPath(started), reason)}, {}};
    }
    return {{true, QString()}, keptFull};
}

QString CravingFile::finishStartedFile() const
{
    const QFileInfo file(m_path);
    const QFileInfo started(startedPath());
    if (file.exists() || file.isSymLink() || !started.isFile() || started.isSymLink())
        return QString();
    QFile starting(started.filePath());
    if (starting.rename(m_path))
        return QString();
    return startedFileNotInPlace(shownPath(started.filePath()), starting.errorString());
}

QString CravingFile::currentPath() const
{
    const QFileInfo file(m_path);
    const QFileInfo started(startedPath());
    return !file.exists() && !file.isSymLink() && started.isFile() && !started.isSymLink() ? started.filePath()
                                                                                           : m_path;
}

} // namespace journey
