#pragma once

#include "VirtualMouse.h"
#include "device/HidBackend.h"

#include <QMutex>

#include <memory>
#include <vector>

// A HidBackend presenting in-process virtual mice. Paths read
// "virtualmouse:<index>:<receiver|cable>:<interface number>", index in the order of addMouse().
class VirtualHidBackend : public HidBackend
{
public:
    VirtualHidBackend() = default;
    explicit VirtualHidBackend(std::shared_ptr<VirtualMouse> mouse);

    void addMouse(std::shared_ptr<VirtualMouse> mouse);
    std::vector<std::shared_ptr<VirtualMouse>> mice() const;

    int init() override;
    int exit() override;
    std::vector<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) override;
    std::shared_ptr<HidDevice> openPath(const QByteArray& path, HidOpenError* error) override;

    static QByteArray pathOf(int mouse, VirtualMouse::Link link, VirtualMouse::Interface iface);

private:
    mutable QMutex m_Mutex;
    std::vector<std::shared_ptr<VirtualMouse>> m_Mice;
};
