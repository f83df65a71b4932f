#pragma once

#include "platform/textfiles.h"

#include <QString>

// The user's list of programs started at logon. Clearwind keeps one entry of
// its own there, or none.
class LogonList
{
public:
    virtual ~LogonList() = default;

    // Puts the program into the list, replacing an older entry, or takes it
    // out; taking out an entry that is not there succeeds. On failure the
    // error names what could not be changed and why.
    virtual textfiles::WriteResult setStartAtLogon(bool start, const QString &programFile) = 0;
};
