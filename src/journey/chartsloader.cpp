#include "journey/chartsloader.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

namespace journey::charts {

LoadedMaker loadMaker(const QString &moduleFolder)
{
    QPluginLoader loader(QDir(moduleFolder).filePath(QStringLiteral(CLEARWIND_CHARTS_MODULE)));
    QObject *module = loader.instance();
    if (!module)
        return {nullptr, loader.errorString()};
    if (auto *maker = qobject_cast<Maker *>(module))
        return {maker, QString()};
    loader.unload();
    return {nullptr, QCoreApplication::translate("journey", "%1 does not draw the journey's charts.")
                         .arg(QDir::toNativeSeparators(loader.fileName()))};
}

} // namespace journey::charts
