#include "platform/DesktopNotifications.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDebug>
#include <QVariantMap>

DesktopNotifications::DesktopNotifications(const QDBusConnection& bus, QObject* parent)
    : QObject(parent), m_Bus(bus)
{
}

void DesktopNotifications::notify(const QString& summary, const QString& body)
{
    if (m_bPending) {
        // The id to replace is not known yet: the newest text goes out once it is.
        m_bWaiting = true;
        m_WaitingSummary = summary;
        m_WaitingBody = body;
        return;
    }
    send(summary, body);
}

void DesktopNotifications::send(const QString& summary, const QString& body)
{
    // Without a session bus a call is never answered, not even with an error.
    if (!m_Bus.isConnected()) {
        qDebug().noquote() << "notification not shown: no session bus";
        emit notDelivered(summary, body);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    QVariantMap hints;
    // Transient: a state change, not something to keep in the notification list.
    if (!m_bLasting)
        hints.insert(QStringLiteral("transient"), true);
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("mousecfg"));
    call << QStringLiteral("mousecfg") << m_iId << QStringLiteral("mousecfg") << summary << body
         << QStringList() << hints << int(m_bLasting ? -1 : kTimeoutMs);
    m_bPending = true;
    auto* watcher = new QDBusPendingCallWatcher(m_Bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, summary, body](QDBusPendingCallWatcher* finished) {
                finished->deleteLater();
                m_bPending = false;
                const QDBusPendingReply<uint> reply = *finished;
                if (reply.isError()) {
                    qDebug().noquote() << "notification not shown:" << reply.error().message();
                    emit notDelivered(summary, body);
                } else {
                    m_iId = reply.value();
                    emit delivered(m_iId);
                }
                if (m_bWaiting) {
                    m_bWaiting = false;
                    send(m_WaitingSummary, m_WaitingBody);
                }
            });
}
