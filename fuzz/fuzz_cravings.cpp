#include "fuzzinput.h"
#include "journey/cravings.h"

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
    if (after == before + record || after == before + "\r\n" + record ||
        after == before + journey::cravingsHeader() + record)
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray before(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const journey::CravingLog read = journey::parseCravings(before);
    if (read.unreadableRows < 0 || !read.readable)
        __builtin_trap();

    FuzzFile input(data, size);
    const journey::CravingFile file(FuzzFile::path());
    const journey::Craving added{QDateTime(QDate(2026, 3, 14), QTime(21, 5, 33)), 2, journey::Trigger::Screen,
                                 QStringLiteral("a \"b\",\r\nc"), journey::Outcome::Smoked};
    if (!file.append(added).ok)
        __builtin_trap();
    const QByteArray after = contents(file.path());
    if (!keptAround(before, after, journey::cravingRecord(added)))
        __builtin_trap();
    // The new craving reads back, and nothing that was read before is lost.
    const journey::CravingLog again = journey::parseCravings(after);
    if (again.cravings.size() != read.cravings.size() + 1 || again.cravings.last() != added ||
        again.unreadableRows != read.unreadableRows)
        __builtin_trap();
    return 0;
}
