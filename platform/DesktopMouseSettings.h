#pragma once

#include <QProcessEnvironment>

#include <memory>

class ProgramLauncher;

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

    // The implementation for this system, starting programs through `launcher`.
    static std::unique_ptr<DesktopMouseSettings> create(ProgramLauncher& launcher);
    static std::unique_ptr<DesktopMouseSettings> create(ProgramLauncher& launcher,
                                                        const QProcessEnvironment& env);
};
