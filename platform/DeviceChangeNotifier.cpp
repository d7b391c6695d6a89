#include "platform/DeviceChangeNotifier.h"

#include "platform/CompositeDeviceChangeNotifier.h"
#include "platform/UdevDeviceChangeNotifier.h"
#include "platform/VirtualDeviceChangeNotifier.h"

DeviceChangeNotifier::DeviceChangeNotifier(QObject* parent) : QObject(parent) {}

DeviceChangeNotifier* DeviceChangeNotifier::create(QObject* parent)
{
    auto* all = new CompositeDeviceChangeNotifier(parent);
    all->addSource(new UdevDeviceChangeNotifier(all));
    all->addSource(new VirtualDeviceChangeNotifier(QString(), all));
    return all;
}
