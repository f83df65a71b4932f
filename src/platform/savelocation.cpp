#include "platform/savelocation.h"

#include "platform/environment.h"
#include "platform/messageservice.h"
#include "platform/platformtexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString askWhereToSave(const Environment &environment, const SaveQuestion &question)
{
    const QString chosen = environment.chooseFileToSave(question);
    if (chosen.isEmpty() || !QFileInfo(chosen).suffix().isEmpty())
        return chosen;
    const QString path = chosen + u'.' + question.suffix;
    if (QFileInfo(path).exists() || QFileInfo(path).isSymLink()) {
        const QString replace =
            PlatformTexts::tr("%1 already exists.\nDo you want to replace it?")
                .arg(QDir::toNativeSeparators(path));
        if (!environment.messages->ask(replace, question.title))
            return QString();
    }
    return path;
}
