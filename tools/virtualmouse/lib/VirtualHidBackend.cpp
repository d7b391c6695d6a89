#include "VirtualHidBackend.h"

#include "VirtualHidDevice.h"

#include <QList>
#include <QMutexLocker>

VirtualHidBackend::VirtualHidBackend(std::shared_ptr<VirtualMouse> mouse)
{
    addMouse(std::move(mouse));
}

void VirtualHidBackend::addMouse(std::shared_ptr<VirtualMouse> mouse)
{
    QMutexLocker lock(&m_Mutex);
    m_Mice.push_back(std::move(mouse));
}

std::vector<std::shared_ptr<VirtualMouse>> VirtualHidBackend::mice() const
{
    QMutexLocker lock(&m_Mutex);
    return m_Mice;
}

int VirtualHidBackend::init()
{
    return 0;
}

int VirtualHidBackend::exit()
{
    return 0;
}

QByteArray VirtualHidBackend::pathOf(int mouse, VirtualMouse::Link link,
                                     VirtualMouse::Interface iface)
{
    return QStringLiteral("virtualmouse:%1:%2:%3")
        .arg(mouse)
        .arg(VirtualMouse::linkName(link))
        .arg(static_cast<int>(iface))
        .toLatin1();
}

std::vector<HidDeviceInfo> VirtualHidBackend::enumerate(quint16 vendorId, quint16 productId)
{
    std::vector<HidDeviceInfo> found;
    const auto all = mice();
    for (std::size_t m = 0; m < all.size(); ++m) {
        for (VirtualMouse::Link link : {VirtualMouse::Link::Receiver, VirtualMouse::Link::Cable}) {
            if (!all[m]->isPlugged(link))
                continue;
            for (VirtualMouse::Interface iface :
                 {VirtualMouse::Interface::Mouse, VirtualMouse::Interface::Control}) {
                HidDeviceInfo info = all[m]->interfaceInfo(link, iface);
                if ((vendorId != 0 && info.vendorId != vendorId) ||
                    (productId != 0 && info.productId != productId))
                    continue;
                info.path = pathOf(int(m), link, iface);
                found.push_back(info);
            }
        }
    }
    return found;
}

std::shared_ptr<HidDevice> VirtualHidBackend::openPath(const QByteArray& path, HidOpenError* error)
{
    auto fail = [error](HidOpenError why) {
        if (error)
            *error = why;
        return std::shared_ptr<HidDevice>();
    };
    const QList<QByteArray> parts = path.split(':');
    if (parts.size() != 4 || parts[0] != "virtualmouse")
        return fail(HidOpenError::Absent);
    bool ok = false;
    const int m = parts[1].toInt(&ok);
    VirtualMouse::Link link;
    if (!ok || !VirtualMouse::parseLink(QString::fromLatin1(parts[2]), &link))
        return fail(HidOpenError::Absent);
    const int number = parts[3].toInt(&ok);
    if (!ok || (number != 0 && number != 2))
        return fail(HidOpenError::Absent);
    const auto all = mice();
    if (m < 0 || std::size_t(m) >= all.size())
        return fail(HidOpenError::Absent);
    const int handle = all[m]->openHandle(link, static_cast<VirtualMouse::Interface>(number));
    if (handle < 0)
        return fail(HidOpenError::Absent);
    if (error)
        *error = HidOpenError::None;
    return std::make_shared<VirtualHidDevice>(all[m], handle);
}
