#pragma once

#include "device/HandleGuard.h"
#include "device/HidDevice.h"
#include "device/WakeEvent.h"

// One interface opened directly as its Linux hidraw node. The node's descriptor becomes
// readable when the mouse sends an input report, so a waiting thread sleeps in poll() instead of
// reading with short time-outs. Reads and writes are the node's own: one report per call, the
// report ID in front of numbered reports, as hidapi's hidraw backend does it.
class HidrawDevice : public HidDevice
{
public:
    explicit HidrawDevice(int fd); // an open node; the object owns it
    ~HidrawDevice() override;

    int write(const quint8* data, std::size_t length) override;
    int readTimeout(quint8* data, std::size_t length, int milliseconds) override;
    int setNonblocking(int nonblock) override;
    void close() override;
    InputWait waitForInput(const WakeEvent& wake, int milliseconds) override;

private:
    // Sleeps on the node, `wake` (may be null) and the close event. 1: node readable, 0: timed
    // out, 2: woken, -1: closed or broken.
    int pollNode(const WakeEvent* wake, int milliseconds);

    const int m_iFd;
    WakeEvent m_Closing; // raised by close() to end a wait under way
    HandleGuard m_Guard;
};
