#include "platform/UdevDeviceChangeNotifier.h"

#include <QPointer>
#include <QRegularExpression>
#include <QSocketNotifier>

#include <libudev.h>

namespace {
QString text(const char* value)
{
    return value ? QString::fromUtf8(value) : QString();
}

bool hexAttribute(udev_device* device, const char* name, int* value)
{
    if (!device)
        return false;
    bool ok = false;
    const int parsed = text(udev_device_get_sysattr_value(device, name)).trimmed().toInt(&ok, 16);
    if (ok)
        *value = parsed;
    return ok;
}
} // namespace

UdevDeviceChangeNotifier::UdevDeviceChangeNotifier(QObject* parent) : DeviceChangeNotifier(parent)
{
    m_pUdev = udev_new();
    if (!m_pUdev)
        return;
    m_pMonitor = udev_monitor_new_from_netlink(m_pUdev, "udev");
    if (!m_pMonitor ||
        udev_monitor_filter_add_match_subsystem_devtype(m_pMonitor, "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(m_pMonitor) < 0) {
        if (m_pMonitor)
            udev_monitor_unref(m_pMonitor);
        m_pMonitor = nullptr;
        return;
    }
    const int fd = udev_monitor_get_fd(m_pMonitor);
    if (fd < 0) {
        udev_monitor_unref(m_pMonitor);
        m_pMonitor = nullptr;
        return;
    }
    m_pNotifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_pNotifier, &QSocketNotifier::activated, this, &UdevDeviceChangeNotifier::readEvents);
}

UdevDeviceChangeNotifier::~UdevDeviceChangeNotifier()
{
    delete m_pNotifier;
    if (m_pMonitor)
        udev_monitor_unref(m_pMonitor);
    if (m_pUdev)
        udev_unref(m_pUdev);
}

bool UdevDeviceChangeNotifier::isActive() const
{
    return m_pNotifier != nullptr;
}

QString UdevDeviceChangeNotifier::interfacePath(quint16 vendorId, quint16 productId,
                                                int interfaceNumber, const QString& instance)
{
    QString path = QStringLiteral("\\\\?\\HID#VID_%1&PID_%2")
                       .arg(vendorId, 4, 16, QLatin1Char('0'))
                       .arg(productId, 4, 16, QLatin1Char('0'))
                       .toUpper();
    if (interfaceNumber >= 0)
        path += QStringLiteral("&MI_%1").arg(interfaceNumber, 2, 16, QLatin1Char('0')).toUpper();
    // '#' and '&' separate the fields of the path; keep them out of the instance.
    QString cleaned = instance;
    cleaned.replace(QLatin1Char('#'), QLatin1Char('_')).replace(QLatin1Char('&'), QLatin1Char('_'));
    return path + QLatin1Char('#') + cleaned +
           QStringLiteral("#{4d1e55b2-f16f-11cf-88cb-001111000030}");
}

UdevDeviceChangeNotifier::Identity
UdevDeviceChangeNotifier::identityFromDevPath(const QString& devPath)
{
    static const QRegularExpression hidDevice(
        QStringLiteral("^[0-9A-Fa-f]{4}:([0-9A-Fa-f]{4}):([0-9A-Fa-f]{4})\\.[0-9A-Fa-f]+$"));
    static const QRegularExpression usbInterface(QStringLiteral("^\\d+-[\\d.]+:\\d+\\.(\\d+)$"));

    Identity identity;
    const QStringList parts = devPath.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (int i = parts.size() - 1; i >= 0; --i) {
        const QRegularExpressionMatch hid = hidDevice.match(parts[i]);
        if (!hid.hasMatch())
            continue;
        identity.vendorId = quint16(hid.captured(1).toUInt(nullptr, 16));
        identity.productId = quint16(hid.captured(2).toUInt(nullptr, 16));
        identity.valid = true;
        if (i > 0) {
            const QRegularExpressionMatch usb = usbInterface.match(parts[i - 1]);
            if (usb.hasMatch())
                identity.interfaceNumber = usb.captured(1).toInt();
        }
        break;
    }
    return identity;
}

QString UdevDeviceChangeNotifier::pathOf(udev_device* device)
{
    const QString instance = text(udev_device_get_sysname(device));
    int vendorId = 0;
    int productId = 0;
    int interfaceNumber = -1;
    udev_device* usbInterface =
        udev_device_get_parent_with_subsystem_devtype(device, "usb", "usb_interface");
    udev_device* usbDevice =
        udev_device_get_parent_with_subsystem_devtype(device, "usb", "usb_device");
    if (hexAttribute(usbDevice, "idVendor", &vendorId) &&
        hexAttribute(usbDevice, "idProduct", &productId)) {
        if (!hexAttribute(usbInterface, "bInterfaceNumber", &interfaceNumber))
            interfaceNumber = -1;
    } else {
        const Identity identity = identityFromDevPath(text(udev_device_get_devpath(device)));
        vendorId = identity.vendorId;
        productId = identity.productId;
        interfaceNumber = identity.interfaceNumber;
    }
    return interfacePath(quint16(vendorId), quint16(productId), interfaceNumber, instance);
}

void UdevDeviceChangeNotifier::readEvents()
{
    // A receiver of the signals may delete this notifier.
    const QPointer<UdevDeviceChangeNotifier> self(this);
    while (udev_device* device = udev_monitor_receive_device(m_pMonitor)) {
        const QString action = text(udev_device_get_action(device));
        const QString sysPath = text(udev_device_get_syspath(device));
        if (action == QLatin1String("add")) {
            const QString path = pathOf(device);
            m_Known.insert(sysPath, path);
            udev_device_unref(device);
            emit deviceArrived(path);
            if (!self)
                return;
        } else if (action == QLatin1String("remove")) {
            // The same path as on arrival, so both ends of a plug pair up.
            const QString path = m_Known.contains(sysPath) ? m_Known.take(sysPath) : pathOf(device);
            udev_device_unref(device);
            emit deviceRemoved(path);
            if (!self)
                return;
        } else {
            udev_device_unref(device);
        }
    }
}
