// Times the work the counter's companions do on their ticks: the milestone
// message and the statistics sentences, 100000 times each over a spread of
// smoke-free times. Prints the time per evaluation.

#include "encourage/milestones.h"
#include "progress/statistics.h"
#include "records/quitprofile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

namespace {

constexpr int evaluations = 100000;

SmokeFreeTime spread(int i)
{
    // Walks minute by minute through the first days, then jumps ahead, so
    // every kind of rule gets its share.
    const int minute = i * 7;
    return {minute / 1440 % 400, minute / 60 % 24, minute % 60, 0};
}

template<typename Work>
void measure(QTextStream &out, const char *name, Work work)
{
    qsizetype sink = 0;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < evaluations; ++i)
        sink += work(spread(i));
    const qint64 nanoseconds = timer.nsecsElapsed();
    out << name << ": " << evaluations << " in " << nanoseconds / 1000000.0 << " ms, "
        << double(nanoseconds) / evaluations << " ns each (" << sink << ")\n";
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    const QString name = QStringLiteral("Ann");
    QuitProfile profile;
    profile.cigarettesPerDay = 20;
    profile.moneyPerDay = QStringLiteral("6.50");
    profile.currencyName = QStringLiteral("euro");

    measure(out, "milestone messages", [&](const SmokeFreeTime &shown) {
        const MilestoneMessage message = milestoneMessage(shown, name);
        return message.companion.size() + message.doctor.size();
    });
    measure(out, "statistics sentences", [&](const SmokeFreeTime &shown) {
        const statistics::Sentences sentences = statistics::sentences(shown, profile);
        return sentences.cigarettes.size() + sentences.money.size();
    });
    return 0;
}
