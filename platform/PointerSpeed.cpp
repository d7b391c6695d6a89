#include "platform/PointerSpeed.h"

#include "model/MouseConfig.h"
#include "platform/DesktopSession.h"
#include "platform/GnomePointerSpeed.h"
#include "platform/LibinputPointerSpeed.h"
#include "platform/LoggingPointerSpeed.h"
#include "platform/XPointerControlSpeed.h"

#include <QDebug>

#include <algorithm>

void PointerSpeed::apply(int speed)
{
    // A value outside the scale can only come from a damaged profile file; the desktop is left
    // as it is rather than set to a guess.
    const int code = (speed < kMin || speed > kMax) ? kOutOfRange : applySpeed(speed);
    qDebug("Error in SystemParametersInfo :%d", code);
}

void PointerSpeed::applyActiveProfile(const MouseConfig& deviceCopy)
{
    apply(deviceCopy.activeProfile().mousespeed);
}

std::unique_ptr<PointerSpeed> PointerSpeed::create()
{
    return create(QProcessEnvironment::systemEnvironment());
}

std::unique_ptr<PointerSpeed> PointerSpeed::create(const QProcessEnvironment& env)
{
    const QStringList desktops = env.value("XDG_CURRENT_DESKTOP").split(':', Qt::SkipEmptyParts);
    const bool gnome = std::any_of(desktops.begin(), desktops.end(), [](const QString& d) {
        return d.compare("GNOME", Qt::CaseInsensitive) == 0 || d.endsWith("-GNOME");
    });
    if (gnome) {
        const QString program = GnomePointerSpeed::findProgram(env);
        if (!program.isEmpty() && GnomePointerSpeed::isWritable(program))
            return std::make_unique<GnomePointerSpeed>(program);
    }

    // Under Wayland the X server is only a compatibility layer: what is set there does not reach
    // the session's pointer, so the profile's value is kept and only logged.
    const QByteArray display = env.value("DISPLAY").toLocal8Bit();
    if (!display.isEmpty() && DesktopSession::detect(env) != DesktopSession::Wayland) {
        auto libinput = std::make_unique<LibinputPointerSpeed>(display);
        if (libinput->hasDevices())
            return libinput;
        auto control = std::make_unique<XPointerControlSpeed>(display);
        if (control->isConnected())
            return control;
    }
    return std::make_unique<LoggingPointerSpeed>();
}
