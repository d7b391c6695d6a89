#include "platform/CompositeDeviceChangeNotifier.h"

CompositeDeviceChangeNotifier::CompositeDeviceChangeNotifier(QObject* parent)
    : DeviceChangeNotifier(parent)
{
}

void CompositeDeviceChangeNotifier::addSource(DeviceChangeNotifier* source)
{
    if (!source)
        return;
    source->setParent(this);
    m_Sources.append(source);
    connect(source, &DeviceChangeNotifier::deviceArrived, this,
            &DeviceChangeNotifier::deviceArrived);
    connect(source, &DeviceChangeNotifier::deviceRemoved, this,
            &DeviceChangeNotifier::deviceRemoved);
}

bool CompositeDeviceChangeNotifier::isActive() const
{
    for (const DeviceChangeNotifier* source : m_Sources) {
        if (source->isActive())
            return true;
    }
    return false;
}
