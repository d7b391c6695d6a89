#pragma once

#include "device/HidBackend.h"

#include <QHash>

#include <mutex>

// Several backends seen as one: enumeration lists all their devices, and a path is opened by the
// backend that listed it.
class CompositeHidBackend : public HidBackend
{
public:
    void addBackend(std::shared_ptr<HidBackend> backend);

    // 0 when at least one backend is usable: one missing source must not hide the others.
    int init() override;
    int exit() override;
    std::vector<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) override;
    std::shared_ptr<HidDevice> openPath(const QByteArray& path, HidOpenError* error) override;

private:
    std::vector<std::shared_ptr<HidBackend>> backends() const;

    mutable std::mutex m_Mutex;
    std::vector<std::shared_ptr<HidBackend>> m_Backends;
    QHash<QByteArray, HidBackend*> m_PathOwner; // from the latest enumeration of each backend
};
