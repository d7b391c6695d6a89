#include "app/window/WindowServices.h"

#include "app/status/NotificationAnnouncer.h"
#include "app/status/OsdAnnouncer.h"
#include "platform/PointerSpeed.h"
#include "platform/PointerSpeedFactory.h"
#include "platform/ProgramLauncher.h"

#include <QSystemTrayIcon>

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
    if (!m_pPointerSpeed) {
        m_pOwnPointerSpeed = PointerSpeedFactory::create();
        m_pPointerSpeed = m_pOwnPointerSpeed.get();
    }
}

WindowServices::~WindowServices() = default;

bool WindowServices::hasTray() const
{
    return m_Given.trayAvailable ? m_Given.trayAvailable()
                                 : QSystemTrayIcon::isSystemTrayAvailable();
}
