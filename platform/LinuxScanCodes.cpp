#include "platform/LinuxScanCodes.h"

#include <linux/input-event-codes.h>

#include <algorithm>

namespace {
constexpr bool E0 = true;
constexpr bool Plain = false;

// Scan codes as the keyboard hook record reports them, which differs from the bytes on the wire
// for three keys: Print Screen is reported as 0x37 extended (its E0 2A prefix dropped, Alt+Print
// would be 0x54), Pause as 0x45 plain (its E1 1D 45 sequence folded; Ctrl+Break would be E0 46),
// and Num Lock as 0x45 extended so that it differs from Pause. The key code space relies on these.
const std::vector<LinuxScanCodes::Entry> kEntries = {
    {KEY_ESC, 0x01, Plain},
    {KEY_1, 0x02, Plain},
    {KEY_2, 0x03, Plain},
    {KEY_3, 0x04, Plain},
    {KEY_4, 0x05, Plain},
    {KEY_5, 0x06, Plain},
    {KEY_6, 0x07, Plain},
    {KEY_7, 0x08, Plain},
    {KEY_8, 0x09, Plain},
    {KEY_9, 0x0A, Plain},
    {KEY_0, 0x0B, Plain},
    {KEY_MINUS, 0x0C, Plain},
    {KEY_EQUAL, 0x0D, Plain},
    {KEY_BACKSPACE, 0x0E, Plain},
    {KEY_TAB, 0x0F, Plain},
    {KEY_Q, 0x10, Plain},
    {KEY_W, 0x11, Plain},
    {KEY_E, 0x12, Plain},
    {KEY_R, 0x13, Plain},
    {KEY_T, 0x14, Plain},
    {KEY_Y, 0x15, Plain},
    {KEY_U, 0x16, Plain},
    {KEY_I, 0x17, Plain},
    {KEY_O, 0x18, Plain},
    {KEY_P, 0x19, Plain},
    {KEY_LEFTBRACE, 0x1A, Plain},
    {KEY_RIGHTBRACE, 0x1B, Plain},
    {KEY_ENTER, 0x1C, Plain},
    {KEY_LEFTCTRL, 0x1D, Plain},
    {KEY_A, 0x1E, Plain},
    {KEY_S, 0x1F, Plain},
    {KEY_D, 0x20, Plain},
    {KEY_F, 0x21, Plain},
    {KEY_G, 0x22, Plain},
    {KEY_H, 0x23, Plain},
    {KEY_J, 0x24, Plain},
    {KEY_K, 0x25, Plain},
    {KEY_L, 0x26, Plain},
    {KEY_SEMICOLON, 0x27, Plain},
    {KEY_APOSTROPHE, 0x28, Plain},
    {KEY_GRAVE, 0x29, Plain},
    {KEY_LEFTSHIFT, 0x2A, Plain},
    {KEY_BACKSLASH, 0x2B, Plain},
    {KEY_Z, 0x2C, Plain},
    {KEY_X, 0x2D, Plain},
    {KEY_C, 0x2E, Plain},
    {KEY_V, 0x2F, Plain},
    {KEY_B, 0x30, Plain},
    {KEY_N, 0x31, Plain},
    {KEY_M, 0x32, Plain},
    {KEY_COMMA, 0x33, Plain},
    {KEY_DOT, 0x34, Plain},
    {KEY_SLASH, 0x35, Plain},
    {KEY_RIGHTSHIFT, 0x36, Plain},
    {KEY_KPASTERISK, 0x37, Plain},
    {KEY_LEFTALT, 0x38, Plain},
    {KEY_SPACE, 0x39, Plain},
    {KEY_CAPSLOCK, 0x3A, Plain},
    {KEY_F1, 0x3B, Plain},
    {KEY_F2, 0x3C, Plain},
    {KEY_F3, 0x3D, Plain},
    {KEY_F4, 0x3E, Plain},
    {KEY_F5, 0x3F, Plain},
    {KEY_F6, 0x40, Plain},
    {KEY_F7, 0x41, Plain},
    {KEY_F8, 0x42, Plain},
    {KEY_F9, 0x43, Plain},
    {KEY_F10, 0x44, Plain},
    {KEY_NUMLOCK, 0x45, E0},
    {KEY_SCROLLLOCK, 0x46, Plain},
    {KEY_KP7, 0x47, Plain},
    {KEY_KP8, 0x48, Plain},
    {KEY_KP9, 0x49, Plain},
    {KEY_KPMINUS, 0x4A, Plain},
    {KEY_KP4, 0x4B, Plain},
    {KEY_KP5, 0x4C, Plain},
    {KEY_KP6, 0x4D, Plain},
    {KEY_KPPLUS, 0x4E, Plain},
    {KEY_KP1, 0x4F, Plain},
    {KEY_KP2, 0x50, Plain},
    {KEY_KP3, 0x51, Plain},
    {KEY_KP0, 0x52, Plain},
    {KEY_KPDOT, 0x53, Plain},
    {KEY_102ND, 0x56, Plain},
    {KEY_F11, 0x57, Plain},
    {KEY_F12, 0x58, Plain},
    {KEY_KPENTER, 0x1C, E0},
    {KEY_RIGHTCTRL, 0x1D, E0},
    {KEY_KPSLASH, 0x35, E0},
    {KEY_SYSRQ, 0x37, E0},
    {KEY_RIGHTALT, 0x38, E0},
    {KEY_HOME, 0x47, E0},
    {KEY_UP, 0x48, E0},
    {KEY_PAGEUP, 0x49, E0},
    {KEY_LEFT, 0x4B, E0},
    {KEY_RIGHT, 0x4D, E0},
    {KEY_END, 0x4F, E0},
    {KEY_DOWN, 0x50, E0},
    {KEY_PAGEDOWN, 0x51, E0},
    {KEY_INSERT, 0x52, E0},
    {KEY_DELETE, 0x53, E0},
    {KEY_PAUSE, 0x45, Plain},
    {KEY_LEFTMETA, 0x5B, E0},
    {KEY_RIGHTMETA, 0x5C, E0},
    {KEY_COMPOSE, 0x5D, E0},
    // Media and browser keys.
    {KEY_MUTE, 0x20, E0},
    {KEY_VOLUMEDOWN, 0x2E, E0},
    {KEY_VOLUMEUP, 0x30, E0},
    {KEY_PLAYPAUSE, 0x22, E0},
    {KEY_STOPCD, 0x24, E0},
    {KEY_NEXTSONG, 0x19, E0},
    {KEY_PREVIOUSSONG, 0x10, E0},
    {KEY_MAIL, 0x6C, E0},
    {KEY_CALC, 0x21, E0},
    {KEY_COMPUTER, 0x6B, E0},
    {KEY_HOMEPAGE, 0x32, E0},
    {KEY_BACK, 0x6A, E0},
    {KEY_FORWARD, 0x69, E0},
    {KEY_SEARCH, 0x65, E0},
    {KEY_REFRESH, 0x67, E0},
    {KEY_STOP, 0x68, E0},
    {KEY_BOOKMARKS, 0x66, E0},
};
} // namespace

bool LinuxScanCodes::lookup(quint16 linuxCode, quint8* scanCode, bool* extended)
{
    const auto it = std::find_if(kEntries.begin(), kEntries.end(),
                                 [linuxCode](const Entry& e) { return e.linuxCode == linuxCode; });
    if (it == kEntries.end())
        return false;
    *scanCode = it->scanCode;
    *extended = it->extended;
    return true;
}

quint32 LinuxScanCodes::virtualKey(quint16 linuxCode)
{
    return linuxCode == KEY_RIGHTALT ? kVkRightAlt : 0;
}

bool LinuxScanCodes::isAltKey(quint16 linuxCode)
{
    return linuxCode == KEY_LEFTALT || linuxCode == KEY_RIGHTALT;
}

const std::vector<LinuxScanCodes::Entry>& LinuxScanCodes::entries()
{
    return kEntries;
}
