#include "model/MouseConfig.h"

bool MouseConfig::operator==(const MouseConfig& o) const
{
    if (ProfileID != o.ProfileID || AngleValue != o.AngleValue || LiftHigh != o.LiftHigh ||
        Sync != o.Sync || Count != o.Count || Jitter != o.Jitter || Debounce != o.Debounce ||
        Wake != o.Wake || SensorMode != o.SensorMode)
        return false;
    for (int i = 0; i < kProfileCount; ++i)
        if (Profile[i] != o.Profile[i] || ProfileNames[i] != o.ProfileNames[i])
            return false;
    return true;
}
