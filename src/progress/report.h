#pragma once

#include <QString>

// The progress report: a snapshot of the counter and its statistics, as the
// user reads and prints it.
namespace report {

struct Captions
{
    QString userName;
    QString days;
    QString hours;
    QString stoppedAt;
    QString cigarettes;
    QString lifeGained;
    QString moneySaved;
};

// Six lines joined by CR LF, with no line break after the last.
QString progressReport(const Captions &captions);

} // namespace report
