#pragma once

#include "app/mainwindow.h"
#include "platform/xdgautostart.h"
#include "support/fakes.h"

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>
#include <vector>

// The program's main window over a program folder of its own, with a clock
// the benchmark moves on, and no dialog, printer or browser.
class BenchProgram
{
public:
    BenchProgram();

    QString path(const char *relative) const { return m_folder.filePath(QString::fromUtf8(relative)); }
    // Builds the window, runs start-up and shows the counter running since
    // 3 March 2026, 22:00, as the answer "No" to the relapse question does.
    MainWindow &startCounter();
    template<typename T = QWidget>
    T *find(const char *name) const
    {
        return m_window->findChild<T *>(QString::fromLatin1(name));
    }

    FakeClock clock;

private:
    ScriptedRandom m_random;
    MessageRecorder m_messages;
    FakeInstanceGuard m_instanceGuard;
    NoDevices m_devices;
    QTemporaryDir m_folder;
    QTemporaryDir m_configHome;
    XdgAutostart m_autostart;
    Environment m_environment;
    std::unique_ptr<MainWindow> m_window;
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
