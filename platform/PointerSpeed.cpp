#include "platform/PointerSpeed.h"

#include "model/MouseConfig.h"

#include <QDebug>

void PointerSpeed::apply(int speed)
{
    // A value outside the scale can only come from a damaged profile file; the desktop is left
    // as it is rather than set to a guess.
    const int code = (speed < kMin || speed > kMax) ? kOutOfRange : applySpeed(speed);
    qDebug("Error in SystemParametersInfo :%d", code);
}

void PointerSpeed::applyActiveProfile(const MouseConfig& deviceCopy)
{
    apply(deviceCopy.activeProfile().mousespeed);
}
