#pragma once

#include <QString>

// The desktop's own mouse settings, opened for the user from the mouse setting page.
class DesktopMouseSettings
{
public:
    virtual ~DesktopMouseSettings() = default;

    // Opens the settings window, detached. False when this desktop has none that could be
    // started; the reason is logged and kept for reason().
    virtual bool open() = 0;
    // Why the last open() failed, naming what was looked for.
    virtual QString reason() const = 0;
};
