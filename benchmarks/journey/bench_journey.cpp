// Opening the journey tab for the first time, to the end of its first paint
// with the figures, after ten years of use: 60 earlier attempts in the
// history folder and 40,000 cravings. Or, with "largest", the largest log it
// reads, 64 MB of the shortest records there are: how long the window went
// without answering at most, how long until the figures showed, and how much
// more memory the program holds once they have. Only a first opening loads
// the charts module, so each process measures one. With "quit", the window is
// closed while the keeper is still reading that largest log: how long until
// the window is gone.
//   bench_journey [largest|quit]

#include "benchprogram.h"
#include "cravinglog/cravings.h"
#include "journey/journeytab.h"
#include "keeper/userfilekeeper.h"
#include "platform/regionalformats.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace {

constexpr int attempts = 60;
constexpr int cravings = 40000;
constexpr int journeyTab = 5;

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Ten years before the running quit, an attempt every two months or so, each
// a few weeks long, and a craving every couple of hours of it.
bool writeTenYears(const BenchProgram &program, const QDateTime &now)
{
    const QDateTime first = now.addYears(-10);
    for (int attempt = 0; attempt < attempts; ++attempt) {
        const QDateTime stop = first.addDays(attempt * 60);
        const QDateTime reset = stop.addDays(5 + attempt % 40).addSecs(attempt * 7);
        const QString profile = QStringLiteral("Ann\r\n20\r\neuro\r\n6.50\r\n") + regional::dateToText(stop.date()) +
                                QStringLiteral("\r\n") + regional::timeToText(stop.time()) +
                                QStringLiteral("\r\nYES\r\n");
        const QString name = reset.toString(QStringLiteral("'data/settings/history/attempt-'yyyyMMdd-HHmmss'.dat'"));
        if (!writeFile(program.path(name.toUtf8().constData()), profile.toUtf8()))
            return false;
    }
    const auto &triggers = journey::triggerNames();
    QByteArray file = journey::cravingsHeader();
    for (int n = 0; n < cravings; ++n) {
        journey::Craving craving;
        craving.time = first.addSecs(qint64(n) * 7890);
        craving.strength = 1 + n % 5;
        craving.trigger = triggers.isEmpty() ? journey::Trigger::Other : triggers.at(n % triggers.size()).trigger;
        craving.note = n % 4 == 0 ? QStringLiteral("after the call, \"again\"") : QString();
        craving.outcome = n % 9 == 0 ? journey::Outcome::Smoked : journey::Outcome::Passed;
        file += journey::cravingRecord(craving);
    }
    return writeFile(program.path("data/journey/cravings.csv"), file);
}

// Every one a craving of the days shown, whose local day must be found.
bool writeLargest(const BenchProgram &program)
{
    const QByteArray header = journey::cravingsHeader();
    const QByteArray shortest = "2026-03-05T08:30:15Z,1,meal,,passed\r\n";
    return writeFile(program.path("data/journey/cravings.csv"),
                     header + shortest.repeated((journey::readLimitBytes - header.size()) / shortest.size()));
}

// Turns the event loop until the tab has read its files, keeping the longest
// time between two turns.
double longestPauseUntilRead(const JourneyTab &tab, const QElapsedTimer &clock, qint64 lastTurn)
{
    qint64 longest = 0;
    const auto turn = [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - lastTurn);
        lastTurn = now;
    };
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, turn);
    ticker.start(1);
    while (tab.isBusy())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    // The figures shown, then painted.
    QCoreApplication::sendPostedEvents();
    turn();
    return longest / 1e6;
}

// Well within the time the largest log takes to read, which starts with the program.
constexpr int readingMilliseconds = 300;

// The window closed while the figures are being read: the milliseconds until
// it is gone, or a negative number when the read was not under way.
double quitWhileReading(MainWindow &window)
{
    const auto *keeper = window.findChild<UserFileKeeper *>();
    QTest::qWait(readingMilliseconds);
    if (!keeper || keeper->figuresKnown() || !window.isVisible())
        return -1;
    QElapsedTimer timer;
    timer.start();
    window.close();
    // The hidden window told to the display.
    QCoreApplication::processEvents();
    const double gone = timer.nsecsElapsed() / 1e6;
    // Stopped, not read to the end.
    if (window.isVisible() || keeper->figuresKnown())
        return -1;
    return gone;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));

    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    const bool quitting = mode == "quit";
    const bool largest = mode == "largest" || quitting;
    BenchProgram program;
    if (!(largest ? writeLargest(program) : writeTenYears(program, program.clock.now())))
        return 1;
    MainWindow &window = program.startCounter();
    if (quitting) {
        const double gone = quitWhileReading(window);
        if (gone < 0)
            return 1;
        bench::report("journey_quit_gone_ms", gone);
        return 0;
    }
    for (int round = 0; round < 5; ++round)
        QCoreApplication::processEvents();

    auto *tabs = program.find<QTabWidget>("SSTab1");
    const qint64 residentBefore = bench::statusKiB("VmRSS");
    QElapsedTimer timer;
    timer.start();
    tabs->setCurrentIndex(journeyTab);
    // The files read on their thread, the figures shown, then painted and flushed to the screen.
    const double pause = longestPauseUntilRead(*program.find<JourneyTab>("journeytab"), timer, 0);
    window.repaint();
    const double milliseconds = timer.nsecsElapsed() / 1e6;
    // Every attempt and the charts were there to be painted.
    const auto *table = program.find<QTableWidget>("tbljourney");
    if (!program.find("chtattempts") || !table || table->rowCount() < (largest ? 2 : attempts + 1))
        return 1;
    if (!largest) {
        bench::report("journey_open_ms", milliseconds);
        return 0;
    }
    bench::report("journey_largest_pause_ms", pause);
    bench::report("journey_largest_figures_ms", milliseconds);
    bench::report("journey_largest_kept_mib", (bench::statusKiB("VmRSS") - residentBefore) / 1024.0);
    return 0;
}
