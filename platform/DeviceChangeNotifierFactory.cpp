#include "platform/DeviceChangeNotifierFactory.h"

#include "platform/CompositeDeviceChangeNotifier.h"
#include "platform/UdevDeviceChangeNotifier.h"
#include "platform/VirtualDeviceChangeNotifier.h"

DeviceChangeNotifier* DeviceChangeNotifierFactory::create(QObject* parent)
{
    auto* all = new CompositeDeviceChangeNotifier(parent);
    all->addSource(new UdevDeviceChangeNotifier(all));
    all->addSource(new VirtualDeviceChangeNotifier(QString(), all));
    return all;
}
