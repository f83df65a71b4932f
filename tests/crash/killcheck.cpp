// Kills the program's writers with SIGKILL at random moments while they write
// their files, again and again, and checks after every kill that the file is
// whole: the old version or the new one, never torn, never empty.
//   killcheck [KILLS]     KILLS for each writer, 1000 when not given
//   killcheck full-disk   each writer once more on a disk that is full: a
//                         small tmpfs, mounted as root (ends with 77, skipped,
//                         for anyone else)
// Prints what it found for each writer and fails on the first torn file.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

#include <unistd.h>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The writer draws its documents with no display.
QProcessEnvironment offscreen()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

struct Tally
{
    int first = 0;
    int second = 0;
};

// One writer, killed that many times; false at the first file that is not whole.
bool killWhileWriting(const QString &writer, int kills, QRandomGenerator &random, Tally &tally)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("file"));
    for (int kill = 0; kill < kills; ++kill) {
        QProcess process;
        process.setProcessEnvironment(offscreen());
        process.start(QStringLiteral(CRASH_WRITER), {writer, path});
        if (!process.waitForReadyRead(30000) || !process.readLine().startsWith("writing")) {
            std::fprintf(stderr, "%s: the writer did not start: %s\n", qPrintable(writer),
                         process.readAllStandardError().constData());
            return false;
        }
        // Anywhere within the next writes, short or long.
        QThread::usleep(random.bounded(30000));
        process.kill();
        process.waitForFinished();
        const QByteArray found = contents(path);
        if (found == contents(path + QStringLiteral(".a"))) {
            ++tally.first;
        } else if (found == contents(path + QStringLiteral(".b"))) {
            ++tally.second;
        } else {
            std::fprintf(stderr, "%s: after kill %d the file holds %lld bytes that are neither version\n",
                         qPrintable(writer), kill + 1, static_cast<long long>(found.size()));
            return false;
        }
    }
    // The file and its two versions; anything else is a temporary file a kill left behind.
    const qsizetype strays = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size() - 3;
    std::printf("%s: %d kills, the file whole every time (first version %d, second %d), "
                "%lld temporary files left behind\n",
                qPrintable(writer), kills, tally.first, tally.second, static_cast<long long>(strays));
    return true;
}

constexpr const char *writers[] = {"profile", "settings", "personal", "cravings"};
constexpr int skipped = 77;

// Runs a program to its end; its exit code, or -1 when it did not end normally.
int run(const QString &program, const QStringList &arguments, QByteArray *output = nullptr)
{
    QProcess process;
    process.setProcessEnvironment(offscreen());
    process.start(program, arguments);
    const bool ended = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
    if (output)
        *output = process.readAllStandardOutput().trimmed();
    return ended ? process.exitCode() : -1;
}

// A full disk is not a kill: the writer finds out halfway, and must leave the
// old file exactly as it was and say that it could not write.
int writeOnFullDisk()
{
    if (geteuid() != 0) {
        std::puts("full disk: skipped, mounting a small disk needs root");
        return skipped;
    }
    QTemporaryDir mountPoint;
    const QString disk = mountPoint.path();
    if (run(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=4m,mode=700", "clearwind-full", disk}) != 0) {
        std::puts("full disk: no small disk could be mounted, although root can");
        return 1;
    }
    int failures = 0;
    for (const char *writer : writers) {
        const QString path = disk + QStringLiteral("/file");
        QByteArray said;
        const int code = run(QStringLiteral(CRASH_WRITER), {QString::fromLatin1(writer), path, "full"}, &said);
        const bool whole = contents(path) == contents(path + QStringLiteral(".a"));
        std::printf("%s on a full disk: %s, the file %s\n", writer, said.constData(), whole ? "as it was" : "CHANGED");
        if (code != 0 || !whole)
            ++failures;
        for (const QString &name : QDir(disk).entryList(QDir::Files | QDir::Hidden))
            QFile::remove(disk + u'/' + name);
    }
    run(QStringLiteral("umount"), {"-l", disk});
    return failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (argc > 1 && QByteArray(argv[1]) == "full-disk")
        return writeOnFullDisk();
    const int kills = argc > 1 ? QByteArray(argv[1]).toInt() : 1000;
    const quint32 seed = QRandomGenerator::system()->generate();
    std::printf("seed %u\n", seed);
    QRandomGenerator random(seed);
    for (const char *writer : writers) {
        Tally tally;
        if (!killWhileWriting(QString::fromLatin1(writer), kills, random, tally))
            return 1;
    }
    return 0;
}
