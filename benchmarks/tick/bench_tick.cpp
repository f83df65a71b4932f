// One tick of the counter with the repaint it causes, on the counter tab as a
// person sees it. Natively it gives the median wall time of a tick; under
// callgrind with --toggle-collect=measuredTick* it counts the instructions of
// the measured ticks alone, which wall time on a busy machine cannot.
//   bench_tick [TICKS]

#include "benchprogram.h"

#include <QApplication>

namespace {

void tick(BenchProgram &program, MainWindow &window)
{
    program.clock.advance(1);
    window.tickCounter();
    // The layout requests and the update request: the repaint, flushed to the screen.
    QCoreApplication::sendPostedEvents();
}

} // namespace

// Outside the anonymous namespace, so callgrind finds it by this name.
__attribute__((noinline)) void measuredTick(BenchProgram &program, MainWindow &window)
{
    tick(program, window);
}

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const int ticks = argc > 1 ? QByteArray(argv[1]).toInt() : 600;

    BenchProgram program;
    MainWindow &window = program.startCounter();
    for (int round = 0; round < 20; ++round) {
        QCoreApplication::processEvents();
        tick(program, window);
    }
    bench::report("tick_us", bench::medianMicroseconds(ticks, [&] { measuredTick(program, window); }));
    bench::report("ticks", ticks);
    return 0;
}
