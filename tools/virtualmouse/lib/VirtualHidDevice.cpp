#include "VirtualHidDevice.h"

#include "device/WakeEvent.h"

VirtualHidDevice::VirtualHidDevice(std::shared_ptr<VirtualMouse> mouse, int handle)
    : m_Mouse(std::move(mouse)), m_iHandle(handle)
{
}

VirtualHidDevice::~VirtualHidDevice()
{
    close();
}

int VirtualHidDevice::write(const quint8* data, std::size_t length)
{
    if (m_bClosed)
        return -1;
    return m_Mouse->write(m_iHandle, data, length);
}

int VirtualHidDevice::readTimeout(quint8* data, std::size_t length, int milliseconds)
{
    if (m_bClosed)
        return -1;
    return m_Mouse->read(m_iHandle, data, length, milliseconds);
}

HidDevice::InputWait VirtualHidDevice::waitForInput(const WakeEvent& wake, int milliseconds)
{
    if (m_bClosed)
        return InputWait::Failed;
    const int result = m_Mouse->waitForInput(m_iHandle, wake.fd(), milliseconds);
    if (result > 0)
        return InputWait::Ready;
    if (result < 0)
        return InputWait::Failed;
    return wake.isRaised() ? InputWait::Woken : InputWait::TimedOut;
}

int VirtualHidDevice::setNonblocking(int nonblock)
{
    // Only plain reads would honour it; readTimeout always takes its own time-out, as in hidapi.
    m_iNonblocking = nonblock;
    return 0;
}

void VirtualHidDevice::close()
{
    if (!m_bClosed.exchange(true))
        m_Mouse->closeHandle(m_iHandle);
}
