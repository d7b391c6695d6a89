#include "platform/KeyboardHookFactory.h"

#include "platform/LocalKeyboardHook.h"
#include "platform/XInputKeyboardHook.h"

#include <QDebug>
#include <QGuiApplication>

namespace {
// The X display whose raw key events the global hook reads, or empty where there is none: the
// toolkit must itself be on X (under Wayland an X display is only XWayland, which sees the keys
// of X clients alone) and the server must speak XInput 2.
QByteArray globalHookDisplay()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return QByteArray();
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty() || !XInputKeyboardHook::isAvailable(display))
        return QByteArray();
    return display;
}
} // namespace

std::unique_ptr<KeyboardHook> KeyboardHookFactory::create()
{
    // Decided once: the session does not change under a running process.
    static const QByteArray display = [] {
        const QByteArray found = globalHookDisplay();
        if (found.isEmpty())
            qDebug("keyboard hook: window-local (keys are seen while the capture window has the "
                   "focus)");
        else
            qDebug("keyboard hook: XInput 2 raw keys on display %s", found.constData());
        return found;
    }();
    if (display.isEmpty())
        return std::make_unique<LocalKeyboardHook>();
    return std::make_unique<XInputKeyboardHook>(display);
}
