#pragma once

#include <functional>

class OsdAnnouncer;
class PointerSpeed;
class ProgramLauncher;

// What the window reaches outside itself. Null members get the program's own: the OSD program,
// real program starts, the desktop's pointer speed.
struct MousecfgServices
{
    OsdAnnouncer* announcer = nullptr;
    ProgramLauncher* launcher = nullptr;
    PointerSpeed* pointerSpeed = nullptr;
    // Run the device selection 200 ms after construction.
    bool bSelectAtStart = true;
    // Start in the tray: the start's selection opens the usual mouse without showing anything.
    bool bStartHidden = false;
    // Follow device arrival and removal.
    bool bFollowDeviceChanges = true;
    // Whether the desktop shows a tray; empty: ask the desktop.
    std::function<bool()> trayAvailable;
    // The UI scale; 0: the largest step the screen's DPI asks for that fits the screen.
    double dScale = 0;
};
