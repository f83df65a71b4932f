#pragma once

#include "journey/journeycharts.h"

#include <QString>

namespace journey::charts {

struct LoadedMaker
{
    Maker *maker = nullptr; // none when the module could not be loaded
    QString problem;        // why not
};

// Loads the module that draws the charts from the folder of the program's
// modules. Once loaded, it stays for the rest of the run.
LoadedMaker loadMaker(const QString &moduleFolder);

} // namespace journey::charts
