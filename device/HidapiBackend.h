#pragma once

#include "device/HidBackend.h"

// The system's HID devices through hidapi (hidraw flavour: paths are /dev/hidrawN nodes).
class HidapiBackend : public HidBackend
{
public:
    int init() override;
    int exit() override;
    std::vector<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) override;
    std::shared_ptr<HidDevice> openPath(const QByteArray& path, HidOpenError* error) override;

    // hidapi does not say why an open failed; the node itself does.
    static HidOpenError openErrorForNode(const QByteArray& path);
    static HidOpenError openErrorFromErrno(int error);
};
