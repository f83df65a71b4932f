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

// How a reader takes a file, and how it says why not. Every user's file is
// read through readFile(), which checks once what each of them needs: a link
// on the way that leads out of the user's folder, the kind of file (a
// regular file, never a pipe, a device or a folder, told apart without
// waiting on one), the size, and a whole read whose failure is an error,
// never the end of the file.
struct ReadRules
{
    qint64 limit = 1 << 20;
    // Readers that need only the first lines of a file take it as far as the
    // limit reaches; the others refuse a file larger than the limit.
    bool takeHead = false;
    // The reader's own words for what the file is not, for example "it is a
    // folder, not a file of plans"; empty for the general ones.
    QString whenFolder = {};
    QString whenNotAFile = {};
    QString whenTooLarge = {};
    // The folder of the user's files that the path lies in: a link below it
    // that leads out of it is not read through. Empty for shipped files.
    QString within;
};

struct FileRead
{
    enum class Outcome { Missing, Read, Unreadable };
    Outcome outcome = Outcome::Missing;
    QByteArray bytes;
    bool tooLarge = false; // read, but cut at the limit (takeHead)
    QString problem;       // why it could not be read, the reason alone

    bool exists() const { return outcome != Outcome::Missing; }
    bool unreadable() const { return outcome == Outcome::Unreadable; }
};

// The bytes of PATH under RULES, or why not. ROOM more bytes are reserved,
// so that what the caller adds needs no copy of the rest.
FileRead readFile(const QString &path, const ReadRules &rules, qsizetype room = 0);

struct LineFile
{
    bool opened = false;
    QStringList lines;       // the first maxKeptLines lines
    qsizetype lineCount = 0; // every line within maxBytes, kept or not
    QString problem;         // a file that is there and could not be read, and why
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

// The first lines of a file, read as far as maxBytes reaches. WITHIN as for
// readFile(); a line cut by the limit is left out.
LineFile readLines(const QString &path, const ReadLimits &limits = ReadLimits(), const QString &within = QString());

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
