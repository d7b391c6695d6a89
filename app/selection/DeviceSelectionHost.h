#pragma once

#include <QString>

class QWidget;

// What the device selection asks of the main window: the window it hides and shows, the chosen
// device, the model-dependent parts to refresh, and battery polling around a reopen.
class DeviceSelectionHost
{
public:
    virtual ~DeviceSelectionHost() = default;
    virtual QWidget* hostWindow() = 0;
    virtual QString currentDevice() const = 0;
    virtual void setCurrentDevice(const QString& codeName) = 0;
    // Pictures, arrow images and anything else that depends on the chosen device or model.
    virtual void refreshModelParts() = 0;
    // The window's own count of found mice (used by start-up to decide whether to show it).
    virtual void updateDeviceCount() = 0;
    virtual void startBatteryPolling() = 0;
    virtual void stopBatteryPolling() = 0;
};
