#pragma once

#include <thread>

// The system's font configuration (some forty files to parse) is read the first time any text
// is measured: a third of what a window's first frame costs. Read here on another core while
// the toolkit starts, it is ready before the window lays out its first label.
class FontWarmUp
{
public:
    // Starts reading the configuration.
    FontWarmUp();
    // Waits for it, if still reading.
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    // Waits until the configuration is read: before anything measures text, so that the toolkit
    // finds it ready rather than reading it a second time.
    void wait();

private:
    std::thread m_Reading;
};
