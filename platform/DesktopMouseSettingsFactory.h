#pragma once

#include <QProcessEnvironment>

#include <memory>

class DesktopMouseSettings;
class ProgramLauncher;

// Builds the desktop mouse settings opener of this system.
class DesktopMouseSettingsFactory
{
public:
    // The implementation for this system, starting programs through `launcher`.
    static std::unique_ptr<DesktopMouseSettings> create(ProgramLauncher& launcher);
    static std::unique_ptr<DesktopMouseSettings> create(ProgramLauncher& launcher,
                                                        const QProcessEnvironment& env);
};
