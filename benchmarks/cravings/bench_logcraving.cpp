// Logging one craving when the file holds ten years of them, 40,000 rows:
// what the dialog's button does, from reading the file to the new file in
// place on the disk. Then the worst file it adds to: one craving short of
// full, all empty lines, the most records a file of that size holds, each of
// which the logging passes over to find the end.
//   bench_logcraving [RUNS]

#include "cravinglog/cravings.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int rows = 40000;

// Eleven a day over ten years; one in two has a note, of any length the
// dialog allows.
QByteArray tenYears()
{
    QByteArray bytes = journey::cravingsHeader();
    const QDateTime first(QDate(2016, 3, 14), QTime(7, 0));
    const QString note = QStringLiteral("After the meeting, with coffee; the \"usual\" walk helped. ").repeated(4);
    for (int row = 0; row < rows; ++row) {
        const auto trigger = journey::triggerNames().at(row % journey::triggerNames().size()).trigger;
        bytes += journey::cravingRecord({first.addSecs(qint64(row) * 7890), 1 + row % 5, trigger,
                                         row % 2 ? note.left(1 + row * 37 % journey::maximumNoteLength) : QString(),
                                         row % 4 ? journey::Outcome::Passed : journey::Outcome::Smoked});
    }
    return bytes;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 21;
    QTemporaryDir folder;
    const journey::CravingFile file(folder.filePath(QStringLiteral("cravings.csv")));
    const QByteArray bytes = tenYears();
    if (!textfiles::writeAtomically(file.path(), bytes).ok)
        return 1;

    const journey::Craving craving{QDateTime(QDate(2026, 3, 14), QTime(21, 5, 33)), 4, journey::Trigger::Stress,
                                   QStringLiteral("Right after the phone call, but it passed."),
                                   journey::Outcome::Passed};
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        if (!file.append(craving).ok)
            return 1;
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    if (file.read().cravings.size() != rows + runs)
        return 1;
    std::sort(times.begin(), times.end());
    std::printf("measure cravings_file_mib %.3f\n", bytes.size() / 1048576.0);
    std::printf("measure log_craving_ms %.3f\n", times[times.size() / 2]);

    const QByteArray header = journey::cravingsHeader();
    const QByteArray emptyLines =
        header + QByteArray(journey::fullFileBytes - header.size() - journey::cravingRecord(craving).size(), '\n');
    std::vector<double> worst;
    for (int run = 0; run < runs; ++run) {
        if (!textfiles::writeAtomically(file.path(), emptyLines).ok)
            return 1;
        QElapsedTimer timer;
        timer.start();
        const journey::AppendResult appended = file.append(craving);
        worst.push_back(timer.nsecsElapsed() / 1e6);
        // Added in place, and the file is full to the byte.
        if (!appended.ok || !appended.keptFull.isEmpty() || QFileInfo(file.path()).size() != journey::fullFileBytes)
            return 1;
    }
    std::sort(worst.begin(), worst.end());
    std::printf("measure log_craving_full_ms %.3f\n", worst[worst.size() / 2]);
    return 0;
}
