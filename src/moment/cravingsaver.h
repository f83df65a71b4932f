#pragma once

#include "cravinglog/cravings.h"

struct Environment;
class QWidget;

namespace journey {

// Logs a craving into the user's file, and tells the user, over WINDOW, what
// they must know: why it could not be saved, or that a full file was kept
// and a new one begun. True when the craving is in the file.
bool saveCraving(const Environment &environment, const Craving &craving, QWidget *window);

} // namespace journey
