#pragma once

#include <QString>

#include <functional>

class QObject;

// The user's web browser: the program that opens HTML files.
class Browser
{
public:
    enum class Failure { NotFound, NotStarted };
    using FailureHandler = std::function<void(Failure)>;

    virtual ~Browser() = default;

    // Finds the program that opens the probe file and starts it with the
    // page's URI. Nothing waits for the browser. When no program is found,
    // it cannot be started, or it fails as soon as it has started, whenFailed
    // is called: at once, or a moment later from the event loop while the
    // context still lives.
    virtual void open(const QString &probeFile, const QString &pageUri, QObject *context,
                      FailureHandler whenFailed) = 0;
};
