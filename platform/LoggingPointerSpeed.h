#pragma once

#include "platform/PointerSpeed.h"

// For a desktop whose pointer speed we cannot reach: the value is kept, so that reading after
// applying gives the profile's value back, and each apply is logged.
class LoggingPointerSpeed : public PointerSpeed
{
public:
    QString backendName() const override { return QStringLiteral("none"); }
    int read() override { return m_iSpeed; }

protected:
    int applySpeed(int speed) override;

private:
    int m_iSpeed = kDefault;
};
