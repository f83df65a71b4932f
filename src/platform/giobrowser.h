#pragma once

#include "platform/browser.h"

// Asks GIO which program opens the probe file, and starts it through GIO.
// GIO counts a program as started once it is spawned, even one that cannot
// run, so the program is watched for its first moments.
class GioBrowser : public Browser
{
public:
    void open(const QString &probeFile, const QString &pageUri, QObject *context, FailureHandler whenFailed) override;
};
