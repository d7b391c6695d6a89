#pragma once

#include "model/ButtonAssignment.h"
#include "model/DpiLevel.h"
#include "model/LedSetting.h"

#include <QString>

// One profile slot's settings. Field names are the keys of the profile files.
struct ProfileData
{
    static constexpr int kDpiLevelCount = 8;
    static constexpr int kButtonCount = 42; // 0..19 first set, 20..39 second set, 40/41 wheel
    static constexpr int kLedModeCount = 14;

    quint8 pollrate = 0; // 1 = 1000 Hz, 2 = 500 Hz, 4 = 250 Hz, 8 = 125 Hz
    quint8 dpi = 0;      // active DPI level
    quint8 LedMode = 0;  // active lighting mode
    quint8 LedMoveOFF = 0;
    quint8 LedSleepTime = 0;
    DpiLevel DpiInfo[kDpiLevelCount];
    quint8 mousespeed = 0;
    quint8 dbclickspeed = 0;
    quint8 scrollispage = 0;
    quint8 scrollspeed = 0;
    quint8 accelenable = 0;
    quint8 acee = 0;
    ButtonAssignment ButtonInfo[kButtonCount];
    LedSetting LedInfo[kLedModeCount];
    QString ProfileName;
    QString ProfilePath;

    // Values read from files are kept as read; lookups through them go through these.
    const DpiLevel& activeDpiLevel() const { return DpiInfo[dpi % kDpiLevelCount]; }
    const LedSetting& activeLed() const { return LedInfo[LedMode % kLedModeCount]; }
    LedSetting& activeLed() { return LedInfo[LedMode % kLedModeCount]; }

    bool operator==(const ProfileData& o) const;
    bool operator!=(const ProfileData& o) const { return !(*this == o); }
};
