#include "platform/textfiles.h"
#include "platform/platformtexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace textfiles {

namespace {

// The length of the bytes without a UTF-8 sequence that the end cuts short.
qsizetype withoutBrokenCharacterAtEnd(const QByteArray &bytes)
{
    qsizetype size = bytes.size();
    for (qsizetype back = 1; back <= 3 && back <= size; ++back) {
        const auto byte = static_cast<unsigned char>(bytes.at(size - back));
        if ((byte & 0xC0) != 0x80) {
            const int length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
            return length > back ? size - back : size;
        }
    }
    return size;
}

std::function<void(const QString &)> &beforeCommit()
{
    static std::function<void(const QString &)> hook;
    return hook;
}

bool isInside(const QString &folder, const QString &path)
{
    return path == folder || path.startsWith(folder + u'/');
}

// Where a link leads, with every link on the way resolved. A link to nothing
// yet leads where it names: writing through it would make that file.
QString destination(const QFileInfo &link)
{
    if (const QString resolved = link.canonicalFilePath(); !resolved.isEmpty())
        return resolved;
    const QFileInfo named(link.symLinkTarget());
    const QString namedFolder = QFileInfo(named.absolutePath()).canonicalFilePath();
    return namedFolder.isEmpty() ? QDir::cleanPath(named.absoluteFilePath()) : namedFolder + u'/' + named.fileName();
}

// Why a write through LINK on the way to PATH is refused, in the words of a reason.
QString leadsOut(const QString &link, const QString &path)
{
    const QString where = QDir::toNativeSeparators(destination(QFileInfo(link)));
    if (QDir::cleanPath(link) == QDir::cleanPath(path))
        return PlatformTexts::tr("it is a link to %1, outside the folder of your files")
            .arg(where);
    return PlatformTexts::tr("%1 is a link to %2, outside the folder of your files")
        .arg(QDir::toNativeSeparators(link), where);
}

} // namespace

void testing::setBeforeCommit(std::function<void(const QString &path)> hook)
{
    beforeCommit() = std::move(hook);
}

QString decode(const QByteArray &bytes)
{
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(view);
    if (!utf8.hasError())
        return text;
    QStringDecoder ansi("windows-1252");
    if (ansi.isValid())
        return ansi.decode(view);
    return QString::fromLatin1(view.data(), view.size());
}

WholeFile readWhole(QIODevice &device, qint64 limit, qint64 measuredSize, qsizetype room)
{
    if (measuredSize < 0)
        measuredSize = device.size();
    const auto tooLarge = [limit] {
        return WholeFile{{},
                         true,
                         PlatformTexts::tr("it is larger than %1 MB")
                             .arg(double(limit) / (1024 * 1024), 0, 'g', 3)};
    };
    // A file that says it is too large is not read at all.
    if (measuredSize > limit)
        return tooLarge();
    // Up to one byte beyond the limit, which tells a file that grew past it since it was measured.
    QByteArray bytes;
    bytes.reserve(qsizetype(measuredSize) + 1 + room);
    bytes.resize(qsizetype(measuredSize) + 1);
    qsizetype read = 0;
    for (;;) {
        if (read == bytes.size()) {
            if (read > limit)
                break;
            bytes.resize(qsizetype(std::min<qint64>(read + 65536, limit + 1)));
        }
        const qint64 got = device.read(bytes.data() + read, bytes.size() - read);
        if (got < 0)
            return {{}, false, device.errorString()};
        if (got == 0)
            break;
        read += got;
    }
    if (read > limit)
        return tooLarge();
    if (read < measuredSize)
        return {
            {},
            false,
            PlatformTexts::tr("it ended after %1 of its %2 bytes").arg(read).arg(measuredSize)};
    bytes.resize(read);
    return {std::move(bytes), false, QString()};
}

QStringList splitLines(const QString &text, qsizetype maxKept, qsizetype *lineCount)
{
    QStringList lines;
    qsizetype count = 0;
    qsizetype start = 0;
    const qsizetype size = text.size();
    auto take = [&](qsizetype end) {
        if (count < maxKept)
            lines.append(text.mid(start, end - start));
        ++count;
    };
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c == u'\r') {
            take(i);
            if (i + 1 < size && text.at(i + 1) == u'\n')
                ++i;
            start = i + 1;
        } else if (c == u'\n') {
            take(i);
            start = i + 1;
        }
    }
    if (start < size)
        take(size);
    if (lineCount)
        *lineCount = count;
    return lines;
}

namespace {

FileRead unreadable(const QString &problem)
{
    return {FileRead::Outcome::Unreadable, {}, false, problem};
}

QString orGeneral(const QString &own, const char *general)
{
    return own.isEmpty() ? PlatformTexts::tr(general) : own;
}

// The first LIMIT bytes of a file, and whether there was more.
FileRead readHead(QFile &file, qint64 limit)
{
    QByteArray bytes(qsizetype(std::min<qint64>(std::max<qint64>(file.size(), 0), limit)), Qt::Uninitialized);
    qsizetype read = 0;
    for (;;) {
        if (read == bytes.size()) {
            if (read >= limit)
                break;
            bytes.resize(qsizetype(std::min<qint64>(read + 65536, limit)));
        }
        const qint64 got = file.read(bytes.data() + read, bytes.size() - read);
        if (got < 0)
            return unreadable(file.errorString());
        if (got == 0)
            break;
        read += got;
    }
    bytes.resize(read);
    char probe = 0;
    const bool more = read >= limit && file.read(&probe, 1) == 1;
    return {FileRead::Outcome::Read, std::move(bytes), more, QString()};
}

} // namespace

FileRead readFile(const QString &path, const ReadRules &rules, qsizetype room)
{
    if (const QString outside = whyOutside(rules.within, path); !outside.isEmpty())
        return unreadable(outside);
    // Opened without waiting: a pipe without a writer would hold the reader
    // for ever. What the descriptor is, is then asked of it, not of the name,
    // which another program may have changed in between.
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        const int error = errno;
        // A file on the way where a folder should be leaves no file here either.
        if (error == ENOENT || error == ENOTDIR)
            return {};
        return unreadable(qt_error_string(error));
    }
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return unreadable(file.errorString());
    }
    struct stat status = {};
    if (::fstat(descriptor, &status) != 0)
        return unreadable(qt_error_string(errno));
    if (S_ISDIR(status.st_mode))
        return unreadable(orGeneral(rules.whenFolder, QT_TRANSLATE_NOOP("PlatformTexts", "it is a folder, not a file")));
    if (!S_ISREG(status.st_mode))
        return unreadable(
            orGeneral(rules.whenNotAFile, QT_TRANSLATE_NOOP("PlatformTexts", "it is not a file but a pipe or a device")));
    // A regular file never blocks; the flag goes so that nothing below meets it.
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    if (rules.takeHead)
        return readHead(file, rules.limit);
    WholeFile whole = readWhole(file, rules.limit, status.st_size, room);
    if (whole.tooLarge)
        return unreadable(rules.whenTooLarge.isEmpty() ? whole.error : rules.whenTooLarge);
    if (!whole.error.isEmpty())
        return unreadable(whole.error);
    return {FileRead::Outcome::Read, std::move(whole.bytes), false, QString()};
}

LineFile readLines(const QString &path, const ReadLimits &limits, const QString &within)
{
    LineFile result;
    // Binary, as every read here: text mode drops a lone CR.
    FileRead file = readFile(path, {.limit = limits.maxBytes, .takeHead = true, .within = within});
    result.problem = file.problem;
    if (file.outcome != FileRead::Outcome::Read)
        return result;
    result.opened = true;
    QByteArray &bytes = file.bytes;
    if (file.tooLarge) {
        // Cut off where the limit fell: the last line read is only a part of
        // one, and may end inside a character.
        const qsizetype lastBreak = std::max(bytes.lastIndexOf('\n'), bytes.lastIndexOf('\r'));
        if (lastBreak >= 0)
            bytes.truncate(lastBreak + 1);
        else
            bytes.truncate(withoutBrokenCharacterAtEnd(bytes));
    }
    result.lines = splitLines(decode(bytes), limits.maxKeptLines, &result.lineCount);
    return result;
}

QByteArray joinLines(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

WriteResult writeAtomically(const QString &path, const QByteArray &bytes, const WriteOptions &options)
{
    if (const QString outside = whyOutside(options.within, path); !outside.isEmpty())
        return {false, outside};
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return {false, PlatformTexts::tr("its folder %1 could not be created")
                           .arg(QDir::toNativeSeparators(folder))};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    const auto cancelled = [&file](const QString &error) {
        file.cancelWriting();
        return WriteResult{false, error};
    };
    // Before a byte is written, so the content is never readable by others.
    if (options.permissions && !file.setPermissions(options.permissions))
        return cancelled(file.errorString());
    // Each step can fail on a full disk, and commit() alone does not notice
    // when the last bytes it holds back could not be written: it would
    // replace the file with a short or empty one and say that all went well.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError)
        return cancelled(file.errorString());
    // Some file systems take the bytes and refuse them only when they are
    // made lasting. One that cannot say (EINVAL) is trusted.
    if (::fdatasync(file.handle()) != 0 && errno != EINVAL)
        return cancelled(qt_error_string(errno));
    if (beforeCommit())
        beforeCommit()(path);
    // The rename that makes the new bytes the file can fail too.
    if (!file.commit())
        return {false, file.errorString()};
    return {true, QString()};
}

QString whyOutside(const QString &folder, const QString &path)
{
    if (folder.isEmpty())
        return QString();
    const QString link = linkLeadingOut(folder, path);
    return link.isEmpty() ? QString() : leadsOut(link, path);
}

QString linkLeadingOut(const QString &folder, const QString &path)
{
    const QString root = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    const QString target = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (!target.startsWith(root + u'/'))
        return QString();
    QString canonicalRoot = QFileInfo(root).canonicalFilePath();
    if (canonicalRoot.isEmpty())
        canonicalRoot = root;
    QString step = root;
    for (const QString &name : target.sliced(root.size() + 1).split(u'/')) {
        step += u'/' + name;
        const QFileInfo info(step);
        if (info.isSymLink() && !isInside(canonicalRoot, destination(info)))
            return step;
    }
    return QString();
}

RemoveResult remove(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return {true, QString()};
    if (file.remove())
        return {true, QString()};
    return {false, file.errorString()};
}

} // namespace textfiles
