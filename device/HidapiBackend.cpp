#include "device/HidapiBackend.h"

#include "device/HidapiDevice.h"
#include "device/HidrawDevice.h"

#include <hidapi/hidapi.h>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {
QString fromWide(const wchar_t* text)
{
    return text ? QString::fromWCharArray(text) : QString();
}
} // namespace

int HidapiBackend::init()
{
    return hid_init() == 0 ? 0 : -1;
}

int HidapiBackend::exit()
{
    return hid_exit();
}

std::vector<HidDeviceInfo> HidapiBackend::enumerate(quint16 vendorId, quint16 productId)
{
    std::vector<HidDeviceInfo> result;
    hid_device_info* list = hid_enumerate(vendorId, productId);
    for (hid_device_info* cur = list; cur; cur = cur->next) {
        HidDeviceInfo info;
        info.path = QByteArray(cur->path ? cur->path : "");
        info.vendorId = cur->vendor_id;
        info.productId = cur->product_id;
        info.releaseNumber = cur->release_number;
        info.manufacturer = fromWide(cur->manufacturer_string);
        info.product = fromWide(cur->product_string);
        info.usagePage = cur->usage_page;
        info.usage = cur->usage;
        info.interfaceNumber = cur->interface_number;
        result.push_back(info);
    }
    hid_free_enumeration(list);
    return result;
}

std::shared_ptr<HidDevice> HidapiBackend::openPath(const QByteArray& path, HidOpenError* error)
{
    // hidapi finds the mice; their hidraw nodes are opened here so that the battery thread can
    // sleep on the node's descriptor until the mouse sends something.
    if (path.startsWith("/dev/hidraw")) {
        const int fd = ::open(path.constData(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) {
            if (error)
                *error = openErrorFromErrno(errno);
            return nullptr;
        }
        if (error)
            *error = HidOpenError::None;
        return std::make_shared<HidrawDevice>(fd);
    }
    hid_device* device = hid_open_path(path.constData());
    if (!device) {
        if (error)
            *error = openErrorForNode(path);
        return nullptr;
    }
    if (error)
        *error = HidOpenError::None;
    return std::make_shared<HidapiDevice>(device);
}

HidOpenError HidapiBackend::openErrorForNode(const QByteArray& path)
{
    if (path.isEmpty())
        return HidOpenError::Absent;
    const int fd = ::open(path.constData(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (fd >= 0) {
        // The node opens now, so the failure was something else (or the device just came back).
        ::close(fd);
        return HidOpenError::Other;
    }
    return openErrorFromErrno(errno);
}

HidOpenError HidapiBackend::openErrorFromErrno(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return HidOpenError::PermissionDenied;
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return HidOpenError::Absent;
    default:
        return HidOpenError::Other;
    }
}
