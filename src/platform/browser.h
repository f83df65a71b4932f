#pragma once

#include <QString>

// The user's web browser: the program that opens HTML files.
class Browser
{
public:
    enum class Outcome { Opened, NotFound, NotStarted };

    virtual ~Browser() = default;

    // Finds the program that opens the probe file and starts it with the
    // page's URI. Nothing waits for the browser.
    virtual Outcome open(const QString &probeFile, const QString &pageUri) = 0;
};
