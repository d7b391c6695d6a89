#include "ProfileKeyList.h"

QStringList profileRecordKeys()
{
    QStringList keys{"pollrate",    "dpi",         "mousespeed",  "dbclickspeed", "scrollispage",
                     "scrollspeed", "accelenable", "acee",        "ProfileName",  "ProfilePath",
                     "LedMode",     "LedMoveOFF",  "LedSleepTime"};
    for (int i = 0; i < 8; ++i)
        for (const char* f : {"used", "link", "xy", "x", "y"})
            keys << QString::asprintf("DPI_INFO_%d_%s", i, f);
    for (int b = 0; b < 42; ++b) {
        for (const char* f :
             {"ID", "Fun", "LoopNumber", "KeyNumber", "Res1", "Res2", "Res3", "Res4", "macroname"})
            keys << QString::asprintf("BUTTON_INFO_%d_%s", b, f);
        // The low data byte's key ends in the bare underscore.
        for (int k = 0; k < 84; ++k)
            for (const char* f : {"map", "", "H"})
                keys << QString::asprintf("BUTTON_INFO_%d_KeyInfo_%d_%s", b, k, f);
    }
    for (int m = 0; m < 14; ++m)
        for (const char* f : {"RGB", "h", "s", "v", "bright", "breath"})
            keys << QString::asprintf("LedMode/LED_MODE_%d_%s", m, f);
    return keys;
}
