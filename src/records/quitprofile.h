#pragma once

#include <QDate>
#include <QString>
#include <QTime>

// What the program knows about the user's habit and the stop moment.
struct QuitProfile
{
    static constexpr auto notStarted = "NO";
    static constexpr auto started = "YES";

    QString userName;
    qint16 cigarettesPerDay = 0;
    QString currencyName;
    QString moneyPerDay; // a decimal number with "." as separator, whatever the region
    QDate stopDate;
    QTime stopTime;
    QString quitStarted;

    // Anything but the exact "NO" counts as a running quit.
    bool isQuitRunning() const { return quitStarted != QLatin1String(notStarted); }
};
