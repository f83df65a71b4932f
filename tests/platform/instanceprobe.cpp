// Takes the single-instance lock of a program folder, says whether it got it
// and, owning it, each request it hears until its input closes. Refused with
// "pass", it hands over a craving request, and with any other word, sends
// that word as it stands; either way it says whether it was taken.
#include "platform/instancechannel.h"
#include "platform/instanceguard.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

static void say(const char *line)
{
    std::printf("%s\n", line);
    std::fflush(stdout);
}

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (argc < 3)
        return 2;
    LockFileInstanceGuard guard(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    const bool acquired = guard.acquire();
    say(acquired ? "acquired" : "refused");
    if (!acquired) {
        const QByteArray request = argc > 3 ? QByteArray(argv[3]) : QByteArray();
        if (request == "pass")
            say(guard.pass(InstanceGuard::Request::LogCraving) ? "taken" : "not taken");
        else if (!request.isEmpty())
            say(instancechannel::send(guard.socketPath(), request) ? "taken" : "not taken");
        return 0;
    }
    QObject::connect(&guard, &InstanceGuard::requested, [](InstanceGuard::Request) { say("heard log-craving"); });
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [] {
        char buffer[256];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
            QCoreApplication::quit();
    });
    return application.exec();
}
