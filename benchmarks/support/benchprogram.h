#pragma once

#include "support/testwindow.h"

#include <QElapsedTimer>

#include <algorithm>
#include <vector>

// The program's main window over a program folder of its own, with a clock
// the benchmark moves on, and no dialog, printer or browser: the tests'
// program, started as the benchmarks need it.
class BenchProgram
{
public:
    BenchProgram();

    QString path(const char *relative) const { return m_program.path(relative); }
    // Builds the window, runs start-up and shows the counter running since
    // 3 March 2026, 22:00, as the answer "No" to the relapse question does.
    MainWindow &startCounter();
    // Only what is built already: a benchmark times the building itself.
    template<typename T = QWidget>
    T *find(const char *name)
    {
        return m_program.window().findChild<T *>(QString::fromLatin1(name));
    }

private:
    TestProgram m_program;

public:
    FakeClock &clock = m_program.clock;
};

namespace bench {

// Runs the work as often as asked and gives the median time of one run, in microseconds.
template<typename Work>
double medianMicroseconds(int runs, Work work)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1000.0);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// A field of /proc/self/status in KiB: VmRSS, VmHWM.
qint64 statusKiB(const char *field);
// Starts the peak of the resident memory again from what is resident now.
void resetPeakMemory();

// One line a benchmark run.sh reads: "measure NAME VALUE".
void report(const char *name, double value);

} // namespace bench
