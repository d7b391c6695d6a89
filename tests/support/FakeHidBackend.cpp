#include "FakeHidBackend.h"

#include "ScriptedHidDevice.h"

#include <algorithm>

namespace {
// Notes its path in the backend's log when closed.
class LoggedDevice : public ScriptedHidDevice
{
public:
    LoggedDevice(QByteArray path, QList<QByteArray>* log) : m_Path(std::move(path)), m_pLog(log) {}
    void close() override { m_pLog->append(m_Path); }

private:
    QByteArray m_Path;
    QList<QByteArray>* m_pLog;
};
} // namespace

void FakeHidBackend::add(const QByteArray& path, quint16 productId, bool control,
                         const QString& product, quint16 release)
{
    HidDeviceInfo info;
    info.path = path;
    info.vendorId = 0x3F1C;
    info.productId = productId;
    info.releaseNumber = release;
    info.manufacturer = QStringLiteral("Maker");
    info.product = product;
    info.usagePage = control ? 0xFF00 : 0x0001;
    info.usage = control ? 0xFF00 : 0x0002;
    info.interfaceNumber = control ? 2 : 0;
    devices.push_back(info);
}

void FakeHidBackend::addReceiver(const QString& product)
{
    add("/dev/hidraw0", 0x7C21, false, product);
    add("/dev/hidraw1", 0x7C21, true, product);
}

void FakeHidBackend::addCable(quint16 release)
{
    add("/dev/hidraw2", 0x7C22, false, QStringLiteral("USB HORNBEAM"), release);
    add("/dev/hidraw3", 0x7C22, true, QStringLiteral("USB HORNBEAM"), release);
}

QByteArray FakeHidBackend::pathOf(const std::shared_ptr<HidDevice>& device) const
{
    for (const auto& [handle, path] : m_Handles)
        if (handle.lock() == device)
            return path;
    return QByteArray();
}

std::vector<HidDeviceInfo> FakeHidBackend::enumerate(quint16 vendorId, quint16 productId)
{
    ++enumerations;
    std::vector<HidDeviceInfo> result;
    for (const HidDeviceInfo& d : devices) {
        if ((vendorId == 0 || d.vendorId == vendorId) &&
            (productId == 0 || d.productId == productId))
            result.push_back(d);
    }
    return result;
}

std::shared_ptr<HidDevice> FakeHidBackend::openPath(const QByteArray& path, HidOpenError* error)
{
    opened << path;
    const bool listed = std::any_of(devices.begin(), devices.end(),
                                    [&](const HidDeviceInfo& d) { return d.path == path; });
    *error = refused.value(path, listed ? HidOpenError::None : unlisted);
    if (*error != HidOpenError::None)
        return nullptr;
    auto device = std::make_shared<LoggedDevice>(path, &closed);
    m_Handles.append({device, path});
    return device;
}
