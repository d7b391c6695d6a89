#pragma once

#include <QtGlobal>
#include <cstddef>

// One open HID interface. Calls mirror hidapi's: negative results are failures, a read that
// times out returns 0. close() may come from another thread while a read or write is under way:
// the call in progress fails or finishes, and the object stays valid as long as anyone holds it.
class HidDevice
{
public:
    virtual ~HidDevice() = default;
    virtual int write(const quint8* data, std::size_t length) = 0;
    virtual int readTimeout(quint8* data, std::size_t length, int milliseconds) = 0;
    virtual int setNonblocking(int nonblock) = 0;
    virtual void close() = 0;
};
