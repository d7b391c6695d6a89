#pragma once

#include "model/ProfileData.h"

#include <QString>

// The whole configuration of the mouse: five profiles and the device-wide sensor values.
struct MouseConfig
{
    static constexpr int kProfileCount = 5;

    quint8 ProfileID = 0; // active profile, 0..4
    ProfileData Profile[kProfileCount];
    quint8 AngleValue = 0;
    quint8 LiftHigh = 0;
    quint8 Sync = 0;
    quint8 Count = 0;
    quint8 Jitter = 0;
    quint8 Debounce = 0;
    quint8 Wake = 0;
    quint8 SensorMode = 0;
    QString ProfileNames[kProfileCount]; // name i selects the file of profile i

    ProfileData& activeProfile() { return Profile[ProfileID % kProfileCount]; }
    const ProfileData& activeProfile() const { return Profile[ProfileID % kProfileCount]; }

    bool operator==(const MouseConfig& o) const;
    bool operator!=(const MouseConfig& o) const { return !(*this == o); }
};
