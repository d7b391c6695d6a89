#pragma once

#include <QtGlobal>

#include <vector>

// The PC keyboard's view of a Linux key: the set-1 scan code and the extended (E0) flag that a
// low-level keyboard hook record carries for it. X11 and Wayland key codes are the Linux input
// event code plus 8 (the xkb offset).
class LinuxScanCodes
{
public:
    struct Entry
    {
        quint16 linuxCode; // KEY_* of linux/input-event-codes.h
        quint8 scanCode;
        bool extended;
    };

    static constexpr int kXkbOffset = 8;
    static constexpr quint32 kVkRightAlt = 0xA5;

    // False for a key that a 105-key PC keyboard with media keys does not have.
    static bool lookup(quint16 linuxCode, quint8* scanCode, bool* extended);
    // The virtual-key code a hook record carries where a user needs it (right Alt), else 0.
    static quint32 virtualKey(quint16 linuxCode);
    static bool isAltKey(quint16 linuxCode);

    static const std::vector<Entry>& entries();
};
