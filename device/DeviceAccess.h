#pragma once

#include "device/DeviceLink.h"
#include "device/DeviceSlot.h"
#include "device/HidBackend.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class HotplugListener;

// Finds the supported mice among the HID devices, opens and closes their interfaces and decides
// which device-change notifications call for a new look. Runs on the GUI thread only; the handles
// it opens live in DeviceLink.
class DeviceAccess
{
public:
    static constexpr quint32 kSlotCount = 3;
    static constexpr quint16 kVendorId = 0x3F1C;
    static constexpr quint16 kReceiverProductId = 0x7C21;
    static constexpr quint16 kCableProductId = 0x7C22;

    // Starts a fresh table (slots, name list, notification counter) and reads the selected mouse
    // name from Config.ini.
    static void initSlotTable();
    // 0 on success, -1 when the HID layer cannot be initialised (the name list is then kept).
    // Paths and presence flags of interfaces that are no longer found are cleared.
    static int enumerate();
    static QStringList deviceNames();
    static quint16 firmwareNumber(); // cable control interface release number, 0 without cable
    // 1 when a slot has this code name (whether or not anything opened), else 0.
    static int openByCodeName(const QByteArray& codeName);
    static void closeAll();
    static int libraryExit();
    // Reacts to a device-interface arrival or removal path. Returns 1.
    static int IfDeviceInMouseList(const QString& path, HotplugListener* listener);

    static QString selectedMouseName();
    static quint32 slotCount();
    static const DeviceSlot& slot(quint32 index); // index < slotCount()
    static const DeviceSlot* findSlot(const QByteArray& codeName);

    // Why the last openByCodeName could not open an interface (None: opened or not tried).
    static HidOpenError lastOpenError(DeviceLink::Interface which);
    // True when the last openByCodeName was refused access to any interface of the mouse.
    static bool permissionDenied();
};
