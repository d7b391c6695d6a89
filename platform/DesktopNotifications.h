#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

// Announcements as desktop notifications (org.freedesktop.Notifications on the session bus),
// for sessions where no overlay of our own can be placed. Each one replaces the one before, so
// that a burst of DPI presses leaves one bubble showing the last state. Nothing here blocks:
// while a call is on its way, only the latest text waits for it.
class DesktopNotifications : public QObject
{
    Q_OBJECT
public:
    static constexpr int kTimeoutMs = 1500;

    explicit DesktopNotifications(const QDBusConnection& bus = QDBusConnection::sessionBus(),
                                  QObject* parent = nullptr);

    void notify(const QString& summary, const QString& body = QString());
    // A warning the user must not miss: kept in the desktop's list until the server lets it go.
    void setLasting(bool bLasting) { m_bLasting = bLasting; }

signals:
    void delivered(uint iId);
    // No server took it (none runs, or no session bus): the caller says it another way.
    void notDelivered(const QString& summary, const QString& body);

private:
    void send(const QString& summary, const QString& body);

    QDBusConnection m_Bus;
    uint m_iId = 0;
    bool m_bPending = false;
    bool m_bLasting = false;
    bool m_bWaiting = false;
    QString m_WaitingSummary;
    QString m_WaitingBody;
};
