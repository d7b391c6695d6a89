#pragma once

#include "platform/PointerSpeed.h"
#include "platform/X11Connection.h"

// The X server's core pointer control: the acceleration factor numerator/denominator. The only
// pointer setting every X server has, a virtual one included.
class XPointerControlSpeed : public PointerSpeed
{
public:
    explicit XPointerControlSpeed(const QByteArray& displayName);

    QString backendName() const override { return QStringLiteral("x11-pointer-control"); }
    bool isConnected() const { return m_Connection.isOpen(); }
    int read() override;

protected:
    int applySpeed(int speed) override;

private:
    X11Connection m_Connection;
};
