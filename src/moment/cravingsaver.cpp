#include "moment/cravingsaver.h"

#include "platform/environment.h"
#include "platform/messageservice.h"
#include "cravinglog/journeytext.h"

#include <QCoreApplication>
#include <QDir>
#include <QWidget>

namespace journey {

bool tellCravingWritten(const Environment &environment, const AppendResult &written, QWidget *window)
{
    if (!written.ok) {
        environment.messages->reportNotSaved(
            journeyText("The craving could not be saved in %1: %2"),
            CravingFile::ofUser(environment).path(), written.error, window);
        return false;
    }
    if (!written.keptFull.isEmpty())
        environment.messages->show(
            journeyText(
                                        "Your cravings file was full, so this craving starts a new one. The full file "
                                        "is kept beside it as %1, and the journey reads both.")
                .arg(QDir::toNativeSeparators(written.keptFull)),
            MessageService::Icon::Information, QString(), window);
    return true;
}

} // namespace journey
