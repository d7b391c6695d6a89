#include "model/PrivateKeyCodes.h"

namespace {
constexpr quint8 kExtended = 0x01;
constexpr quint8 kAltDown = 0x20;
constexpr quint8 kKeyUp = 0x80;

struct PrivateCode
{
    quint8 scanCode;
    bool extended;
    quint8 code;
};

// Right Alt (0x38) is handled apart: its test looks at the Alt-held bit too.
constexpr PrivateCode kCodes[] = {
    {0x53, false, 0xE0}, // keypad .
    {0x45, true, 0xE1},  // Num Lock
    {0x35, true, 0xE2},  // keypad /
    {0x37, false, 0xE3}, // keypad *
    {0x49, false, 0xE4}, // keypad 9
    {0x1C, true, 0xE5},  // keypad Enter
    {0x4F, false, 0xE6}, // keypad 1
    {0x50, false, 0xE7}, // keypad 2
    {0x51, false, 0xE8}, // keypad 3
    {0x4B, false, 0xE9}, // keypad 4
    {0x4D, false, 0xEA}, // keypad 6
    {0x47, false, 0xEB}, // keypad 7
    {0x48, false, 0xEC}, // keypad 8
    {0x52, false, 0xED}, // keypad 0
    {0x1D, true, 0xEE},  // right Ctrl
};
} // namespace

quint8 PrivateKeyCodes::keyCode(quint8 scanCode, quint8 flags)
{
    if (scanCode == 0x38) {
        // Right Alt: extended, whether or not Alt counts as held; a release record of it reads
        // 0x81 exactly.
        if ((flags & ~kAltDown) == kExtended || flags == (kExtended | kKeyUp))
            return 0xEF;
        return scanCode;
    }
    const bool extended = (flags & kExtended) != 0;
    for (const PrivateCode& entry : kCodes) {
        if (entry.scanCode == scanCode && entry.extended == extended)
            return entry.code;
    }
    return scanCode;
}
