#include "platform/KeyStrokeBuilder.h"

#include "platform/LinuxScanCodes.h"

#include <linux/input-event-codes.h>

bool KeyStrokeBuilder::build(quint16 linuxCode, bool release, qint64 timeMs, bool altElsewhere,
                             KeyStroke* out)
{
    // An Alt key's own press already counts as Alt held and its release never does, as the hook
    // record on a PC reports them: right Alt down reads 0x21 and up 0x81 even while left Alt is
    // held, which is how right Alt is told from left Alt on release.
    if (linuxCode == KEY_LEFTALT)
        m_bLeftAlt = !release;
    else if (linuxCode == KEY_RIGHTALT)
        m_bRightAlt = !release;
    const bool altKey = LinuxScanCodes::isAltKey(linuxCode);
    const bool altHeld = altKey ? !release : (m_bLeftAlt || m_bRightAlt || altElsewhere);

    quint8 scanCode = 0;
    bool extended = false;
    if (!LinuxScanCodes::lookup(linuxCode, &scanCode, &extended))
        return false;
    out->scanCode = scanCode;
    out->flags = (extended ? KeyStroke::kExtended : 0) | (altHeld ? KeyStroke::kAltDown : 0) |
                 (release ? KeyStroke::kKeyUp : 0);
    out->vkCode = LinuxScanCodes::virtualKey(linuxCode);
    out->timeMs = timeMs;
    return true;
}

void KeyStrokeBuilder::reset()
{
    m_bLeftAlt = false;
    m_bRightAlt = false;
}
