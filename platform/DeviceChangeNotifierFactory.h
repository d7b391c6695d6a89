#pragma once

class DeviceChangeNotifier;
class QObject;

// Builds the device-change notifier of this system.
class DeviceChangeNotifierFactory
{
public:
    // Every source of device notifications of this system, behind one object owned by `parent`.
    static DeviceChangeNotifier* create(QObject* parent);
};
