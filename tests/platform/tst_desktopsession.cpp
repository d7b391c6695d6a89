#include "platform/DesktopNotifications.h"
#include "platform/DesktopSession.h"
#include "platform/DisplayCheck.h"
#include "platform/PointerSpeed.h"
#include "platform/PointerSpeedFactory.h"

#include <QDBusConnection>
#include <QTemporaryDir>
#include <QtTest>

// A notification server of the test's own on a private bus: records each Notify call and
// answers ids the way real servers do (a new one, or the one replaced).
class FakeNotificationServer : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList m_Summaries;
    QList<uint> m_Replaced;

public slots:
    uint Notify(const QString&, uint replacesId, const QString&, const QString& summary,
                const QString&, const QStringList&, const QVariantMap&, int)
    {
        m_Summaries << summary;
        m_Replaced << replacesId;
        return replacesId != 0 ? replacesId : 40 + uint(m_Summaries.size());
    }
};

// The session type, what it means for the pointer speed, and announcements as notifications.
class TestDesktopSession : public QObject
{
    Q_OBJECT
private slots:
    void sessionAndPointerBackend_data()
    {
        QTest::addColumn<QString>("sessionType");
        QTest::addColumn<QString>("waylandDisplay");
        QTest::addColumn<int>("type");
        const int x11 = DesktopSession::X11;
        const int wayland = DesktopSession::Wayland;
        QTest::newRow("x11 session") << "x11" << QString() << x11;
        QTest::newRow("wayland session") << "wayland" << QString() << wayland;
        QTest::newRow("only a compositor socket") << QString() << "wayland-0" << wayland;
        QTest::newRow("tty session, X display") << "tty" << QString() << x11;
    }
    void sessionAndPointerBackend()
    {
        QFETCH(QString, sessionType);
        QFETCH(QString, waylandDisplay);
        QFETCH(int, type);
        QProcessEnvironment env;
        env.insert("XDG_SESSION_TYPE", sessionType);
        env.insert("WAYLAND_DISPLAY", waylandDisplay);
        // An X display that answers nothing: under Wayland it must not even be tried.
        env.insert("DISPLAY", ":97");
        QCOMPARE(int(DesktopSession::detect(env)), type);
        if (type == DesktopSession::Wayland)
            QCOMPARE(PointerSpeedFactory::create(env)->backendName(), QStringLiteral("none"));
    }

    // Whether the window may be built: false wherever the toolkit would abort for want of one.
    void displayCheck_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("waylandDisplay");
        QTest::addColumn<bool>("bCan");
        QTest::newRow("offscreen") << "offscreen" << QString() << QString() << true;
        QTest::newRow("xcb, no DISPLAY") << "xcb" << QString() << QString() << false;
        QTest::newRow("xcb, no server there") << "xcb"
                                              << ":97" << QString() << false;
        QTest::newRow("nothing named, nothing there")
            << QString() << QString() << QString() << false;
        QTest::newRow("wayland, no socket") << "wayland" << QString() << "wayland-7" << false;
        QTest::newRow("wayland, socket") << "wayland" << QString() << "wayland-1" << true;
        QTest::newRow("wayland with options") << "wayland:x" << QString() << "wayland-1" << true;
        QTest::newRow("nothing named, a socket") << QString() << ":97"
                                                 << "wayland-1" << true;
    }
    void displayCheck()
    {
        QFETCH(QString, platform);
        QFETCH(QString, display);
        QFETCH(QString, waylandDisplay);
        QFETCH(bool, bCan);
        QTemporaryDir runtime;
        QFile(runtime.filePath("wayland-1")).open(QIODevice::WriteOnly);
        QProcessEnvironment env;
        env.insert("XDG_RUNTIME_DIR", runtime.path());
        for (const auto& [name, value] :
             {std::pair<const char*, QString>{"QT_QPA_PLATFORM", platform},
              {"DISPLAY", display},
              {"WAYLAND_DISPLAY", waylandDisplay}}) {
            if (!value.isEmpty())
                env.insert(name, value);
        }
        QCOMPARE(DisplayCheck::canShowWindows(env), bCan);
    }

    void burstOfAnnouncementsShowsOneBubble()
    {
        QProcess daemon;
        daemon.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        QVERIFY2(daemon.waitForStarted(), "dbus-daemon (package dbus) is needed");
        QByteArray address;
        QTRY_VERIFY_WITH_TIMEOUT((address += daemon.readAllStandardOutput()).contains('\n'), 10000);
        {
            QDBusConnection server =
                QDBusConnection::connectToBus(QString::fromLatin1(address.trimmed()), "server");
            QDBusConnection client =
                QDBusConnection::connectToBus(QString::fromLatin1(address.trimmed()), "client");
            QVERIFY(server.isConnected() && client.isConnected());
            FakeNotificationServer fake;
            QVERIFY(server.registerObject("/org/freedesktop/Notifications", &fake,
                                          QDBusConnection::ExportAllSlots));
            QVERIFY(server.registerService("org.freedesktop.Notifications"));

            DesktopNotifications notifications(client);
            QSignalSpy delivered(&notifications, &DesktopNotifications::delivered);
            notifications.notify("DPI 2:800");
            notifications.notify("DPI 3:1600");
            notifications.notify("DPI 4:3200");
            QTRY_COMPARE_WITH_TIMEOUT(delivered.size(), 2, 10000);
            // The first call, then only the newest text, replacing the first bubble.
            QCOMPARE(fake.m_Summaries, QStringList({"DPI 2:800", "DPI 4:3200"}));
            QCOMPARE(fake.m_Replaced, QList<uint>({0, 41}));
            notifications.notify("500 HZ");
            QTRY_COMPARE_WITH_TIMEOUT(delivered.size(), 3, 10000);
            QCOMPARE(fake.m_Replaced.last(), 41u);
        }
        QDBusConnection::disconnectFromBus("server");
        QDBusConnection::disconnectFromBus("client");
        daemon.kill();
        daemon.waitForFinished(5000);
    }
};

QTEST_GUILESS_MAIN(TestDesktopSession)
#include "tst_desktopsession.moc"
