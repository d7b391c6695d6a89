#pragma once

#include <QStringList>

// What the hot-plug check asks of the window that follows the mice.
class HotplugListener
{
public:
    virtual ~HotplugListener() = default;
    virtual void updateDeviceCount() = 0;
    virtual void stopBatteryPolling() = 0;
    virtual void mouseDevicesUpdated(const QStringList& devices) = 0;
    virtual void selectDevice(bool bHotplug) = 0;
};
