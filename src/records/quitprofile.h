#pragma once

#include <QDate>
#include <QString>
#include <QTime>

// What the program knows about the user's habit and the stop moment.
struct QuitProfile
{
    static constexpr auto notStarted = "NO";
    static constexpr auto started = "YES";

    QString UserName;
    qint16 CigarettesPerDay = 0;
    QString CurrencyName;
    QString MoneyPerDay; // a decimal number with "." as separator, whatever the region
    QDate StopDate;
    QTime StopTime;
    QString QuitStarted;

    // Anything but the exact "NO" counts as a running quit.
    bool isQuitRunning() const { return QuitStarted != QLatin1String(notStarted); }
};
