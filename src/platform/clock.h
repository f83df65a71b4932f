#pragma once

#include <QDateTime>

// Where the program learns the date and the time of day. Everything that
// depends on "now" asks this, so a test can say which moment it is.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;

    int secondsSinceMidnight() const { return now().time().msecsSinceStartOfDay() / 1000; }
};

class SystemClock : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};
