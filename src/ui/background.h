#pragma once

#include <QObject>
#include <QThread>

#include <memory>
#include <utility>

// Work that may take long, reading a log of years say, runs beside the
// window on a thread of its own, never in its way. What it hands back is
// taken in on the window's thread. The work touches nothing of the window.
namespace background {

// Runs WORK on a thread of its own, and DONE with what it returns back on
// OWNER's thread. The thread is OWNER's until it ends; DONE is dropped with
// OWNER, whose destructor must wait for it first (waitForAll()).
template<typename Result, typename Work, typename Done>
QThread *run(QObject *owner, Work work, Done done)
{
    auto result = std::make_shared<Result>();
    QThread *thread = QThread::create([work = std::move(work), result] { *result = work(); });
    thread->setParent(owner);
    // Queued onto the owner's thread.
    QObject::connect(thread, &QThread::finished, owner, [thread, result, done = std::move(done)] {
        thread->wait();
        delete thread;
        done(std::move(*result));
    });
    thread->start();
    return thread;
}

// Waits for every thread that OWNER started: a thread still at work holds
// what the owner handed it.
inline void waitForAll(QObject *owner)
{
    for (QThread *thread : owner->findChildren<QThread *>(Qt::FindDirectChildrenOnly))
        thread->wait();
}

} // namespace background
