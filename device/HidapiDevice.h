#pragma once

#include "device/HandleGuard.h"
#include "device/HidDevice.h"

#include <mutex>

struct hid_device_;

// One interface opened through hidapi. hidapi keeps per-device state that is not safe for two
// threads at once (the battery thread and the transport share the control interface), so calls
// are serialised; close() from any thread is deferred until no call is inside hidapi.
class HidapiDevice : public HidDevice
{
public:
    explicit HidapiDevice(hid_device_* device);
    ~HidapiDevice() override;

    int write(const quint8* data, std::size_t length) override;
    int readTimeout(quint8* data, std::size_t length, int milliseconds) override;
    int setNonblocking(int nonblock) override;
    void close() override;

private:
    // Runs one hidapi call unless the handle is closed, or closes, before it starts.
    template <typename Call> int guarded(Call&& call);

    hid_device_* m_pDevice;
    std::mutex m_CallMutex;
    HandleGuard m_Guard;
};
