#include "platform/XPointerControlSpeed.h"

#include "platform/PointerSpeedMapping.h"

#include <X11/Xlib.h>

XPointerControlSpeed::XPointerControlSpeed(const QByteArray& displayName)
    : m_Connection(displayName)
{
}

int XPointerControlSpeed::read()
{
    if (!m_Connection.isOpen())
        return kDefault;
    int numerator = 0;
    int denominator = 0;
    int threshold = 0;
    m_Connection.beginTrap();
    XGetPointerControl(m_Connection.display(), &numerator, &denominator, &threshold);
    if (m_Connection.endTrap() != 0)
        return kDefault;
    return PointerSpeedMapping::fromAcceleration(numerator, denominator);
}

int XPointerControlSpeed::applySpeed(int speed)
{
    if (!m_Connection.isOpen())
        return kUnavailable;
    m_Connection.beginTrap();
    XChangePointerControl(m_Connection.display(), True, False,
                          PointerSpeedMapping::accelNumerator(speed),
                          PointerSpeedMapping::kAccelDenominator, 0);
    return m_Connection.endTrap();
}
