// Opening the journey tab for the first time, to the end of its first paint,
// after ten years of use: 60 earlier attempts in the history folder and
// 40,000 cravings. Only a first opening loads the charts module, so each
// process measures one.
//   bench_journey

#include "benchprogram.h"
#include "journey/cravings.h"
#include "platform/regionalformats.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTableWidget>

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

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));

    BenchProgram program;
    if (!writeTenYears(program, program.clock.now()))
        return 1;
    MainWindow &window = program.startCounter();
    for (int round = 0; round < 5; ++round)
        QCoreApplication::processEvents();

    auto *tabs = program.find<QTabWidget>("SSTab1");
    QElapsedTimer timer;
    timer.start();
    tabs->setCurrentIndex(journeyTab);
    // The layout requests, then the paint, flushed to the screen.
    QCoreApplication::sendPostedEvents();
    window.repaint();
    const double milliseconds = timer.nsecsElapsed() / 1e6;
    // Every attempt and the charts were there to be painted.
    const auto *table = program.find<QTableWidget>("tbljourney");
    if (!program.find("chtattempts") || !table || table->rowCount() < attempts + 1)
        return 1;
    bench::report("journey_open_ms", milliseconds);
    return 0;
}
