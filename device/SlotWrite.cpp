#include "device/SlotWrite.h"

#include "model/MouseConfig.h"

#include <algorithm>

bool SlotWrite::sharesLighting(const QString& productName)
{
    return productName == QLatin1String("4460");
}

void SlotWrite::moveToFront(MouseConfig& config, int iSlot, bool bSharedLighting)
{
    if (iSlot <= 0 || iSlot >= MouseConfig::kProfileCount)
        return;
    const ProfileData first = config.Profile[0];
    ProfileData& front = config.Profile[0];
    front = config.Profile[iSlot];
    if (!bSharedLighting)
        return;
    front.LedMode = first.LedMode;
    front.LedMoveOFF = first.LedMoveOFF;
    front.LedSleepTime = first.LedSleepTime;
    std::copy(std::begin(first.LedInfo), std::end(first.LedInfo), std::begin(front.LedInfo));
}
