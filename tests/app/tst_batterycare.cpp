#include "WindowRig.h"
#include "app/status/BatteryAlarm.h"
#include "app/status/NotificationAnnouncer.h"
#include "platform/DesktopNotifications.h"

#include <QtTest>

// Warnings as the battery runs down, and where announcements go when no notification server
// answers.
class TestBatteryCare : public QObject
{
    Q_OBJECT
private slots:
    // A run of reports, "19" discharging, "30c" charging; what each one warns of, "-" nothing.
    void lowBatteryWarnings_data()
    {
        QTest::addColumn<QString>("reports");
        QTest::addColumn<QString>("warned");
        QTest::newRow("falling") << "60 21 20 19 6 5 4 1"
                                 << "- - 20 - - 5 - -";
        QTest::newRow("starts low") << "15 14"
                                    << "20 -";
        QTest::newRow("past both at once") << "25 3 2"
                                           << "- 5 -";
        QTest::newRow("wavering") << "20 21 20 22 19"
                                  << "20 - - - -";
        QTest::newRow("off changes nothing") << "20 0 19"
                                             << "20 - -";
        QTest::newRow("charging") << "20c 15c 4c"
                                  << "- - -";
        QTest::newRow("charged at the mark") << "19 20c 19"
                                             << "20 - -";
        QTest::newRow("charged above it") << "19 21c 20"
                                          << "20 - 20";
        QTest::newRow("charged above 5 only") << "5 12c 11 5"
                                              << "5 - - 5";
        QTest::newRow("charged unseen") << "18 90 20"
                                        << "20 - 20";
    }
    void lowBatteryWarnings()
    {
        QFETCH(QString, reports);
        BatteryAlarm alarm;
        QStringList warned;
        for (const QString& r : reports.split(' ')) {
            const int mark = alarm.report(QString(r).remove('c').toInt(), r.endsWith('c'));
            warned << (mark ? QString::number(mark) : QStringLiteral("-"));
        }
        QTEST(warned.join(' '), "warned");
    }

    // No session bus (the Wayland check has one without a server): every text reaches the OSD,
    // in order.
    void noNotificationServer_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("one") << QStringList{"DPI 2:800"};
        QTest::newRow("burst") << QStringList{"DPI 1:400", "DPI 2:800", "Profile 2"};
    }
    void noNotificationServer()
    {
        QFETCH(QStringList, texts);
        RecordingAnnouncer osd;
        const QDBusConnection connection =
            QDBusConnection::connectToBus("unix:path=/nonexistent/bus", QTest::currentDataTag());
        NotificationAnnouncer announcer(new DesktopNotifications(connection), &osd);
        for (const QString& text : texts)
            announcer.announce(text, Qt::red);
        QTRY_COMPARE(osd.m_Texts, texts);
        QCOMPARE(osd.m_Colours.last(), QColor(Qt::red));
    }
};

QTEST_MAIN(TestBatteryCare)
#include "tst_batterycare.moc"
