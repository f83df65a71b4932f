#include "benchprogram.h"

#include <QFile>

#include <cstdio>

BenchProgram::BenchProgram()
{
    if (!m_program.writeRunningProfile(QDateTime(QDate(2026, 3, 3), QTime(22, 0, 0))))
        qFatal("The benchmark's profile could not be written");
}

MainWindow &BenchProgram::startCounter()
{
    MainWindow &window = m_program.start();
    window.startCounterView();
    return window;
}

namespace bench {

qint64 statusKiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

void resetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

void report(const char *name, double value)
{
    std::printf("measure %s %.3f\n", name, value);
    std::fflush(stdout);
}

} // namespace bench
