#pragma once

#include "app/status/OsdAnnouncer.h"

#include <memory>

class DesktopNotifications;

// Announces as desktop notifications where the OSD's overlay cannot be placed (Wayland), and on
// the OSD after all when no notification server answers: an announcement is never dropped
// because the desktop has nobody to show it. Each one asks the server again, so that a server
// that starts after the tool (at login) is used from then on.
class NotificationAnnouncer : public OsdAnnouncer
{
public:
    // Null arguments: the session bus and the OSD program.
    explicit NotificationAnnouncer(DesktopNotifications* notifications = nullptr,
                                   OsdAnnouncer* fallback = nullptr);
    ~NotificationAnnouncer() override;
    void announce(const QString& text, const QColor& colour) override;

    DesktopNotifications& notifications() const { return *m_pNotifications; }

    // The announcer for this session: notifications under Wayland, the OSD program elsewhere.
    static OsdAnnouncer* forSession();

private:
    std::unique_ptr<DesktopNotifications> m_pNotifications;
    std::unique_ptr<OsdAnnouncer> m_pOwnFallback;
    OsdAnnouncer* m_pFallback;
    QColor m_Colour;
};
