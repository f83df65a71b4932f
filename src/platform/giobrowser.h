#pragma once

#include "platform/browser.h"

// Asks GIO which program opens the probe file, and starts it through GIO.
class GioBrowser : public Browser
{
public:
    Outcome open(const QString &probeFile, const QString &pageUri) override;
};
