#include "platform/messageservice.h"

#include <QDir>

void MessageService::reportNotSaved(const QString &sentence, const QString &path, const QString &reason,
                                    QObject *window)
{
    show(Message{sentence.arg(QDir::toNativeSeparators(path), reason), Icon::Warning, QString(), QString(), window});
}
