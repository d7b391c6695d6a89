#include "platform/LocalKeyboardHook.h"

#include "platform/LinuxScanCodes.h"
#include "platform/MonotonicClock.h"

#include <QKeyEvent>

bool LocalKeyboardHook::start(Mode)
{
    // Nothing to grab: a window-local hook cannot keep keys from other applications anyway.
    m_Builder.reset();
    m_bRunning = true;
    return true;
}

void LocalKeyboardHook::stop()
{
    m_bRunning = false;
}

bool LocalKeyboardHook::feedKeyEvent(const QKeyEvent* event)
{
    if (!m_bRunning || !event)
        return false;
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    // X11 reports a held key as release and press pairs; a hook reports repeated presses only.
    const bool release = event->type() == QEvent::KeyRelease;
    if (release && event->isAutoRepeat())
        return false;
    // X11 and Wayland both hand the xkb key code here, the Linux code plus 8; a synthesized
    // event carries 0 and cannot be told apart from any other key.
    const int linuxCode = int(event->nativeScanCode()) - LinuxScanCodes::kXkbOffset;
    if (linuxCode <= 0 || linuxCode > 0xFFFF)
        return false;
    KeyStroke stroke;
    const bool altElsewhere = event->modifiers().testFlag(Qt::AltModifier);
    if (!m_Builder.build(quint16(linuxCode), release, MonotonicClock::nowMs(), altElsewhere,
                         &stroke))
        return false;
    emit keyStroke(stroke);
    return true;
}
