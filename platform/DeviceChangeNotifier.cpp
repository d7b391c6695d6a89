#include "platform/DeviceChangeNotifier.h"

#include "platform/UdevDeviceChangeNotifier.h"

DeviceChangeNotifier::DeviceChangeNotifier(QObject* parent) : QObject(parent) {}

DeviceChangeNotifier* DeviceChangeNotifier::create(QObject* parent)
{
    return new UdevDeviceChangeNotifier(parent);
}
