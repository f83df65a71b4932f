#include "platform/savelocation.h"

#include "platform/environment.h"

#include <QFileInfo>

QString askWhereToSave(const Environment &environment, const SaveQuestion &question, const char *suffix)
{
    QString path = environment.chooseFileToSave(question);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += u'.' + QLatin1String(suffix);
    return path;
}
