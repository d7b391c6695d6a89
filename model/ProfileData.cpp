#include "model/ProfileData.h"

bool ProfileData::operator==(const ProfileData& o) const
{
    if (pollrate != o.pollrate || dpi != o.dpi || LedMode != o.LedMode ||
        LedMoveOFF != o.LedMoveOFF || LedSleepTime != o.LedSleepTime ||
        mousespeed != o.mousespeed || dbclickspeed != o.dbclickspeed ||
        scrollispage != o.scrollispage || scrollspeed != o.scrollspeed ||
        accelenable != o.accelenable || acee != o.acee || ProfileName != o.ProfileName ||
        ProfilePath != o.ProfilePath)
        return false;
    for (int i = 0; i < kDpiLevelCount; ++i)
        if (DpiInfo[i] != o.DpiInfo[i])
            return false;
    for (int i = 0; i < kButtonCount; ++i)
        if (ButtonInfo[i] != o.ButtonInfo[i])
            return false;
    for (int i = 0; i < kLedModeCount; ++i)
        if (LedInfo[i] != o.LedInfo[i])
            return false;
    return true;
}
