#pragma once

#include <QString>

// The program's two options: the password lock and starting at logon.
struct ProgramSettings
{
    static constexpr auto noPassword = "noword";

    QString Password = QLatin1String(noPassword);
    qint16 AutoStart = 0;

    bool hasPassword() const { return Password != QLatin1String(noPassword); }
};
