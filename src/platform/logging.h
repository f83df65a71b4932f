#pragma once

#include <QLoggingCategory>

// The program's own log, for whoever hunts a fault: failures the user need
// not see, because the program goes on without what failed. It says nothing
// while all goes well. QT_LOGGING_RULES="clearwind.debug=true" shows more.
Q_DECLARE_LOGGING_CATEGORY(logClearwind)
