#pragma once

#include <QString>
#include <QtGlobal>

// The key code space: a key code is the set-1 make code of a key, with private codes 0xE0..0xEF
// for keypad keys and right Ctrl/Alt, and 240..242 for the left, right and middle mouse buttons.
// Names are shown as they stand (not translated); HID usages are what the mouse reads.
class KeyTable
{
public:
    static constexpr int kNameCount = 243;
    static constexpr int kUsagePairCount = 104;

    // Name in the variant chosen for the process; empty for a code without a name.
    static QString keyName(quint8 code);
    static QString keyName(quint8 code, bool french);

    // False leaves the out value untouched.
    static bool keyCodeToUsage(quint8 code, quint8& usage);
    static bool usageToKeyCode(quint8 usage, quint8& code);

    // The AZERTY names are used when the device description's french value names the
    // current language index; -1 (or any other value) keeps the English names.
    static bool useFrenchNames(int frenchSetting, int languageIndex);

    // Process-wide variant, set by the shell at start-up and on a language change.
    static void setFrenchNames(bool french);
    static bool frenchNames();
};
