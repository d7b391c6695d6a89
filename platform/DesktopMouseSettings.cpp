#include "platform/DesktopMouseSettings.h"

#include "platform/LinuxMouseSettings.h"

std::unique_ptr<DesktopMouseSettings> DesktopMouseSettings::create(ProgramLauncher& launcher)
{
    return create(launcher, QProcessEnvironment::systemEnvironment());
}

std::unique_ptr<DesktopMouseSettings> DesktopMouseSettings::create(ProgramLauncher& launcher,
                                                                   const QProcessEnvironment& env)
{
    return std::make_unique<LinuxMouseSettings>(launcher, env);
}
