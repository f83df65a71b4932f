#include "benchprogram.h"

#include "platform/regionalformats.h"

#include <QDir>
#include <QFile>

#include <cstdio>

BenchProgram::BenchProgram() : m_autostart(m_configHome.filePath(QStringLiteral("autostart")))
{
    QDir(m_folder.path()).mkpath(QStringLiteral("data/settings"));
    const QDateTime stop(QDate(2026, 3, 3), QTime(22, 0, 0));
    const QString profile = QStringLiteral("Ann\r\n20\r\neuro\r\n6.50\r\n") + regional::dateToText(stop.date()) +
                            QStringLiteral("\r\n") + regional::timeToText(stop.time()) + QStringLiteral("\r\nYES\r\n");
    for (const auto &[relative, bytes] : {std::pair{"data/settings/settings.dat", QByteArray("noword\r\n0")},
                                          std::pair{"data/settings/data.dat", profile.toUtf8()}}) {
        QFile file(path(relative));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
    m_environment.programFile = path("Clearwind");
    m_environment.shippedDataFolder = path("data");
    m_environment.userDataFolder = path("data");
    m_environment.clock = &clock;
    m_environment.random = &m_random;
    m_environment.messages = &m_messages;
    m_environment.instanceGuard = &m_instanceGuard;
    m_environment.logonList = &m_autostart;
    m_environment.printer = &m_devices;
    m_environment.browser = &m_devices;
    m_environment.moduleFolder = QStringLiteral(CLEARWIND_BUILD_DIR);
    m_environment.chooseFileToSave = [](const SaveQuestion &) { return QString(); };
    m_environment.endProgram = [] {};
}

MainWindow &BenchProgram::startCounter()
{
    m_window = std::make_unique<MainWindow>(m_environment);
    m_window->startUp();
    m_window->show();
    m_window->startCounterView();
    return *m_window;
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
