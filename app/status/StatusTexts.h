#pragma once

#include <QString>
#include <QtGlobal>

// The texts the window announces on the on-screen display when the mouse itself switches its
// profile, DPI level or report rate.
class StatusTexts
{
public:
    // Translated "Profile" and the slot number (iProfile + 1).
    static QString profile(int iProfile);
    // Translated "DPI", the level number (iLevel + 1) and its DPI value.
    static QString dpi(int iLevel, int iDpiValue);
    // "125 HZ", "250 HZ", "500 HZ" or "1000 HZ" for the rate codes 8, 4, 2, 1; empty otherwise.
    static QString rate(quint8 iRate);
};
