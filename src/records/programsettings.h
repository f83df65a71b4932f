#pragma once

#include <QString>

// The program's two options: the password lock and starting at logon.
struct ProgramSettings
{
    static constexpr auto noPassword = "noword";

    QString password = QLatin1String(noPassword);
    qint16 autoStart = 0;

    bool hasPassword() const { return password != QLatin1String(noPassword); }
};
