#pragma once

#include "platform/DeviceChangeNotifier.h"
#include "platform/UdevDeviceChangeNotifier.h"

#include <QString>

// A device notifier the test drives by hand. Paths have the form of a real one, one per interface.
class FakeDeviceNotifier : public DeviceChangeNotifier
{
public:
    explicit FakeDeviceNotifier(bool bActive = true, QObject* parent = nullptr)
        : DeviceChangeNotifier(parent), m_bActive(bActive)
    {
    }
    bool isActive() const override { return m_bActive; }

    static QString path(quint16 productId, int interfaceNumber, const QString& instance)
    {
        return UdevDeviceChangeNotifier::interfacePath(0x3F1C, productId, interfaceNumber,
                                                       instance);
    }
    // What one plug or unplug of a receiver or cable announces: its interfaces 0 and 2.
    void announce(bool bArrived, quint16 productId, const QString& instance)
    {
        for (int iface : {0, 2}) {
            const QString p = path(productId, iface, instance);
            if (bArrived)
                emit deviceArrived(p);
            else
                emit deviceRemoved(p);
        }
    }

private:
    bool m_bActive;
};
