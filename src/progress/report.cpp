#include "progress/report.h"

#include <QCoreApplication>
#include <QStringList>

namespace report {

QString progressReport(const Captions &captions)
{
    const QStringList lines = {
        QCoreApplication::translate("report", "Stopdata for : ") + captions.userName,
        QCoreApplication::translate("report", "You have not smoked for :") + captions.days +
            QCoreApplication::translate("report", " days and ") + captions.hours +
            QCoreApplication::translate("report", " hours."),
        captions.stoppedAt,
        captions.cigarettes,
        captions.lifeGained,
        captions.moneySaved,
    };
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace report
