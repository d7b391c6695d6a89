#pragma once

#include "app/status/OsdAnnouncer.h"

class DesktopNotifications;

// Announces as desktop notifications where the OSD's overlay cannot be placed (Wayland).
class NotificationAnnouncer : public OsdAnnouncer
{
public:
    NotificationAnnouncer();
    ~NotificationAnnouncer() override;
    void announce(const QString& text, const QColor& colour) override;

    // The announcer for this session: notifications under Wayland, the OSD program elsewhere.
    static OsdAnnouncer* forSession();

private:
    DesktopNotifications* m_pNotifications;
};
