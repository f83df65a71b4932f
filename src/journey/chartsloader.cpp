#include "journey/chartsloader.h"
#include "cravinglog/journeytext.h"

#include <QCoreApplication>
#include <QDir>
#include <QPluginLoader>

namespace journey::charts {

LoadedMaker loadMaker(const QString &moduleFolder)
{
    const QString path = QDir(moduleFolder).filePath(QStringLiteral(CLEARWIND_CHARTS_MODULE));
    QPluginLoader loader(path);
    QObject *module = loader.instance();
    // Qt's reason does not always name the file.
    if (!module)
        return {nullptr, journey::journeyText("%1 could not be loaded: %2")
                             .arg(QDir::toNativeSeparators(path), loader.errorString())};
    if (auto *maker = qobject_cast<Maker *>(module))
        return {maker, QString()};
    loader.unload();
    return {nullptr, journey::journeyText("%1 does not draw the journey's charts.")
                         .arg(QDir::toNativeSeparators(path))};
}

} // namespace journey::charts
