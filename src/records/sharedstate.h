#pragma once

#include "records/programsettings.h"
#include "records/quitprofile.h"
#include "records/smokefreetime.h"

// What the panels share. The main window owns it and hands it to them.
struct SharedState
{
    QuitProfile profile;
    ProgramSettings settings;
    // The smoke-free time exactly as the counter shows it. Everything that
    // needs the smoke-free time reads it here, so it follows the counter.
    SmokeFreeTime shown;
};
