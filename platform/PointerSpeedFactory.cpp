#include "platform/PointerSpeedFactory.h"

#include "platform/DesktopSession.h"
#include "platform/GnomePointerSpeed.h"
#include "platform/LibinputPointerSpeed.h"
#include "platform/LoggingPointerSpeed.h"
#include "platform/XPointerControlSpeed.h"

#include <QThread>

#include <algorithm>

namespace {
struct Created
{
    std::unique_ptr<PointerSpeed> speed;
    int iRead = PointerSpeed::kDefault;
};
Created g_Created;
// A QThread rather than a bare one: the desktop's settings program is run there, and a process
// needs the thread's event dispatcher.
QThread* g_pCreating = nullptr;
} // namespace

std::unique_ptr<PointerSpeed> PointerSpeedFactory::create()
{
    return create(QProcessEnvironment::systemEnvironment());
}

std::unique_ptr<PointerSpeed> PointerSpeedFactory::create(const QProcessEnvironment& env)
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

void PointerSpeedFactory::startCreating()
{
    if (g_pCreating)
        return;
    g_pCreating = QThread::create([] {
        g_Created.speed = create();
        g_Created.iRead = g_Created.speed->read();
    });
    g_pCreating->start();
}

std::unique_ptr<PointerSpeed> PointerSpeedFactory::takeCreated(int* pSpeedRead)
{
    if (!g_pCreating)
        return nullptr;
    g_pCreating->wait();
    delete g_pCreating;
    g_pCreating = nullptr;
    *pSpeedRead = g_Created.iRead;
    return std::move(g_Created.speed);
}
