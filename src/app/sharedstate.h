#pragma once

#include "profile/programsettings.h"
#include "profile/quitprofile.h"
#include "progress/smokefreetime.h"

// What the panels share. The main window owns it and hands it to them.
struct SharedState
{
    QuitProfile profile;
    ProgramSettings settings;
    // The smoke-free time exactly as the counter shows it. Everything that
    // needs the smoke-free time reads it here, so it follows the counter.
    SmokeFreeTime shown;
};
