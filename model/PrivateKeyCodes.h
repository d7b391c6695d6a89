#pragma once

#include <QtGlobal>

// Keys that share a set-1 scan code with another key (keypad keys against the cursor block,
// right Ctrl and Alt against the left ones) get a key code of their own, 0xE0..0xEF, told apart
// by the extended flag of the keyboard hook record. Keypad 5 keeps its scan code.
class PrivateKeyCodes
{
public:
    // The key code for a hook record: `flags` as the hook gives them (0x01 extended, 0x20 Alt
    // held, 0x80 released). Codes without a private twin come back unchanged.
    static quint8 keyCode(quint8 scanCode, quint8 flags);
};
