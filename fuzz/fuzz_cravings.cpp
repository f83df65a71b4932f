#include "cravinglog/cravings.h"
#include "fuzzinput.h"

#include <QFile>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The old bytes are all there, in their order, around the new record: after
// them (with a line end first, or a header in an empty file), or before an
// unfinished last record.
bool keptAround(const QByteArray &before, const QByteArray &after, const QByteArray &record)
{
    const bool empty = before.isEmpty() || before == "\xEF\xBB\xBF";
    if (after == before + record || after == before + "\r\n" + record ||
        (empty && after == before + journey::cravingsHeader() + record))
        return true;
    if (after.size() != before.size() + record.size())
        return false;
    qsizetype common = 0;
    while (common < before.size() && before.at(common) == after.at(common))
        ++common;
    for (qsizetype at = std::max<qsizetype>(0, common - record.size()); at <= common; ++at) {
        if (after.mid(at, record.size()) == record && after.mid(at + record.size()) == before.mid(at))
            return true;
    }
    return false;
}

// Where the first line that is not empty begins, past a byte-order mark.
qsizetype firstLine(const QByteArray &bytes)
{
    qsizetype at = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (at < bytes.size() && (bytes.at(at) == '\r' || bytes.at(at) == '\n'))
        ++at;
    return at;
}

// Whether the bytes are the five older field names, each maybe in quotes and
// blanks, in any case: what a spreadsheet may have made of the header.
bool looksLikeOlderHeader(const QByteArray &line)
{
    const QList<QByteArray> fields = line.split(',');
    const QList<QByteArray> names = journey::olderCravingsHeader().toByteArray().split(',');
    if (fields.size() != names.size())
        return false;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        QByteArray name = fields.at(i).trimmed();
        if (name.size() >= 2 && name.startsWith('"') && name.endsWith('"'))
            name = name.mid(1, name.size() - 2).trimmed();
        if (name.toLower() != names.at(i))
            return false;
    }
    return true;
}

// The bytes after logging, checked against the bytes before: kept around
// the record, and the header of five fields turned into the header of seven
// with no other byte changed. The header exactly as the program wrote it
// must be turned; one a spreadsheet changed may be.
bool keptWithHeader(const QByteArray &before, const QByteArray &after, const QByteArray &record)
{
    const qsizetype start = firstLine(before);
    const QByteArrayView older = journey::olderCravingsHeader();
    const QByteArray rest = before.mid(start + older.size());
    const bool written = before.mid(start).startsWith(older.toByteArray()) &&
                         (rest.isEmpty() || rest.startsWith('\r') || rest.startsWith('\n'));
    if (!written && keptAround(before, after, record))
        return true;
    const QByteArray header = journey::cravingsHeader().chopped(2);
    if (!after.startsWith(before.left(start) + header))
        return false;
    const QByteArray afterHeader = after.mid(start + header.size());
    // The older header's end follows from the sizes, with or without a line end put before the record.
    for (const qsizetype lineEnd : {0, 2}) {
        const qsizetype end = start + before.size() + header.size() + record.size() + lineEnd - after.size();
        if (end < start || end > before.size() || (written && end != start + older.size()))
            continue;
        if (looksLikeOlderHeader(before.mid(start, end - start)) && keptAround(before.mid(end), afterHeader, record))
            return true;
    }
    return false;
}

// A craving timed by "Ride it out", its length and steps taken from the
// input's size so that the runs cover the fields' forms.
journey::Craving timedCraving(size_t size)
{
    journey::Craving craving{QDateTime(QDate(2026, 3, 14), QTime(21, 5, 33)), 2, journey::Trigger::Screen,
                             QStringLiteral("a \"b\",\r\nc"), journey::Outcome::Smoked};
    craving.seconds = int(size * 7919 % (journey::maximumSeconds + 1));
    const QList<journey::CopingStepName> &steps = journey::copingSteps();
    for (qsizetype i = 0; i < steps.size(); ++i) {
        if ((size >> i) & 1)
            craving.steps.append(steps.at(i).step);
    }
    return craving;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray before(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const journey::CravingLog read = journey::parseCravings(before);
    if (read.unreadableRows < 0 || !read.readable)
        __builtin_trap();
    // Whatever a record holds, a duration is within a day and steps are each there once.
    for (const journey::Craving &craving : read.cravings) {
        if (craving.seconds && (*craving.seconds < 0 || *craving.seconds > journey::maximumSeconds))
            __builtin_trap();
        for (const journey::CopingStep step : craving.steps) {
            if (craving.steps.count(step) != 1)
                __builtin_trap();
        }
    }

    FuzzFile input(data, size);
    const journey::CravingFile file(FuzzFile::path());
    const journey::Craving added = timedCraving(size);
    if (!file.append(added).ok)
        __builtin_trap();
    const QByteArray after = contents(file.path());
    if (!keptWithHeader(before, after, journey::cravingRecord(added)))
        __builtin_trap();
    // The new craving reads back with its length and steps, and everything
    // read before reads the same, the records that could not be read too.
    const journey::CravingLog again = journey::parseCravings(after);
    if (again.cravings.size() != read.cravings.size() + 1 || again.cravings.last() != added ||
        again.cravings.first(read.cravings.size()) != read.cravings || again.unreadableRows != read.unreadableRows)
        __builtin_trap();
    return 0;
}
