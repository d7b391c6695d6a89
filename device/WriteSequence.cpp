#include "device/WriteSequence.h"

#include "device/PollingPause.h"
#include "device/SlotWrite.h"
#include "model/DeviceDescription.h"
#include "model/GlobalRecords.h"

quint8 WriteSequence::run(const MouseConfig& config, int iMask)
{
    // Every group is sent on every write; the mask only tells what changed.
    Q_UNUSED(iMask);
    PollingPause pause(m_pPolling);

    MouseConfig& device = GlobalRecords::deviceCopy();
    device = config;

    // The current slot goes out where the builders look, to the slot the mouse was just told.
    const int slot = config.ProfileID % MouseConfig::kProfileCount;
    quint8 result = 0;
    if (slot != 0) {
        SlotWrite::moveToFront(device, slot,
                               SlotWrite::sharesLighting(DeviceDescription::productName()));
        result = DeviceCommands::selectProfile(slot);
    }
    if (result == 0)
        result = DeviceCommands::sendMarker(0);
    if (result == 0)
        result = DeviceCommands::sendGeneralSettings(device);
    if (result == 0)
        result = m_Commands.sendButtonTable(device);
    if (result == 0)
        result = DeviceCommands::sendDpiTable(device, 0);
    if (result == 0)
        result = m_Commands.sendMacros(device);
    if (result == 0)
        result = DeviceCommands::sendMarker(1);

    // A failed write is remembered in Config/Diff, so the next write is a full one anyway.
    pause.end(result);
    return result;
}
