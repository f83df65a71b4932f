#pragma once

#include <QDeadlineTimer>
#include <QObject>

#include <functional>
#include <sys/types.h>

class QSocketNotifier;

// Watches a program that this process has just started, and that its starter
// left for us to reap. The child is reaped when it ends, however late. Ending
// with a failure in its first moments, as a program that cannot run at all or
// quits with an error at once does, counts as a failed start.
class LaunchWatch : public QObject
{
    Q_OBJECT
public:
    // How long a program has to fail before its start counts as a success, in ms.
    static constexpr int startingTime = 2000;

    // False where the system cannot watch a process this way: whoever starts
    // a program must then reap it too.
    static bool available();

    // The watch belongs to the context: it ends with it, and then says nothing.
    static void watch(pid_t child, QObject *context, std::function<void()> failedToStart);

    ~LaunchWatch() override;

private:
    LaunchWatch(pid_t child, int descriptor, QObject *context, std::function<void()> failedToStart);
    void childEnded();

    pid_t m_child;
    int m_descriptor;
    QSocketNotifier *m_ended;
    QDeadlineTimer m_starting;
    std::function<void()> m_failedToStart;
};
