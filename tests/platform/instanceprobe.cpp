// Takes the single-instance lock of a program folder, says whether it got it,
// and keeps it until its standard input closes.
#include "platform/instanceguard.h"

#include <QCoreApplication>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (argc < 3)
        return 2;
    LockFileInstanceGuard guard(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    const bool acquired = guard.acquire();
    std::printf("%s\n", acquired ? "acquired" : "refused");
    std::fflush(stdout);
    std::string line;
    while (acquired && std::getline(std::cin, line)) {
    }
    return 0;
}
