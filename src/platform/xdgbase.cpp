#include "platform/xdgbase.h"

#include <QDir>

namespace xdgbase {

QString folder(const QString &variableValue, const QString &home, const QString &defaultBelowHome)
{
    return QDir::cleanPath(QDir::isAbsolutePath(variableValue) ? variableValue : home + u'/' + defaultBelowHome);
}

} // namespace xdgbase
