// A stand-in desktop notification server for scripted checks: owns org.freedesktop.Notifications
// on the session bus and prints one line per notification ("notify <id> replaces <id>: <text>").
#include <QCoreApplication>
#include <QDBusConnection>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include <cstdio>

class NotificationServer : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public slots:
    uint Notify(const QString& app, uint replacesId, const QString& icon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints,
                int timeout)
    {
        Q_UNUSED(app);
        Q_UNUSED(icon);
        Q_UNUSED(actions);
        Q_UNUSED(hints);
        Q_UNUSED(timeout);
        const uint id = replacesId != 0 ? replacesId : ++m_iLastId;
        std::printf("notify %u replaces %u: %s%s%s\n", id, replacesId, qPrintable(summary),
                    body.isEmpty() ? "" : " / ", qPrintable(body));
        std::fflush(stdout);
        return id;
    }
    QStringList GetCapabilities() { return {QStringLiteral("body")}; }
    void CloseNotification(uint id) { Q_UNUSED(id); }

private:
    uint m_iLastId = 0;
};

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    NotificationServer server;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject("/org/freedesktop/Notifications", &server,
                            QDBusConnection::ExportAllSlots) ||
        !bus.registerService("org.freedesktop.Notifications")) {
        std::fprintf(stderr, "notify-server: cannot own org.freedesktop.Notifications\n");
        return 1;
    }
    std::printf("notify-server ready\n");
    std::fflush(stdout);
    return app.exec();
}

#include "main.moc"
