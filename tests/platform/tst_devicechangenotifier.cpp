#include "platform/UdevDeviceChangeNotifier.h"

#include <QtTest>

class TestDeviceChangeNotifier : public QObject
{
    Q_OBJECT

private slots:
    void interfacePathHasTheHotplugForm()
    {
        QCOMPARE(UdevDeviceChangeNotifier::interfacePath(0x3F1C, 0x7C22, 0x0B, "i"),
                 QStringLiteral("\\\\?\\HID#VID_3F1C&PID_7C22&MI_0B#i#"
                                "{4d1e55b2-f16f-11cf-88cb-001111000030}"));
        // Not a USB interface: no interface part, so the hot-plug check passes it by.
        QCOMPARE(UdevDeviceChangeNotifier::interfacePath(0x1, 0x2, -1, "hidraw9"),
                 QStringLiteral("\\\\?\\HID#VID_0001&PID_0002#hidraw9#"
                                "{4d1e55b2-f16f-11cf-88cb-001111000030}"));
        // Separators in the instance cannot fake another interface.
        const QString odd = UdevDeviceChangeNotifier::interfacePath(1, 2, -1, "a&MI_00#b");
        QVERIFY(!odd.contains("&MI_00"));
    }

    void identityFromDevPath_data()
    {
        QTest::addColumn<QString>("devPath");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("vendorId");
        QTest::addColumn<int>("productId");
        QTest::addColumn<int>("interfaceNumber");
        QTest::newRow("receiver control")
            << "/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.2/0003:3F1C:7C21.0005/hidraw/"
               "hidraw3"
            << true << 0x3F1C << 0x7C21 << 2;
        QTest::newRow("behind a hub")
            << "/devices/pci0000:00/0000:00:14.0/usb3/3-1/3-1.4/3-1.4.2/3-1.4.2:1.0/"
               "0003:3f1c:7c22.000A/hidraw/hidraw10"
            << true << 0x3F1C << 0x7C22 << 0;
        QTest::newRow("uhid") << "/devices/virtual/misc/uhid/0005:046D:B01A.0007/hidraw/hidraw7"
                              << true << 0x046D << 0xB01A << -1;
        QTest::newRow("garbage") << "/devices/platform/foo/hidraw/hidraw1" << false << 0 << 0 << -1;
        QTest::newRow("empty") << "" << false << 0 << 0 << -1;
    }
    void identityFromDevPath()
    {
        QFETCH(QString, devPath);
        QFETCH(bool, valid);
        QFETCH(int, vendorId);
        QFETCH(int, productId);
        QFETCH(int, interfaceNumber);
        const UdevDeviceChangeNotifier::Identity id =
            UdevDeviceChangeNotifier::identityFromDevPath(devPath);
        QCOMPARE(id.valid, valid);
        QCOMPARE(int(id.vendorId), vendorId);
        QCOMPARE(int(id.productId), productId);
        QCOMPARE(id.interfaceNumber, interfaceNumber);
    }
};

QTEST_GUILESS_MAIN(TestDeviceChangeNotifier)
#include "tst_devicechangenotifier.moc"
