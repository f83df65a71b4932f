#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>
#include <QStringList>

#include <functional>

// Line files: one item a line, a line ending at CR LF, a lone CR or LF.
// Text is UTF-8, or windows-1252 where the bytes are not valid UTF-8.
namespace textfiles {

// How much of a file a reader takes at most: it reads what it needs and stops.
struct ReadLimits
{
    qsizetype maxBytes = 1 << 20;
    qsizetype maxKeptLines = 10000;
};

struct LineFile
{
    bool opened = false;
    QStringList lines;       // the first maxKeptLines lines
    qsizetype lineCount = 0; // every line within maxBytes, kept or not
};

QString decode(const QByteArray &bytes);

// Every byte of an opened file, up to LIMIT, or why not: larger than the
// limit, or a read that failed or ended short of the size the file had when
// it was measured (MEASURED_SIZE; -1 takes the device's own). Such a read is
// never taken for the end of the file: whatever was built from it and written
// back would lose the rest. ROOM more bytes are reserved, so that what the
// caller adds needs no copy of the rest.
struct WholeFile
{
    QByteArray bytes;
    bool tooLarge = false;
    QString error; // why not, in the system's words or ours; also set when too large
};
WholeFile readWhole(QIODevice &device, qint64 limit, qint64 measuredSize = -1, qsizetype room = 0);
QStringList splitLines(const QString &text, qsizetype maxKept, qsizetype *lineCount = nullptr);

LineFile readLines(const QString &path, const ReadLimits &limits = ReadLimits());

// Lines joined, each followed by CR LF, encoded as UTF-8.
QByteArray joinLines(const QStringList &lines);

struct WriteResult
{
    bool ok = false;
    QString error;
};

struct WriteOptions
{
    // Replace those of the old file; without, the old file's are kept.
    QFileDevice::Permissions permissions = {};
    // The folder of the user's own files that the path lies in. A link below
    // it that leads out of it is never written through: another user who
    // could once write in the folder may have planted it.
    QString within;
};

// Writes the whole file or nothing: the old file or the new one remains,
// never a torn one, however the write fails (a full disk included). Creates
// the folder when it is missing. A failure comes back with the system's
// reason.
WriteResult writeAtomically(const QString &path, const QByteArray &bytes, const WriteOptions &options = {});

// The first link on the way from FOLDER down to PATH that leads out of
// FOLDER; empty when there is none, or when PATH does not lie below FOLDER.
// FOLDER itself may be a link.
QString linkLeadingOut(const QString &folder, const QString &path);
// Why PATH may not be used, in the words of a reason, when such a link lies
// on its way; empty when none does. For readers that refuse it too.
QString whyOutside(const QString &folder, const QString &path);

namespace testing {
// Runs in every atomic write after the bytes are written and before they
// become the file, so a test can make that last step fail the way a full disk
// or a network folder makes it fail. Empty outside tests.
void setBeforeCommit(std::function<void(const QString &path)> hook);
} // namespace testing

struct RemoveResult
{
    bool ok = false;
    QString error;
};

// Removes a file; succeeds when the file is gone afterwards.
RemoveResult remove(const QString &path);

} // namespace textfiles
