#include "device/DeviceAccess.h"

#include "device/HotplugListener.h"
#include "model/AppPaths.h"
#include "model/SettingsFile.h"

#include <QDebug>
#include <QRegularExpression>

#include <array>

namespace {
constexpr quint32 kMouseUsage = 0x0002;
constexpr quint32 kMouseUsagePage = 0x0001;
constexpr quint32 kControlUsage = 0xFF00;
constexpr quint32 kControlUsagePage = 0xFF00;
const char* const kCodeNames[DeviceAccess::kSlotCount] = {"HORNBEAM", "LINDEN", "TAMARACK"};

struct State
{
    quint32 slotCount = 0;
    std::array<DeviceSlot, DeviceAccess::kSlotCount> table{};
    // The fields hold 254 characters; a longer path is kept whole here so it still opens.
    std::array<std::array<QByteArray, DeviceLink::InterfaceCount>, DeviceAccess::kSlotCount>
        fullPaths;
    QStringList names;
    quint16 firmware = 0;
    QString selectedMouse;
    quint32 notificationCount = 0;
    std::array<HidOpenError, DeviceLink::InterfaceCount> openErrors{};
};

State& state()
{
    static State s;
    return s;
}

struct Kind
{
    DeviceLink::Interface link;
    const char* logFormat;
    bool receiver;
    bool control;
};

// Interface kinds in the order they are tested and logged.
const Kind kKinds[] = {
    {DeviceLink::ReceiverMouse, "1 %s\n", true, false},
    {DeviceLink::ReceiverControl, "2 %s\n", true, true},
    {DeviceLink::CableMouse, "3 %s\n", false, false},
    {DeviceLink::CableControl, "4 %s\n", false, true},
};

char (&pathField(DeviceSlot& slot, DeviceLink::Interface which))[DeviceSlot::kFieldSize]
{
    switch (which) {
    case DeviceLink::ReceiverMouse:
        return slot.receiverMousePath;
    case DeviceLink::ReceiverControl:
        return slot.receiverControlPath;
    case DeviceLink::CableMouse:
        return slot.cableMousePath;
    default:
        return slot.cableControlPath;
    }
}

quint32& foundFlag(DeviceSlot& slot, DeviceLink::Interface which)
{
    switch (which) {
    case DeviceLink::ReceiverMouse:
        return slot.receiverMouseFound;
    case DeviceLink::ReceiverControl:
        return slot.receiverControlFound;
    case DeviceLink::CableMouse:
        return slot.cableMouseFound;
    default:
        return slot.cableControlFound;
    }
}

bool matchesKind(const DeviceSlot& slot, const Kind& kind, const HidDeviceInfo& info)
{
    const quint32 vid = kind.receiver ? slot.receiverVendorId : slot.cableVendorId;
    const quint32 pid = kind.receiver ? slot.receiverProductId : slot.cableProductId;
    quint32 usage = 0;
    quint32 usagePage = 0;
    if (kind.receiver) {
        usage = kind.control ? slot.receiverControlUsage : slot.receiverMouseUsage;
        usagePage = kind.control ? slot.receiverControlUsagePage : slot.receiverMouseUsagePage;
    } else {
        usage = kind.control ? slot.cableControlUsage : slot.cableMouseUsage;
        usagePage = kind.control ? slot.cableControlUsagePage : slot.cableMouseUsagePage;
    }
    const QByteArray code = DeviceSlot::field(slot.codeName);
    // An empty code name would be a substring of every product string.
    if (code.isEmpty())
        return false;
    return info.vendorId == vid && info.productId == pid && info.usage == usage &&
           info.usagePage == usagePage && info.product.contains(QString::fromLatin1(code));
}

void clearFound(quint32 index)
{
    DeviceSlot& slot = state().table[index];
    for (const Kind& kind : kKinds) {
        DeviceSlot::setField(pathField(slot, kind.link), QByteArray());
        foundFlag(slot, kind.link) = 0;
        state().fullPaths[index][kind.link].clear();
    }
}

std::shared_ptr<HidDevice> openInterface(quint32 index, DeviceLink::Interface which)
{
    HidOpenError error = HidOpenError::None;
    std::shared_ptr<HidDevice> device =
        HidBackend::current().openPath(state().fullPaths[index][which], &error);
    state().openErrors[which] =
        device ? HidOpenError::None : (error == HidOpenError::None ? HidOpenError::Other : error);
    return device;
}
} // namespace

void DeviceAccess::initSlotTable()
{
    State& s = state();
    s = State();
    s.slotCount = kSlotCount;
    for (quint32 i = 0; i < kSlotCount; ++i) {
        DeviceSlot& slot = s.table[i];
        slot.receiverVendorId = kVendorId;
        slot.receiverProductId = kReceiverProductId;
        slot.cableVendorId = kVendorId;
        slot.cableProductId = kCableProductId;
        slot.receiverMouseUsage = kMouseUsage;
        slot.receiverMouseUsagePage = kMouseUsagePage;
        slot.receiverControlUsage = kControlUsage;
        slot.receiverControlUsagePage = kControlUsagePage;
        slot.cableMouseUsage = kMouseUsage;
        slot.cableMouseUsagePage = kMouseUsagePage;
        slot.cableControlUsage = kControlUsage;
        slot.cableControlUsagePage = kControlUsagePage;
        DeviceSlot::setField(slot.codeName, QByteArray(kCodeNames[i]));
    }
    const SettingsFile config(AppPaths::configIni());
    s.selectedMouse = config->value("Mouse_List/0").toString();
    DeviceSlot::setField(s.table[0].displayName, s.selectedMouse.toLatin1());
}

int DeviceAccess::enumerate()
{
    HidBackend& backend = HidBackend::current();
    if (backend.init() != 0)
        return -1;
    State& s = state();
    s.names.clear();
    s.firmware = 0;
    for (quint32 i = 0; i < s.slotCount; ++i)
        clearFound(i);

    const std::vector<HidDeviceInfo> devices = backend.enumerate(kVendorId, 0);
    for (const HidDeviceInfo& info : devices) {
        if (info.vendorId == kVendorId) {
            qDebug().noquote() << "Manufacturer:" << info.manufacturer;
            qDebug().noquote() << "Product:" << info.product;
        }
        for (quint32 i = 0; i < s.slotCount; ++i) {
            DeviceSlot& slot = s.table[i];
            const QByteArray code = DeviceSlot::field(slot.codeName);
            for (const Kind& kind : kKinds) {
                if (!matchesKind(slot, kind, info))
                    continue;
                DeviceSlot::setField(pathField(slot, kind.link), info.path);
                s.fullPaths[i][kind.link] = info.path;
                foundFlag(slot, kind.link) = 1;
                qDebug(kind.logFormat, info.path.constData());
                if (kind.control) {
                    const QString name = QString::fromLatin1(code);
                    if (!name.isEmpty() && !s.names.contains(name))
                        s.names.append(name);
                }
                if (kind.link == DeviceLink::CableControl)
                    s.firmware = info.releaseNumber;
            }
        }
    }
    return 0;
}

QStringList DeviceAccess::deviceNames()
{
    return state().names;
}

quint16 DeviceAccess::firmwareNumber()
{
    return state().firmware;
}

int DeviceAccess::openByCodeName(const QByteArray& codeName)
{
    State& s = state();
    s.openErrors.fill(HidOpenError::None);
    if (HidBackend::current().init() != 0)
        return 0;
    DeviceLink& link = DeviceLink::instance();
    bool matched = false;
    for (quint32 i = 0; i < s.slotCount; ++i) {
        const DeviceSlot& slot = s.table[i];
        if (DeviceSlot::field(slot.codeName) != codeName)
            continue;
        if (slot.receiverMouseFound == 1 && slot.receiverControlFound == 1) {
            link.setHandle(DeviceLink::ReceiverMouse, openInterface(i, DeviceLink::ReceiverMouse));
            link.setHandle(DeviceLink::ReceiverControl,
                           openInterface(i, DeviceLink::ReceiverControl));
        }
        if (slot.cableMouseFound == 1 && slot.cableControlFound == 1) {
            link.setHandle(DeviceLink::CableMouse, openInterface(i, DeviceLink::CableMouse));
            link.setHandle(DeviceLink::CableControl, openInterface(i, DeviceLink::CableControl));
        }
        matched = true;
    }
    return matched ? 1 : 0;
}

void DeviceAccess::closeAll()
{
    DeviceLink::instance().closeAll();
}

int DeviceAccess::libraryExit()
{
    return HidBackend::current().exit();
}

int DeviceAccess::IfDeviceInMouseList(const QString& path, HotplugListener* listener)
{
    static const QRegularExpression interface0(
        QStringLiteral("HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})(?:&[^&]+)*&MI_00"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression interface2(
        QStringLiteral("HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})(?:&[^&]+)*&MI_02"),
        QRegularExpression::CaseInsensitiveOption);

    const bool matches = interface0.match(path).hasMatch() || interface2.match(path).hasMatch();
    qDebug().noquote() << "IfDeviceInMouseList" << path;
    if (!matches)
        return 1;

    // One plug or unplug announces both interfaces: act on the first of each pair.
    State& s = state();
    ++s.notificationCount;
    if (s.notificationCount % 2 == 0)
        return 1;

    enumerate();
    if (listener)
        listener->updateDeviceCount();
    const QStringList names = state().names;
    if (names.isEmpty()) {
        if (listener)
            listener->stopBatteryPolling();
        closeAll();
    }
    if (listener) {
        listener->mouseDevicesUpdated(names);
        listener->selectDevice(true);
    }
    return 1;
}

QString DeviceAccess::selectedMouseName()
{
    return state().selectedMouse;
}

quint32 DeviceAccess::slotCount()
{
    return state().slotCount;
}

const DeviceSlot& DeviceAccess::slot(quint32 index)
{
    return state().table[qMin(index, kSlotCount - 1)];
}

const DeviceSlot* DeviceAccess::findSlot(const QByteArray& codeName)
{
    State& s = state();
    for (quint32 i = 0; i < s.slotCount; ++i) {
        if (DeviceSlot::field(s.table[i].codeName) == codeName)
            return &s.table[i];
    }
    return nullptr;
}

HidOpenError DeviceAccess::lastOpenError(DeviceLink::Interface which)
{
    if (which < 0 || which >= DeviceLink::InterfaceCount)
        return HidOpenError::None;
    return state().openErrors[which];
}

bool DeviceAccess::permissionDenied()
{
    for (HidOpenError error : state().openErrors) {
        if (error == HidOpenError::PermissionDenied)
            return true;
    }
    return false;
}
