#pragma once

#include <thread>

// Reading the system's font configuration is the largest single cost of a
// start: dozens of XML files and the font caches. None of it depends on Qt, so
// it runs on a thread of its own while the application connects to the display,
// and is done before the first widget asks for a font.
class FontConfigWarmUp
{
public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp &) = delete;
    FontConfigWarmUp &operator=(const FontConfigWarmUp &) = delete;

    // Waits until the configuration is loaded. Call before making any widget.
    void wait();

private:
    std::thread m_loader;
};
