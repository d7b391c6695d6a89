#pragma once

#include "device/HidDevice.h"
#include "device/HidDeviceInfo.h"

#include <QByteArray>

#include <memory>
#include <vector>

// Why an open failed, so the shell can tell "not plugged in" from "not accessible".
enum class HidOpenError
{
    None,
    Absent,
    PermissionDenied,
    Other,
};

// The narrow seam through which every HID call goes. The production backend combines hidapi with
// the virtual mice running on this machine; tests install an in-process one.
class HidBackend
{
public:
    virtual ~HidBackend() = default;
    virtual int init() = 0; // 0 on success, -1 on failure; repeated calls are harmless
    virtual int exit() = 0;
    // vendorId / productId 0 match any.
    virtual std::vector<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) = 0;
    virtual std::shared_ptr<HidDevice> openPath(const QByteArray& path, HidOpenError* error) = 0;

    // The backend every device-layer call uses. Until set, the production backend is created.
    static HidBackend& current();
    static void setCurrent(std::shared_ptr<HidBackend> backend); // nullptr: back to production
};
