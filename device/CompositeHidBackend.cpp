#include "device/CompositeHidBackend.h"

void CompositeHidBackend::addBackend(std::shared_ptr<HidBackend> backend)
{
    if (!backend)
        return;
    std::lock_guard<std::mutex> lock(m_Mutex);
    m_Backends.push_back(std::move(backend));
}

std::vector<std::shared_ptr<HidBackend>> CompositeHidBackend::backends() const
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    return m_Backends;
}

int CompositeHidBackend::init()
{
    bool anyUsable = false;
    for (const auto& backend : backends()) {
        if (backend->init() == 0)
            anyUsable = true;
    }
    return anyUsable ? 0 : -1;
}

int CompositeHidBackend::exit()
{
    int result = 0;
    for (const auto& backend : backends()) {
        if (backend->exit() != 0)
            result = -1;
    }
    return result;
}

std::vector<HidDeviceInfo> CompositeHidBackend::enumerate(quint16 vendorId, quint16 productId)
{
    std::vector<HidDeviceInfo> all;
    QHash<QByteArray, HidBackend*> owners;
    for (const auto& backend : backends()) {
        std::vector<HidDeviceInfo> found = backend->enumerate(vendorId, productId);
        for (HidDeviceInfo& info : found) {
            if (!owners.contains(info.path))
                owners.insert(info.path, backend.get());
            all.push_back(std::move(info));
        }
    }
    std::lock_guard<std::mutex> lock(m_Mutex);
    // Paths from earlier enumerations with other filters stay known; the latest owner wins.
    for (auto it = owners.cbegin(); it != owners.cend(); ++it)
        m_PathOwner.insert(it.key(), it.value());
    return all;
}

std::shared_ptr<HidDevice> CompositeHidBackend::openPath(const QByteArray& path,
                                                         HidOpenError* error)
{
    const auto list = backends();
    HidBackend* owner = nullptr;
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        owner = m_PathOwner.value(path, nullptr);
    }
    if (owner)
        return owner->openPath(path, error);

    // A path nobody listed: ask each; report the most telling refusal.
    HidOpenError worst = HidOpenError::Absent;
    for (const auto& backend : list) {
        HidOpenError one = HidOpenError::None;
        std::shared_ptr<HidDevice> device = backend->openPath(path, &one);
        if (device) {
            if (error)
                *error = HidOpenError::None;
            return device;
        }
        if (one == HidOpenError::PermissionDenied ||
            (one == HidOpenError::Other && worst == HidOpenError::Absent))
            worst = one;
    }
    if (error)
        *error = worst;
    return nullptr;
}
