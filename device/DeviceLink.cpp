#include "device/DeviceLink.h"

DeviceLink& DeviceLink::instance()
{
    static DeviceLink link;
    return link;
}

std::shared_ptr<HidDevice> DeviceLink::handle(Interface which) const
{
    if (which < 0 || which >= InterfaceCount)
        return nullptr;
    std::lock_guard<std::mutex> lock(m_Mutex);
    return m_Handles[which];
}

void DeviceLink::setHandle(Interface which, std::shared_ptr<HidDevice> device)
{
    if (which < 0 || which >= InterfaceCount)
        return;
    std::shared_ptr<HidDevice> previous;
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        previous = std::move(m_Handles[which]);
        m_Handles[which] = std::move(device);
    }
    // `previous` is released here, outside the lock: its destructor may close a native handle.
}

std::shared_ptr<HidDevice> DeviceLink::controlHandle() const
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    if (m_Handles[CableControl])
        return m_Handles[CableControl];
    return m_Handles[ReceiverControl];
}

bool DeviceLink::isOpen(Interface which) const
{
    return handle(which) != nullptr;
}

bool DeviceLink::isCableOpen() const
{
    return isOpen(CableControl);
}

bool DeviceLink::isReceiverOpen() const
{
    return isOpen(ReceiverControl);
}

bool DeviceLink::isAnyOpen() const
{
    std::lock_guard<std::mutex> lock(m_Mutex);
    for (const auto& device : m_Handles) {
        if (device)
            return true;
    }
    return false;
}

void DeviceLink::closeAll()
{
    std::array<std::shared_ptr<HidDevice>, InterfaceCount> closing;
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        closing.swap(m_Handles);
    }
    for (const auto& device : closing) {
        if (device)
            device->close();
    }
}
