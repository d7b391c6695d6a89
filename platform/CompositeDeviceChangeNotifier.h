#pragma once

#include "platform/DeviceChangeNotifier.h"

// Several sources of device notifications seen as one: it forwards whatever any of them
// announces.
class CompositeDeviceChangeNotifier : public DeviceChangeNotifier
{
    Q_OBJECT
public:
    explicit CompositeDeviceChangeNotifier(QObject* parent = nullptr);

    // Takes ownership of source.
    void addSource(DeviceChangeNotifier* source);

    // True when at least one source is active.
    bool isActive() const override;

private:
    QList<DeviceChangeNotifier*> m_Sources;
};
