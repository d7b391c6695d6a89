#include "app/window/WindowServices.h"

#include "app/status/NotificationAnnouncer.h"
#include "app/status/OsdAnnouncer.h"
#include "platform/PointerSpeed.h"
#include "platform/PointerSpeedFactory.h"
#include "platform/ProgramLauncher.h"

#include <QSystemTrayIcon>

#include <utility>

WindowServices::WindowServices(const MousecfgServices& given) : m_Given(given)
{
    m_pAnnouncer = given.announcer;
    if (!m_pAnnouncer) {
        m_pOwnAnnouncer.reset(NotificationAnnouncer::forSession());
        m_pAnnouncer = m_pOwnAnnouncer.get();
    }
    m_pLauncher = given.launcher;
    if (!m_pLauncher) {
        m_pOwnLauncher = std::make_unique<ProgramLauncher>();
        m_pLauncher = m_pOwnLauncher.get();
    }
    m_pPointerSpeed = given.pointerSpeed;
}

WindowServices::~WindowServices() = default;

PointerSpeed& WindowServices::pointerSpeed() const
{
    if (!m_pPointerSpeed) {
        m_pOwnPointerSpeed = PointerSpeedFactory::takeCreated(&m_iSpeedAtStart);
        if (!m_pOwnPointerSpeed)
            m_pOwnPointerSpeed = PointerSpeedFactory::create();
        m_pPointerSpeed = m_pOwnPointerSpeed.get();
    }
    return *m_pPointerSpeed;
}

int WindowServices::pointerSpeedAtStart() const
{
    PointerSpeed& speed = pointerSpeed();
    if (m_iSpeedAtStart < 0)
        return speed.read();
    return std::exchange(m_iSpeedAtStart, -1);
}

bool WindowServices::hasTray() const
{
    return m_Given.trayAvailable ? m_Given.trayAvailable()
                                 : QSystemTrayIcon::isSystemTrayAvailable();
}
