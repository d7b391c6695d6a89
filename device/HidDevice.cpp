#include "device/HidDevice.h"

#include "device/WakeEvent.h"

HidDevice::InputWait HidDevice::waitForInput(const WakeEvent& wake, int milliseconds)
{
    const int slice = milliseconds < 0 ? kProbeIntervalMs : qMin(milliseconds, kProbeIntervalMs);
    return wake.wait(slice) ? InputWait::Woken : InputWait::Ready;
}

int HidDevice::writeThenWait(const quint8* data, std::size_t length, int /*milliseconds*/)
{
    return write(data, length);
}
