#pragma once

#include "app/selection/DeviceSelectionHost.h"

#include <QStringList>
#include <QWidget>

// The main window as the selection sees it: records what it is asked to do.
class FakeSelectionHost : public DeviceSelectionHost
{
public:
    QWidget window;
    QString current;
    QStringList log;
    bool bPolling = false;
    int iCounts = 0;

    QWidget* hostWindow() override { return &window; }
    QString currentDevice() const override { return current; }
    void setCurrentDevice(const QString& codeName) override
    {
        log << "current " + (current = codeName);
    }
    void refreshModelParts() override { log << "refresh"; }
    void updateDeviceCount() override { ++iCounts; }
    void startBatteryPolling() override { log << (bPolling = true, "start"); }
    void stopBatteryPolling() override { log << (bPolling = false, "stop"); }
};
