#include "app/status/BatteryAlarm.h"

int BatteryAlarm::report(int iLevel, bool bCharging)
{
    if (iLevel <= 0)
        return 0;
    // Re-armed only by charge: a reading a point or two above the mark while discharging is the
    // gauge wavering. A level well above it was charged while we did not see it (a charger of
    // its own, or out of reach).
    const auto charged = [iLevel, bCharging](int iMark) {
        return iLevel > (bCharging ? iMark : iMark + kWaver);
    };
    m_bLowTold = m_bLowTold && !charged(kLowMark);
    m_bEmptyTold = m_bEmptyTold && !charged(kEmptyMark);
    if (bCharging)
        return 0;
    if (iLevel <= kEmptyMark && !m_bEmptyTold) {
        m_bEmptyTold = m_bLowTold = true;
        return kEmptyMark;
    }
    if (iLevel <= kLowMark && !m_bLowTold) {
        m_bLowTold = true;
        return kLowMark;
    }
    return 0;
}
