#pragma once

#include <QtGlobal>
#include <cstddef>

class WakeEvent;

// One open HID interface. Calls mirror hidapi's: negative results are failures, a read that
// times out returns 0. close() may come from another thread while a read or write is under way:
// the call in progress fails or finishes, and the object stays valid as long as anyone holds it.
class HidDevice
{
public:
    enum class InputWait
    {
        Ready,    // an input report can be read now
        Woken,    // the wake event was raised
        TimedOut, // nothing arrived in time
        Failed,   // the interface is gone or broken: waiting again will not help
    };

    // How often a device without a descriptor to sleep on is read by the default wait.
    static constexpr int kProbeIntervalMs = 50;

    virtual ~HidDevice() = default;
    virtual int write(const quint8* data, std::size_t length) = 0;
    virtual int readTimeout(quint8* data, std::size_t length, int milliseconds) = 0;
    virtual int setNonblocking(int nonblock) = 0;
    virtual void close() = 0;

    // Sleeps until an input report arrives, `wake` is raised or `milliseconds` pass (negative:
    // no limit), without taking the report. Devices that can tell when input is waiting
    // override this; the default cannot, so it sleeps at most kProbeIntervalMs and answers Ready
    // for the caller to try a read.
    virtual InputWait waitForInput(const WakeEvent& wake, int milliseconds);

    // A write after which the caller waits for input for about `milliseconds`. A device that
    // has to be asked to report input is asked along with the write, so that the answer and the
    // end of the wait cost one wake each; the rest simply write.
    virtual int writeThenWait(const quint8* data, std::size_t length, int milliseconds);
};
