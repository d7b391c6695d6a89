#pragma once

#include "platform/DeviceChangeNotifier.h"

#include <QHash>

struct udev;
struct udev_device;
struct udev_monitor;
class QSocketNotifier;

// hidraw nodes as udev reports them. The interface path is built from the USB device's vendor
// and product IDs and the USB interface number, the parts the hot-plug check looks at.
class UdevDeviceChangeNotifier : public DeviceChangeNotifier
{
    Q_OBJECT
public:
    struct Identity
    {
        quint16 vendorId = 0;
        quint16 productId = 0;
        int interfaceNumber = -1; // -1: not a USB interface
        bool valid = false;
    };

    explicit UdevDeviceChangeNotifier(QObject* parent = nullptr);
    ~UdevDeviceChangeNotifier() override;

    bool isActive() const override;

    // "\\?\HID#VID_3F1C&PID_7C21&MI_02#<instance>#{4d1e55b2-...}"; without "&MI_xx" for an
    // interface number below 0.
    static QString interfacePath(quint16 vendorId, quint16 productId, int interfaceNumber,
                                 const QString& instance);
    // Reads the IDs from a hidraw device path such as
    // "/devices/.../1-2/1-2:1.2/0003:3F1C:7C21.0005/hidraw/hidraw3". Needed for removals, when
    // sysfs no longer holds the parents' attributes.
    static Identity identityFromDevPath(const QString& devPath);

private slots:
    void readEvents();

private:
    QString pathOf(udev_device* device);

    udev* m_pUdev = nullptr;
    udev_monitor* m_pMonitor = nullptr;
    QSocketNotifier* m_pNotifier = nullptr;
    QHash<QString, QString> m_Known; // syspath -> path announced on arrival
};
