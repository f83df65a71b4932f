#include "progress/report.h"
#include "progress/progresstexts.h"

#include <QCoreApplication>
#include <QStringList>

namespace report {

QString progressReport(const Captions &captions)
{
    const QStringList lines = {
        ProgressTexts::tr("Stopdata for : ") + captions.userName,
        ProgressTexts::tr("You have not smoked for :") + captions.days +
            ProgressTexts::tr(" days and ") + captions.hours +
            ProgressTexts::tr(" hours."),
        captions.stoppedAt,
        captions.cigarettes,
        captions.lifeGained,
        captions.moneySaved,
    };
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace report
