// Kills the program's writers with SIGKILL at random moments while they write
// their files, again and again, and checks after every kill that the file is
// whole: the old version or the new one, never torn, never empty.
//   killcheck [KILLS]     KILLS for each writer, 1000 when not given
// Prints what it found for each writer and fails on the first torn file.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(environment);
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

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const int kills = argc > 1 ? QByteArray(argv[1]).toInt() : 1000;
    const quint32 seed = QRandomGenerator::system()->generate();
    std::printf("seed %u\n", seed);
    QRandomGenerator random(seed);
    for (const char *writer : {"profile", "settings", "personal", "cravings"}) {
        Tally tally;
        if (!killWhileWriting(QString::fromLatin1(writer), kills, random, tally))
            return 1;
    }
    return 0;
}
