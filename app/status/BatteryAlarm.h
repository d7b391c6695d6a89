#pragma once

// When the mouse's battery is worth a warning: once as it falls to 20 %, once more at 5 %, in
// each discharge. A mark that was told is quiet until the battery has charged above it again,
// so a level that wavers around a mark, or a report that repeats, says nothing new.
class BatteryAlarm
{
public:
    static constexpr int kLowMark = 20;
    static constexpr int kEmptyMark = 5;
    // How far the gauge may waver upwards while discharging.
    static constexpr int kWaver = 5;

    // A battery report; level 0 is a mouse that is off or out of reach and changes nothing.
    // Returns the mark to warn of now (kLowMark or kEmptyMark), or 0. A battery that falls past
    // both marks at once is warned of once, with the lower one.
    int report(int iLevel, bool bCharging);

private:
    bool m_bLowTold = false;
    bool m_bEmptyTold = false;
};
