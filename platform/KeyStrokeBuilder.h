#pragma once

#include "platform/KeyboardHook.h"

// Turns a Linux key event into the hook record the capture windows expect: scan code, extended
// flag, Alt held, key up, right Alt's virtual-key code. Remembers which Alt keys are down, since
// the event sources report modifier state before the event (or not at all).
class KeyStrokeBuilder
{
public:
    // False when the key has no PC scan code; the Alt state is still followed. `altElsewhere` is
    // Alt known to be held from outside this stream (a window's modifier state).
    bool build(quint16 linuxCode, bool release, qint64 timeMs, bool altElsewhere, KeyStroke* out);
    // Forgets the keys held, for a hook that starts again.
    void reset();

private:
    bool m_bLeftAlt = false;
    bool m_bRightAlt = false;
};
