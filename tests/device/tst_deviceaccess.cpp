#include "FakeHidBackend.h"
#include "TestAppFolder.h"
#include "device/DeviceAccess.h"
#include "device/HotplugListener.h"
#include "model/AppPaths.h"

#include <QSettings>
#include <QtTest>

namespace {

class RecordingListener : public HotplugListener
{
public:
    QStringList calls;
    void updateDeviceCount() override { calls << "count"; }
    void stopBatteryPolling() override { calls << "stop"; }
    void mouseDevicesUpdated(const QStringList& devices) override
    {
        calls << "updated:" + devices.join(',');
    }
    void selectDevice(bool bHotplug) override
    {
        calls << QStringLiteral("select:%1").arg(bHotplug);
    }
};

const QString kArrival0 =
    "\\\\?\\HID#VID_3F1C&PID_7C21&MI_00#7&1a2b3c&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";
const QString kArrival2 =
    "\\\\?\\HID#VID_3F1C&PID_7C21&MI_02#7&1a2b3c&0&0001#{4d1e55b2-f16f-11cf-88cb-001111000030}";

} // namespace

class TestDeviceAccess : public QObject
{
    Q_OBJECT

private:
    std::shared_ptr<FakeHidBackend> m_Backend;
    std::unique_ptr<TestAppFolder> m_Folder;

private slots:
    void init()
    {
        m_Folder = std::make_unique<TestAppFolder>();
        QVERIFY(m_Folder->isValid());
        m_Backend = std::make_shared<FakeHidBackend>();
        HidBackend::setCurrent(m_Backend);
        DeviceAccess::initSlotTable();
    }
    void cleanup()
    {
        DeviceAccess::closeAll();
        HidBackend::setCurrent(nullptr);
        m_Backend.reset();
        m_Folder.reset();
    }

    void displayNameIsCutToItsField()
    {
        QSettings(AppPaths::configIni(), QSettings::IniFormat)
            .setValue("Mouse_List/0", QStringLiteral("Hornbeam Pro ") + QString(300, QChar(0xE9)));
        DeviceAccess::initSlotTable();
        QCOMPARE(DeviceAccess::slotCount(), 3u);
        // The display name is Latin-1 and cut to the field; the selected name stays whole.
        const DeviceSlot& first = DeviceAccess::slot(0);
        QCOMPARE(DeviceSlot::field(first.displayName).size(), DeviceSlot::kFieldSize - 1);
        QCOMPARE(quint8(first.displayName[13]), quint8(0xE9));
        QCOMPARE(DeviceAccess::selectedMouseName().size(), 313);
    }

    void interfacesThatAreNoMouseAreIgnored()
    {
        m_Backend->addReceiver("2.4G Wireless Receiver");
        m_Backend->addReceiver("2.4G hornbeam"); // the code name is case-sensitive
        m_Backend->add("/dev/hidraw5", 0x7C21, true, "HORNBEAM");
        m_Backend->devices.back().usage = 0x0001; // wrong usage: no control interface
        QCOMPARE(DeviceAccess::enumerate(), 0);
        QVERIFY(DeviceAccess::deviceNames().isEmpty());
        QCOMPARE(DeviceAccess::openByCodeName("HORNBEAM"), 1);
        QVERIFY(m_Backend->opened.isEmpty());

        // A control interface alone is listed but gets no handle.
        m_Backend->add("/dev/hidraw1", 0x7C21, true, "HORNBEAM");
        QCOMPARE(DeviceAccess::enumerate(), 0);
        QCOMPARE(DeviceAccess::deviceNames(), QStringList({"HORNBEAM"}));
        QCOMPARE(DeviceAccess::openByCodeName("HORNBEAM"), 1);
        QVERIFY(!DeviceLink::instance().isAnyOpen());
        QVERIFY(m_Backend->opened.isEmpty());
    }

    void receiverAndCableListTheNameOnce()
    {
        m_Backend->addReceiver();
        m_Backend->addCable(0x0107);
        m_Backend->add("/dev/hidraw9", 0x7C21, true, "LINDEN receiver");
        m_Backend->add("/dev/hidraw8", 0x7C21, false, "LINDEN receiver");
        QCOMPARE(DeviceAccess::enumerate(), 0);
        QCOMPARE(DeviceAccess::deviceNames(), QStringList({"HORNBEAM", "LINDEN"}));
        QCOMPARE(DeviceAccess::firmwareNumber(), quint16(0x0107));
        QCOMPARE(DeviceSlot::field(DeviceAccess::slot(1).receiverMousePath),
                 QByteArray("/dev/hidraw8"));

        // The cable pulled: its interfaces are cleared, opening must not reach for it.
        m_Backend->devices.erase(m_Backend->devices.begin() + 2, m_Backend->devices.begin() + 4);
        QCOMPARE(DeviceAccess::enumerate(), 0);
        const DeviceSlot& s = DeviceAccess::slot(0);
        QCOMPARE(s.cableMouseFound + s.cableControlFound, 0u);
        QCOMPARE(DeviceSlot::field(s.cableControlPath), QByteArray());
        QCOMPARE(DeviceAccess::firmwareNumber(), quint16(0));
        QCOMPARE(DeviceAccess::openByCodeName("HORNBEAM"), 1);
        QCOMPARE(m_Backend->opened, QList<QByteArray>({"/dev/hidraw0", "/dev/hidraw1"}));

        // A failing backend keeps the list it had and opens nothing.
        DeviceAccess::closeAll();
        m_Backend->initResult = -1;
        m_Backend->devices.clear();
        QCOMPARE(DeviceAccess::enumerate(), -1);
        QCOMPARE(DeviceAccess::deviceNames(), QStringList({"HORNBEAM", "LINDEN"}));
        QCOMPARE(DeviceAccess::openByCodeName("HORNBEAM"), 0);
    }

    void longPathIsCutButOpensWhole()
    {
        const QByteArray longPath = "/dev/" + QByteArray(300, 'p');
        m_Backend->add(longPath, 0x7C21, false, "HORNBEAM");
        m_Backend->add(longPath + "c", 0x7C21, true, "HORNBEAM");
        QCOMPARE(DeviceAccess::enumerate(), 0);
        const DeviceSlot& s = DeviceAccess::slot(0);
        QCOMPARE(DeviceSlot::field(s.receiverMousePath), longPath.left(254));
        // The next field is untouched by the long copy.
        QCOMPARE(DeviceSlot::field(s.receiverControlPath), (longPath + "c").left(254));
        QCOMPARE(DeviceSlot::field(s.cableMousePath), QByteArray());
        QCOMPARE(DeviceAccess::openByCodeName("HORNBEAM"), 1);
        QCOMPARE(m_Backend->opened, QList<QByteArray>({longPath, longPath + "c"}));
    }

    void openByCodeName()
    {
        m_Backend->addReceiver();
        m_Backend->addCable();
        QCOMPARE(DeviceAccess::enumerate(), 0);
        QCOMPARE(DeviceAccess::openByCodeName("LINDEN"), 1); // a slot, nothing present
        QVERIFY(!DeviceLink::instance().isAnyOpen());
        QCOMPARE(DeviceAccess::openByCodeName("hornbeam"), 0);
        QCOMPARE(DeviceAccess::openByCodeName("HORNBEAM"), 1);
        DeviceLink& link = DeviceLink::instance();
        for (int i = 0; i < DeviceLink::InterfaceCount; ++i)
            QVERIFY(link.isOpen(DeviceLink::Interface(i)));
        QCOMPARE(m_Backend->pathOf(link.controlHandle()), QByteArray("/dev/hidraw3"));

        DeviceAccess::closeAll();
        QVERIFY(!link.isAnyOpen());
        QCOMPARE(m_Backend->closed, QList<QByteArray>({"/dev/hidraw0", "/dev/hidraw1",
                                                       "/dev/hidraw2", "/dev/hidraw3"}));
    }

    void refusedOpenIsReported()
    {
        m_Backend->addReceiver();
        m_Backend->addCable();
        m_Backend->refused.insert("/dev/hidraw1", HidOpenError::PermissionDenied);
        m_Backend->refused.insert("/dev/hidraw2", HidOpenError::Absent);
        QCOMPARE(DeviceAccess::enumerate(), 0);
        QCOMPARE(DeviceAccess::openByCodeName("HORNBEAM"), 1);
        QCOMPARE(DeviceAccess::lastOpenError(DeviceLink::ReceiverMouse), HidOpenError::None);
        QCOMPARE(DeviceAccess::lastOpenError(DeviceLink::ReceiverControl),
                 HidOpenError::PermissionDenied);
        QCOMPARE(DeviceAccess::lastOpenError(DeviceLink::CableMouse), HidOpenError::Absent);
        QVERIFY(DeviceAccess::permissionDenied());
        QVERIFY(!DeviceLink::instance().isReceiverOpen());
        QVERIFY(DeviceLink::instance().isCableOpen());

        // The next open starts a fresh report.
        DeviceAccess::closeAll();
        m_Backend->refused.clear();
        QCOMPARE(DeviceAccess::openByCodeName("HORNBEAM"), 1);
        QVERIFY(!DeviceAccess::permissionDenied());
    }

    void hotplugActsOncePerPlugOnInterfacesZeroAndTwo()
    {
        RecordingListener listener;
        const QString guid = "#{4d1e55b2-f16f-11cf-88cb-001111000030}";
        for (const QString& path :
             {"\\\\?\\HID#VID_3F1C&PID_7C21&MI_01#7&1&0&0000" + guid,
              "\\\\?\\HID#VID_3F1C&PID_7C21#7&1&0&0000" + guid, QString("/dev/hidraw3"), QString()})
            QCOMPARE(DeviceAccess::IfDeviceInMouseList(path, &listener), 1);
        QVERIFY(listener.calls.isEmpty());
        QCOMPARE(m_Backend->enumerations, 0);

        m_Backend->addReceiver();
        QCOMPARE(DeviceAccess::IfDeviceInMouseList(kArrival0, &listener), 1);
        QCOMPARE(listener.calls, QStringList({"count", "updated:HORNBEAM", "select:1"}));
        QCOMPARE(DeviceAccess::IfDeviceInMouseList(kArrival2, &listener), 1);
        QCOMPARE(m_Backend->enumerations, 1);
        QCOMPARE(listener.calls.size(), 3);

        // Any vendor counts, in any letter case, and a collection suffix does not matter.
        DeviceAccess::IfDeviceInMouseList(
            "\\\\?\\hid#vid_046d&pid_c52b&mi_02&col01#8&2&0&0000" + guid, &listener);
        QCOMPARE(m_Backend->enumerations, 2);
        DeviceAccess::IfDeviceInMouseList("\\\\?\\HID#VID_046D&PID_C52B&MI_00#8&2&0&0000" + guid,
                                          &listener);
        QCOMPARE(m_Backend->enumerations, 2);
    }

    void unplugOfTheLastMouseStopsAndCloses()
    {
        RecordingListener listener;
        m_Backend->addReceiver();
        QCOMPARE(DeviceAccess::enumerate(), 0);
        QCOMPARE(DeviceAccess::openByCodeName("HORNBEAM"), 1);

        m_Backend->devices.clear();
        DeviceAccess::IfDeviceInMouseList(kArrival2, &listener);
        DeviceAccess::IfDeviceInMouseList(kArrival0, &listener);
        QCOMPARE(listener.calls, QStringList({"count", "stop", "updated:", "select:1"}));
        QVERIFY(!DeviceLink::instance().isAnyOpen());
        QCOMPARE(m_Backend->closed.size(), 2);

        // Plugging it back: the list is filled again, nothing is stopped.
        listener.calls.clear();
        m_Backend->addReceiver();
        DeviceAccess::IfDeviceInMouseList(kArrival0, &listener);
        DeviceAccess::IfDeviceInMouseList(kArrival2, &listener);
        QCOMPARE(listener.calls, QStringList({"count", "updated:HORNBEAM", "select:1"}));
    }
};

QTEST_GUILESS_MAIN(TestDeviceAccess)
#include "tst_deviceaccess.moc"
