// One click on the coach's "Next" when the things-to-do file has grown to
// 100 MB: the time of the click and the memory it needs beyond what was
// resident before it.
//   bench_pager [MEGABYTES] [CLICKS]

#include "benchprogram.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTabWidget>

namespace {

bool writeThingsFile(const QString &path, qint64 megabytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray block;
    for (int line = 0; block.size() < (1 << 20); ++line)
        block += "Take a walk around the block and breathe deeply, thing number " + QByteArray::number(line) + "\r\n";
    block.truncate(1 << 20);
    for (qint64 written = 0; written < megabytes; ++written) {
        if (file.write(block) != block.size())
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const qint64 megabytes = argc > 1 ? QByteArray(argv[1]).toLongLong() : 100;
    const int clicks = argc > 2 ? QByteArray(argv[2]).toInt() : 21;

    BenchProgram program;
    if (!writeThingsFile(program.path("data/coach/things.txt"), megabytes))
        return 1;
    program.startCounter();
    program.find<QTabWidget>("SSTab1")->setCurrentIndex(3);
    program.find<QAbstractButton>("cmdthings")->click();
    auto *next = program.find<QAbstractButton>("cmdthingsnext");
    QCoreApplication::processEvents();

    // The memory first, on a click of its own, before the timing runs.
    const qint64 residentBefore = bench::statusKiB("VmRSS");
    bench::resetPeakMemory();
    next->click();
    QCoreApplication::sendPostedEvents();
    const qint64 peak = bench::statusKiB("VmHWM");

    const double median = bench::medianMicroseconds(clicks, [&] {
        next->click();
        QCoreApplication::sendPostedEvents();
    });
    bench::report("pager_click_ms", median / 1000.0);
    bench::report("pager_extra_mib", std::max<qint64>(peak - residentBefore, 0) / 1024.0);
    return 0;
}
