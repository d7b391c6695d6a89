#include "platform/LoggingPointerSpeed.h"

#include <QDebug>

int LoggingPointerSpeed::applySpeed(int speed)
{
    qDebug("pointer speed %d kept: this desktop offers no pointer speed setting", speed);
    m_iSpeed = speed;
    return 0;
}
