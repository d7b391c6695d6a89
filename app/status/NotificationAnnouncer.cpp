#include "app/status/NotificationAnnouncer.h"

#include "platform/DesktopNotifications.h"
#include "platform/DesktopSession.h"

NotificationAnnouncer::NotificationAnnouncer(DesktopNotifications* notifications,
                                             OsdAnnouncer* fallback)
    : m_pNotifications(notifications ? notifications : new DesktopNotifications),
      m_pFallback(fallback)
{
    if (!m_pFallback) {
        m_pOwnFallback = std::make_unique<OsdClientAnnouncer>();
        m_pFallback = m_pOwnFallback.get();
    }
    QObject::connect(m_pNotifications.get(), &DesktopNotifications::notDelivered,
                     m_pNotifications.get(), [this](const QString& summary, const QString& body) {
                         m_pFallback->announce(body.isEmpty() ? summary
                                                              : summary + QLatin1Char(' ') + body,
                                               m_Colour);
                     });
}

NotificationAnnouncer::~NotificationAnnouncer() = default;

void NotificationAnnouncer::announce(const QString& text, const QColor& colour)
{
    // A bubble has the desktop's own colours; the OSD, if it comes to that, the accent.
    m_Colour = colour;
    m_pNotifications->notify(text);
}

OsdAnnouncer* NotificationAnnouncer::forSession()
{
    if (DesktopSession::current() == DesktopSession::Wayland)
        return new NotificationAnnouncer;
    return new OsdClientAnnouncer;
}
