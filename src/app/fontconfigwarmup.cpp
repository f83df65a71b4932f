#include "app/fontconfigwarmup.h"

#include "platform/logging.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

FontConfigWarmUp::FontConfigWarmUp()
{
    try {
        // The configuration fontconfig loads here is the one every later caller,
        // Qt's font database among them, gets back at once.
        m_loader = std::thread([] { FcInit(); });
    } catch (const std::system_error &error) {
        // No thread to spare: Qt loads the configuration itself when it needs it.
        qCInfo(logClearwind, "Fonts load at first use: no thread to load them early: %s", error.what());
    }
}

FontConfigWarmUp::~FontConfigWarmUp()
{
    wait();
}

void FontConfigWarmUp::wait()
{
    if (m_loader.joinable())
        m_loader.join();
}
