#pragma once

#include "platform/PointerSpeed.h"
#include "platform/X11Connection.h"

#include <QVector>

// libinput's acceleration speed ("libinput Accel Speed", -1..1) on the X server's mice, through
// XInput2. Touchpads carry the same property but keep their own speed, as the desktops do.
class LibinputPointerSpeed : public PointerSpeed
{
public:
    explicit LibinputPointerSpeed(const QByteArray& displayName);

    QString backendName() const override { return QStringLiteral("libinput"); }
    // True when at least one mouse of the X server has the property.
    bool hasDevices();
    int read() override;

protected:
    int applySpeed(int speed) override;

private:
    QVector<int> mouseDevices();

    X11Connection m_Connection;
    bool m_bXInput2 = false;
};
