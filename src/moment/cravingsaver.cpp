#include "moment/cravingsaver.h"

#include "platform/environment.h"
#include "platform/messageservice.h"

#include <QCoreApplication>
#include <QDir>
#include <QWidget>

namespace journey {

bool saveCraving(const Environment &environment, const Craving &craving, QWidget *window)
{
    const CravingFile file = CravingFile::ofUser(environment);
    const AppendResult saved = file.append(craving);
    if (!saved.ok) {
        environment.messages->reportNotSaved(
            QCoreApplication::translate("CravingDialog", "The craving could not be saved in %1: %2"), file.path(),
            saved.error, window);
        return false;
    }
    if (!saved.keptFull.isEmpty())
        environment.messages->show(
            QCoreApplication::translate("CravingDialog",
                                        "Your cravings file was full, so this craving starts a new one. The full file "
                                        "is kept beside it as %1, and the journey reads both.")
                .arg(QDir::toNativeSeparators(saved.keptFull)),
            MessageService::Icon::Information, QString(), window);
    return true;
}

} // namespace journey
