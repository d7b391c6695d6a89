#include "device/HidapiDevice.h"

#include <hidapi/hidapi.h>

HidapiDevice::HidapiDevice(hid_device_* device)
    : m_pDevice(device), m_Guard([device] {
          if (device)
              hid_close(device);
      })
{
}

HidapiDevice::~HidapiDevice() = default; // the guard releases a handle nobody closed

template <typename Call> int HidapiDevice::guarded(Call&& call)
{
    HandleGuardCall entry(m_Guard);
    if (!entry.entered() || !m_pDevice)
        return -1;
    std::lock_guard<std::mutex> lock(m_CallMutex);
    // A close that came while this call waited for the lock: do not start new traffic.
    if (m_Guard.isClosed())
        return -1;
    return call();
}

int HidapiDevice::write(const quint8* data, std::size_t length)
{
    return guarded([&] { return hid_write(m_pDevice, data, length); });
}

int HidapiDevice::readTimeout(quint8* data, std::size_t length, int milliseconds)
{
    return guarded([&] { return hid_read_timeout(m_pDevice, data, length, milliseconds); });
}

int HidapiDevice::setNonblocking(int nonblock)
{
    return guarded([&] { return hid_set_nonblocking(m_pDevice, nonblock); });
}

void HidapiDevice::close()
{
    m_Guard.close();
}
