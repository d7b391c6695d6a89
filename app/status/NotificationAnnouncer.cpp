#include "app/status/NotificationAnnouncer.h"

#include "platform/DesktopNotifications.h"
#include "platform/DesktopSession.h"

NotificationAnnouncer::NotificationAnnouncer() : m_pNotifications(new DesktopNotifications) {}

NotificationAnnouncer::~NotificationAnnouncer()
{
    delete m_pNotifications;
}

void NotificationAnnouncer::announce(const QString& text, const QColor& colour)
{
    // A bubble has the desktop's own colours.
    Q_UNUSED(colour);
    m_pNotifications->notify(text);
}

OsdAnnouncer* NotificationAnnouncer::forSession()
{
    if (DesktopSession::current() == DesktopSession::Wayland)
        return new NotificationAnnouncer;
    return new OsdClientAnnouncer;
}
