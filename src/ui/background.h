#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QThread>

#include <memory>
#include <utility>

// Work that may take long, reading a log of years say, runs beside the
// window on a thread of its own, never in its way. What it hands back is
// taken in on the window's thread. The work touches nothing of the window.
namespace background {

// The threads an owner started. Held as a member of the owner, it waits for
// them when the owner goes: a thread still at work holds what it was handed.
class Jobs
{
public:
    Jobs() = default;
    Jobs(const Jobs &) = delete;
    Jobs &operator=(const Jobs &) = delete;
    ~Jobs()
    {
        for (const QPointer<QThread> &thread : std::as_const(m_threads)) {
            if (thread)
                thread->wait();
        }
    }

    // Runs WORK on a thread of its own, and DONE with what it returns back
    // on OWNER's thread. The thread is OWNER's until it ends; DONE is
    // dropped with OWNER.
    template<typename Result, typename Work, typename Done>
    QThread *run(QObject *owner, Work work, Done done)
    {
        auto result = std::make_shared<Result>();
        QThread *thread = QThread::create([work = std::move(work), result] { *result = work(); });
        thread->setParent(owner);
        m_threads.removeAll(nullptr);
        m_threads.append(thread);
        // Queued onto the owner's thread.
        QObject::connect(thread, &QThread::finished, owner, [thread, result, done = std::move(done)] {
            thread->wait();
            delete thread;
            done(std::move(*result));
        });
        thread->start();
        return thread;
    }

private:
    QList<QPointer<QThread>> m_threads;
};

} // namespace background
