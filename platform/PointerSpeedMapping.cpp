#include "platform/PointerSpeedMapping.h"

#include "platform/PointerSpeed.h"

#include <QtGlobal>

#include <cmath>

namespace {
int clampSpeed(long value)
{
    return static_cast<int>(qBound<long>(PointerSpeed::kMin, value, PointerSpeed::kMax));
}
} // namespace

double PointerSpeedMapping::toUnitRange(int speed)
{
    speed = clampSpeed(speed);
    if (speed <= PointerSpeed::kDefault)
        return (speed - PointerSpeed::kDefault) / 9.0;
    return (speed - PointerSpeed::kDefault) / 10.0;
}

int PointerSpeedMapping::fromUnitRange(double value)
{
    if (std::isnan(value))
        return PointerSpeed::kDefault;
    value = qBound(-1.0, value, 1.0);
    const double scaled = value < 0 ? value * 9.0 : value * 10.0;
    return clampSpeed(PointerSpeed::kDefault + std::lround(scaled));
}

int PointerSpeedMapping::accelNumerator(int speed)
{
    return clampSpeed(speed);
}

int PointerSpeedMapping::fromAcceleration(int numerator, int denominator)
{
    if (denominator <= 0 || numerator < 0)
        return PointerSpeed::kDefault;
    const double factor = static_cast<double>(numerator) / denominator;
    return clampSpeed(std::lround(factor * kAccelDenominator));
}
