#pragma once

#include "app/window/MousecfgServices.h"

#include <memory>

// The window's services as it uses them: the ones it was given, and the program's own in place
// of those it was not (kept here for the window's life).
class WindowServices
{
public:
    explicit WindowServices(const MousecfgServices& given);
    ~WindowServices();
    WindowServices(const WindowServices&) = delete;
    WindowServices& operator=(const WindowServices&) = delete;

    OsdAnnouncer& announcer() const { return *m_pAnnouncer; }
    ProgramLauncher& launcher() const { return *m_pLauncher; }
    // Made on first use, or taken from PointerSpeedFactory::startCreating().
    PointerSpeed& pointerSpeed() const;
    // The desktop's speed as the window starts: read where the service was made, once.
    int pointerSpeedAtStart() const;
    bool selectAtStart() const { return m_Given.bSelectAtStart; }
    bool followDeviceChanges() const { return m_Given.bFollowDeviceChanges; }
    bool startHidden() const { return m_Given.bStartHidden; }
    // Whether the desktop shows a tray, the one way back to a hidden window.
    bool hasTray() const;

private:
    MousecfgServices m_Given;
    std::unique_ptr<OsdAnnouncer> m_pOwnAnnouncer;
    std::unique_ptr<ProgramLauncher> m_pOwnLauncher;
    mutable std::unique_ptr<PointerSpeed> m_pOwnPointerSpeed;
    OsdAnnouncer* m_pAnnouncer;
    ProgramLauncher* m_pLauncher;
    mutable PointerSpeed* m_pPointerSpeed;
    mutable int m_iSpeedAtStart = -1; // none read ahead (or used already)
};
