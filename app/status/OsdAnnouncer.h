#pragma once

#include <QColor>
#include <QString>

class OsdClient;

// Where the window's announcements go. The program's one sends them to the on-screen-display
// program; tests put a recorder in its place.
class OsdAnnouncer
{
public:
    virtual ~OsdAnnouncer() = default;
    virtual void announce(const QString& text, const QColor& colour) = 0;
};

// Announces through the OSD program (started on demand, never waited for).
class OsdClientAnnouncer : public OsdAnnouncer
{
public:
    OsdClientAnnouncer();
    ~OsdClientAnnouncer() override;
    void announce(const QString& text, const QColor& colour) override;

private:
    OsdClient* m_pClient;
};
