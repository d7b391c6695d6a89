#include "platform/LibinputPointerSpeed.h"

#include "platform/PointerSpeedMapping.h"

#include <algorithm>
#include <cstring>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

namespace {
const char* const kAccelSpeed = "libinput Accel Speed";
const char* const kTapping = "libinput Tapping Enabled"; // only touchpads have it

bool hasProperty(Display* display, int device, Atom property)
{
    int count = 0;
    Atom* properties = XIListProperties(display, device, &count);
    const bool found =
        properties && std::find(properties, properties + count, property) != properties + count;
    if (properties)
        XFree(properties);
    return found;
}
} // namespace

LibinputPointerSpeed::LibinputPointerSpeed(const QByteArray& displayName)
    : m_Connection(displayName)
{
    if (!m_Connection.isOpen())
        return;
    int opcode = 0;
    int event = 0;
    int error = 0;
    if (!XQueryExtension(m_Connection.display(), "XInputExtension", &opcode, &event, &error))
        return;
    int major = 2;
    int minor = 0;
    m_bXInput2 = XIQueryVersion(m_Connection.display(), &major, &minor) == Success;
}

QVector<int> LibinputPointerSpeed::mouseDevices()
{
    QVector<int> devices;
    if (!m_bXInput2)
        return devices;
    Display* display = m_Connection.display();
    const Atom accel = XInternAtom(display, kAccelSpeed, True);
    if (accel == None)
        return devices; // no device ever had the property
    const Atom tapping = XInternAtom(display, kTapping, True);

    int count = 0;
    XIDeviceInfo* info = XIQueryDevice(display, XIAllDevices, &count);
    for (int i = 0; i < count; ++i) {
        if (info[i].use != XISlavePointer || !info[i].enabled)
            continue;
        if (!hasProperty(display, info[i].deviceid, accel))
            continue;
        if (tapping != None && hasProperty(display, info[i].deviceid, tapping))
            continue;
        devices.append(info[i].deviceid);
    }
    if (info)
        XIFreeDeviceInfo(info);
    return devices;
}

bool LibinputPointerSpeed::hasDevices()
{
    return !mouseDevices().isEmpty();
}

int LibinputPointerSpeed::read()
{
    const QVector<int> devices = mouseDevices();
    if (devices.isEmpty())
        return kDefault;
    Display* display = m_Connection.display();
    const Atom accel = XInternAtom(display, kAccelSpeed, True);
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    int result = PointerSpeed::kDefault;
    m_Connection.beginTrap();
    const Status status = XIGetProperty(display, devices.first(), accel, 0, 1, False,
                                        AnyPropertyType, &type, &format, &items, &after, &data);
    const int error = m_Connection.endTrap();
    // XInput2 hands 32-bit items over as 32-bit units, not as longs.
    if (status == Success && error == 0 && format == 32 && items >= 1 && data) {
        float value = 0;
        std::memcpy(&value, data, sizeof value);
        result = PointerSpeedMapping::fromUnitRange(value);
    }
    if (data)
        XFree(data);
    return result;
}

int LibinputPointerSpeed::applySpeed(int speed)
{
    const QVector<int> devices = mouseDevices();
    if (devices.isEmpty())
        return kUnavailable;
    Display* display = m_Connection.display();
    const Atom accel = XInternAtom(display, kAccelSpeed, True);
    const Atom floatType = XInternAtom(display, "FLOAT", False);
    const float value = static_cast<float>(PointerSpeedMapping::toUnitRange(speed));
    unsigned char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    m_Connection.beginTrap();
    for (int device : devices)
        XIChangeProperty(display, device, accel, floatType, 32, XIPropModeReplace, bytes, 1);
    return m_Connection.endTrap();
}
