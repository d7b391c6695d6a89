#include "platform/DesktopMouseSettingsFactory.h"

#include "platform/LinuxMouseSettings.h"

std::unique_ptr<DesktopMouseSettings> DesktopMouseSettingsFactory::create(ProgramLauncher& launcher)
{
    return create(launcher, QProcessEnvironment::systemEnvironment());
}

std::unique_ptr<DesktopMouseSettings>
DesktopMouseSettingsFactory::create(ProgramLauncher& launcher, const QProcessEnvironment& env)
{
    return std::make_unique<LinuxMouseSettings>(launcher, env);
}
