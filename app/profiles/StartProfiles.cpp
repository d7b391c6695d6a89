#include "app/profiles/StartProfiles.h"

#include "model/GlobalRecords.h"
#include "model/ProfileFiles.h"
#include "pages/KivoColorWindow.h"

std::function<void()> StartProfiles::load(const QString& productName)
{
    MouseConfig& snapshot = GlobalRecords::snapshot();
    ProfileFiles::loadDeviceWide(snapshot);
    const int active = snapshot.ProfileID % MouseConfig::kProfileCount;
    const int lighting = KivoColorWindow::lightingSlot(productName, active);
    ProfileFiles::loadSlotProfile(snapshot, active);
    if (lighting != active)
        ProfileFiles::loadSlotProfile(snapshot, lighting);
    GlobalRecords::live() = snapshot;
    return [active, lighting] {
        MouseConfig& read = GlobalRecords::snapshot();
        for (int i = 0; i < MouseConfig::kProfileCount; ++i) {
            if (i == active || i == lighting)
                continue;
            ProfileFiles::loadSlotProfile(read, i);
            GlobalRecords::live().Profile[i] = read.Profile[i];
        }
    };
}
