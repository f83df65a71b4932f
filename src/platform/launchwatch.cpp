#include "platform/launchwatch.h"

#include <QSocketNotifier>

#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A descriptor that becomes readable when the process ends: the event loop
// waits on it as on any other, with no signal handler and no polling.
int processDescriptor(pid_t process)
{
    return static_cast<int>(::syscall(SYS_pidfd_open, process, 0));
}

} // namespace

bool LaunchWatch::available()
{
    static const bool supported = [] {
        const int descriptor = processDescriptor(::getpid());
        if (descriptor < 0)
            return false;
        ::close(descriptor);
        return true;
    }();
    return supported;
}

void LaunchWatch::watch(pid_t child, QObject *context, std::function<void()> failedToStart)
{
    // Should the descriptor run out, the child stays a zombie until the program ends.
    const int descriptor = processDescriptor(child);
    if (descriptor >= 0)
        new LaunchWatch(child, descriptor, context, std::move(failedToStart));
}

LaunchWatch::LaunchWatch(pid_t child, int descriptor, QObject *context, std::function<void()> failedToStart)
    : QObject(context), m_child(child), m_descriptor(descriptor),
      m_ended(new QSocketNotifier(descriptor, QSocketNotifier::Read, this)), m_starting(startingTime),
      m_failedToStart(std::move(failedToStart))
{
    connect(m_ended, &QSocketNotifier::activated, this, &LaunchWatch::childEnded);
}

LaunchWatch::~LaunchWatch()
{
    delete m_ended;
    ::close(m_descriptor);
}

void LaunchWatch::childEnded()
{
    int status = 0;
    const pid_t reaped = ::waitpid(m_child, &status, WNOHANG);
    if (reaped == 0)
        return;
    m_ended->setEnabled(false);
    const bool failed = reaped == m_child && !(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const std::function<void()> failedToStart = std::move(m_failedToStart);
    const bool starting = !m_starting.hasExpired();
    deleteLater();
    if (failed && starting)
        failedToStart();
}
