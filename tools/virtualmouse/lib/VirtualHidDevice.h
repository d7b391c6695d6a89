#pragma once

#include "VirtualMouse.h"
#include "device/HidDevice.h"

#include <atomic>
#include <memory>

// One open interface of a VirtualMouse, as the device layer sees it.
class VirtualHidDevice : public HidDevice
{
public:
    // handle: an id from mouse->openHandle(); the object closes it.
    VirtualHidDevice(std::shared_ptr<VirtualMouse> mouse, int handle);
    ~VirtualHidDevice() override;

    int write(const quint8* data, std::size_t length) override;
    int readTimeout(quint8* data, std::size_t length, int milliseconds) override;
    int setNonblocking(int nonblock) override;
    InputWait waitForInput(const WakeEvent& wake, int milliseconds) override;
    void close() override;

private:
    std::shared_ptr<VirtualMouse> m_Mouse;
    const int m_iHandle;
    std::atomic<bool> m_bClosed{false};
    std::atomic<int> m_iNonblocking{0};
};
