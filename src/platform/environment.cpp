#include "platform/environment.h"

Environment Environment::over(const QString &programFile, const DataLayout &layout, const Services &services)
{
    Environment environment;
    environment.programFile = programFile;
    environment.shippedDataFolder = layout.shippedFolder;
    environment.userDataFolder = layout.userFolder;
    environment.moduleFolder = layout.moduleFolder;
    environment.clock = services.clock;
    environment.random = services.random;
    environment.messages = services.messages;
    environment.instanceGuard = services.instanceGuard;
    environment.logonList = services.logonList;
    environment.printer = services.printer;
    environment.browser = services.browser;
    environment.tray = services.tray;
    environment.appearance = services.appearance;
    return environment;
}
