#include "cravinglog/csvscanner.h"
#include "fuzzinput.h"
#include "moment/plans.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Every plan is one line, kept as the writer keeps it.
bool wellKept(const journey::PlanBook &book)
{
    for (const auto &[trigger, plan] : book.plans) {
        if (plan.isEmpty() || plan.size() > journey::maximumPlanLength || journey::keptPlan(plan) != plan ||
            trigger == journey::Trigger::NotSaid)
            return false;
    }
    return book.unreadableRows >= 0;
}

// The bytes of the records that are not the trigger's own, in their order,
// and whether any is: what setting the trigger's plan must leave as it is.
struct Others
{
    QByteArray bytes;
    bool own = false;
    bool lastLineEnded = true; // the last record has a line end, or there is none
    bool unfinished = false;   // the last record is inside quotes that never close
};

Others othersOf(const QByteArray &bytes, journey::Trigger trigger)
{
    const QByteArray key = journey::triggerKey(trigger).toLatin1();
    Others others;
    journey::csv::Scanner scanner(bytes);
    journey::csv::Record record;
    if (bytes.startsWith(journey::csv::Scanner::byteOrderMark.toByteArray()))
        others.bytes = journey::csv::Scanner::byteOrderMark.toByteArray();
    while (scanner.next(record)) {
        const QByteArray span = bytes.mid(record.start, scanner.position() - record.start);
        if (record.wellFormed && !record.insideQuotes && record.fieldCount == 2 &&
            record.fields.at(0).trimmed() == key) {
            others.own = true;
            continue;
        }
        others.bytes += span;
        others.lastLineEnded = record.lineEnded;
        others.unfinished = record.insideQuotes;
    }
    return others;
}

// The bytes after setting a plan: the others kept byte for byte, and the
// plan's one record among them (or none for an empty plan).
bool keptByteForByte(const QByteArray &before, const QByteArray &after, journey::Trigger trigger, const QString &plan)
{
    const Others old = othersOf(before, trigger);
    const Others now = othersOf(after, trigger);
    if (plan.isEmpty())
        return !now.own && (old.own ? now.bytes == old.bytes : after == before);
    if (!now.own)
        return false;
    if (now.bytes == old.bytes)
        return true;
    // A record with nothing before it gets the header first; a last record
    // without a line end gets one before the new record follows.
    const QByteArray mark = journey::csv::Scanner::byteOrderMark.toByteArray();
    if (!old.own && (before.isEmpty() || before == mark) && now.bytes == before + "trigger,plan\r\n")
        return true;
    return !old.own && !old.lastLineEnded && !old.unfinished && now.bytes == old.bytes + "\r\n";
}

// The plan set, from the input's size: each trigger in turn, now and then
// an empty plan, and a plan with the marks of the format, longer than a
// plan may be.
journey::Trigger triggerFor(size_t size)
{
    const auto &names = journey::triggerNames();
    return names.at(qsizetype(size % (names.size() - 1))).trigger;
}

QString planFor(size_t size)
{
    switch (size / 11 % 4) {
    case 0:
        return QString();
    case 1:
        return QStringLiteral(" go out, \"then\"\r\ndrink water ");
    case 2:
        return QStringLiteral("call Sam \u00e9\U0001F600 ").repeated(20);
    default:
        return QStringLiteral("take a walk");
    }
}

// A file too large to be read at all is never written, whatever it holds.
void neverWritesOverTooLarge(const QByteArray &input, const QString &path, const QString &within)
{
    const QByteArray bytes = (input.isEmpty() ? QByteArray("x") : input)
                                 .repeated(journey::plansReadLimitBytes / std::max<qsizetype>(1, input.size()) + 1);
    if (!writeFile(path, bytes))
        __builtin_trap();
    const journey::PlansFile file(path, within);
    const journey::PlanBook book = file.read();
    if (book.readable || !book.plans.empty() || book.problem.isEmpty())
        __builtin_trap();
    if (file.setPlan(journey::Trigger::Coffee, QStringLiteral("take a walk")).ok || contents(path) != bytes)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray before(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    FuzzFile input(data, size);
    const QString within = QFileInfo(FuzzFile::path()).absolutePath();
    const journey::PlansFile file(FuzzFile::path(), within);
    const journey::PlanBook book = file.read();
    if (!book.readable || !wellKept(book))
        __builtin_trap();

    const journey::Trigger trigger = triggerFor(size);
    const QString text = planFor(size);
    const QString plan = journey::keptPlan(text);
    if (!file.setPlan(trigger, text).ok)
        __builtin_trap();
    const QByteArray after = contents(file.path());
    if (!keptByteForByte(before, after, trigger, plan))
        __builtin_trap();
    // The plan reads back; every other plan and every row that could not be read stay.
    journey::PlanBook expected = book;
    if (plan.isEmpty())
        expected.plans.erase(trigger);
    else
        expected.plans[trigger] = plan;
    const journey::PlanBook again = file.read();
    if (!again.readable || again.plans != expected.plans || again.unreadableRows != book.unreadableRows)
        __builtin_trap();

    if (size % 64 == 63)
        neverWritesOverTooLarge(before, QFileInfo(FuzzFile::path()).dir().filePath(QStringLiteral("large.csv")),
                                within);
    return 0;
}
