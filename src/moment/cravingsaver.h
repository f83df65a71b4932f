#pragma once

#include "cravinglog/cravings.h"

struct Environment;
class QWidget;

namespace journey {

// Tells the user, over WINDOW, what they must know of a craving's write to
// their file: why it could not be saved, or that a full file was kept and a
// new one begun. True when the craving is in the file.
bool tellCravingWritten(const Environment &environment, const AppendResult &written, QWidget *window);

} // namespace journey
