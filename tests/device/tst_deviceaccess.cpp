#include "TestAppFolder.h"
#include "device/DeviceAccess.h"
#include "device/HotplugListener.h"
#include "model/AppPaths.h"

#include <QSettings>
#include <QtTest>

namespace {

class FakeDevice : public HidDevice
{
public:
    explicit FakeDevice(QByteArray path, QList<QByteArray>* closeLog)
        : m_Path(std::move(path)), m_pCloseLog(closeLog)
    {
    }
    int write(const quint8*, std::size_t length) override { return int(length); }
    int readTimeout(quint8*, std::size_t, int) override { return 0; }
    int setNonblocking(int) override { return 0; }
    void close() override
    {
        if (m_pCloseLog)
            m_pCloseLog->append(m_Path);
    }
    QByteArray path() const { return m_Path; }

private:
    QByteArray m_Path;
    QList<QByteArray>* m_pCloseLog;
};

class FakeBackend : public HidBackend
{
public:
    std::vector<HidDeviceInfo> devices;
    QHash<QByteArray, HidOpenError> refused;
    QList<QByteArray> opened;
    QList<QByteArray> closed;
    int enumerations = 0;
    bool initFails = false;

    int init() override { return initFails ? -1 : 0; }
    int exit() override { return 0; }
    std::vector<HidDeviceInfo> enumerate(quint16 vendorId, quint16 productId) override
    {
        ++enumerations;
        std::vector<HidDeviceInfo> result;
        for (const HidDeviceInfo& d : devices) {
            if ((vendorId == 0 || d.vendorId == vendorId) &&
                (productId == 0 || d.productId == productId))
                result.push_back(d);
        }
        return result;
    }
    std::shared_ptr<HidDevice> openPath(const QByteArray& path, HidOpenError* error) override
    {
        opened << path;
        if (refused.contains(path)) {
            *error = refused.value(path);
            return nullptr;
        }
        *error = HidOpenError::None;
        return std::make_shared<FakeDevice>(path, &closed);
    }

    void add(const QByteArray& path, quint16 pid, bool control, const QString& product,
             quint16 release = 0)
    {
        HidDeviceInfo info;
        info.path = path;
        info.vendorId = 0x3F1C;
        info.productId = pid;
        info.releaseNumber = release;
        info.manufacturer = "Maker";
        info.product = product;
        info.usagePage = control ? 0xFF00 : 0x0001;
        info.usage = control ? 0xFF00 : 0x0002;
        info.interfaceNumber = control ? 2 : 0;
        devices.push_back(info);
    }
    void addReceiver(const QString& product = "2.4G HORNBEAM Receiver")
    {
        add("/dev/hidraw0", 0x7C21, false, product);
        add("/dev/hidraw1", 0x7C21, true, product);
    }
    void addCable(quint16 release = 0x0107)
    {
        add("/dev/hidraw2", 0x7C22, false, "USB HORNBEAM", release);
        add("/dev/hidraw3", 0x7C22, true, "USB HORNBEAM", release);
    }
};

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

QStringList g_Lines;
void captureMessage(QtMsgType, const QMessageLogContext&, const QString& text)
{
    g_Lines << text;
}

const QString kArrival0 =
    "\\\\?\\HID#VID_3F1C&PID_7C21&MI_00#7&1a2b3c&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";
const QString kArrival2 =
    "\\\\?\\HID#VID_3F1C&PID_7C21&MI_02#7&1a2b3c&0&0001#{4d1e55b2-f16f-11cf-88cb-001111000030}";

} // namespace

class TestDeviceAccess : public QObject
{
    Q_OBJECT

private:
    std::shared_ptr<FakeBackend> m_Backend;
    std::unique_ptr<TestAppFolder> m_Folder;

private slots:
    void init()
    {
        m_Folder = std::make_unique<TestAppFolder>();
        QVERIFY(m_Folder->isValid());
        m_Backend = std::make_shared<FakeBackend>();
        HidBackend::setCurrent(m_Backend);
        DeviceAccess::initSlotTable();
    }
    void cleanup()
    {
        qInstallMessageHandler(nullptr);
        DeviceAccess::closeAll();
        HidBackend::setCurrent(nullptr);
        m_Backend.reset();
        m_Folder.reset();
    }

    void slotTableIsFilled()
    {
        QSettings(AppPaths::configIni(), QSettings::IniFormat)
            .setValue("Mouse_List/0", QStringLiteral("Hornbeam Pro ") + QString(300, QChar(0xE9)));
        DeviceAccess::initSlotTable();
        QCOMPARE(DeviceAccess::slotCount(), 3u);
        const char* codes[] = {"HORNBEAM", "LINDEN", "TAMARACK"};
        for (quint32 i = 0; i < 3; ++i) {
            const DeviceSlot& s = DeviceAccess::slot(i);
            QCOMPARE(DeviceSlot::field(s.codeName), QByteArray(codes[i]));
            QCOMPARE(s.receiverVendorId, 0x3F1Cu);
            QCOMPARE(s.receiverProductId, 0x7C21u);
            QCOMPARE(s.cableVendorId, 0x3F1Cu);
            QCOMPARE(s.cableProductId, 0x7C22u);
            QCOMPARE(s.receiverMouseUsage, 0x0002u);
            QCOMPARE(s.receiverMouseUsagePage, 0x0001u);
            QCOMPARE(s.cableControlUsage, 0xFF00u);
            QCOMPARE(s.cableControlUsagePage, 0xFF00u);
            QCOMPARE(s.reserved[0] | s.reserved[1] | s.reserved[2] | s.reserved[3], 0u);
        }
        // The display name is Latin-1 and cut to the field; the selected name stays whole.
        const DeviceSlot& first = DeviceAccess::slot(0);
        QCOMPARE(first.displayName[DeviceSlot::kFieldSize - 1], '\0');
        QCOMPARE(DeviceSlot::field(first.displayName).size(), DeviceSlot::kFieldSize - 1);
        QCOMPARE(quint8(first.displayName[13]), quint8(0xE9));
        QVERIFY(DeviceAccess::selectedMouseName().startsWith("Hornbeam Pro "));
        QCOMPARE(DeviceAccess::selectedMouseName().size(), 313);
        QCOMPARE(DeviceSlot::field(DeviceAccess::slot(1).displayName), QByteArray());
    }

    void receiverIsFoundAndLogged()
    {
        m_Backend->addReceiver();
        g_Lines.clear();
        qInstallMessageHandler(captureMessage);
        QCOMPARE(DeviceAccess::enumerate(), 0);
        qInstallMessageHandler(nullptr);
        QCOMPARE(DeviceAccess::deviceNames(), QStringList({"HORNBEAM"}));
        const DeviceSlot& s = DeviceAccess::slot(0);
        QCOMPARE(s.receiverMouseFound, 1u);
        QCOMPARE(s.receiverControlFound, 1u);
        QCOMPARE(s.cableMouseFound, 0u);
        QCOMPARE(s.cableControlFound, 0u);
        QCOMPARE(DeviceSlot::field(s.receiverMousePath), QByteArray("/dev/hidraw0"));
        QCOMPARE(DeviceSlot::field(s.receiverControlPath), QByteArray("/dev/hidraw1"));
        QCOMPARE(DeviceAccess::slot(1).receiverControlFound, 0u);
        QCOMPARE(g_Lines, QStringList({"Manufacturer: Maker", "Product: 2.4G HORNBEAM Receiver",
                                       "1 /dev/hidraw0\n", "Manufacturer: Maker",
                                       "Product: 2.4G HORNBEAM Receiver", "2 /dev/hidraw1\n"}));
    }

    void productWithoutCodeNameIsIgnored()
    {
        m_Backend->addReceiver("2.4G Wireless Receiver");
        m_Backend->addReceiver("2.4G hornbeam"); // the code name is case-sensitive
        QCOMPARE(DeviceAccess::enumerate(), 0);
        QVERIFY(DeviceAccess::deviceNames().isEmpty());
        QCOMPARE(DeviceAccess::slot(0).receiverControlFound, 0u);
        QCOMPARE(DeviceAccess::openByCodeName("HORNBEAM"), 1);
        QVERIFY(!DeviceLink::instance().isAnyOpen());
        QVERIFY(m_Backend->opened.isEmpty());
    }

    void wrongUsageIsNotAnInterface()
    {
        m_Backend->add("/dev/hidraw5", 0x7C21, true, "HORNBEAM");
        m_Backend->devices.back().usage = 0x0001;
        QCOMPARE(DeviceAccess::enumerate(), 0);
        QVERIFY(DeviceAccess::deviceNames().isEmpty());
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
        QCOMPARE(DeviceAccess::slot(0).cableControlFound, 1u);
        QCOMPARE(DeviceSlot::field(DeviceAccess::slot(1).receiverMousePath),
                 QByteArray("/dev/hidraw8"));
    }

    void vanishedInterfacesAreCleared()
    {
        m_Backend->addReceiver();
        m_Backend->addCable(0x0107);
        QCOMPARE(DeviceAccess::enumerate(), 0);
        m_Backend->devices.erase(m_Backend->devices.begin() + 2, m_Backend->devices.end());
        QCOMPARE(DeviceAccess::enumerate(), 0);
        const DeviceSlot& s = DeviceAccess::slot(0);
        QCOMPARE(s.cableMouseFound, 0u);
        QCOMPARE(s.cableControlFound, 0u);
        QCOMPARE(DeviceSlot::field(s.cableControlPath), QByteArray());
        QCOMPARE(DeviceAccess::firmwareNumber(), quint16(0));
        QCOMPARE(s.receiverControlFound, 1u);

        // Opening now must not reach for the cable that is gone.
        QCOMPARE(DeviceAccess::openByCodeName("HORNBEAM"), 1);
        QCOMPARE(m_Backend->opened, QList<QByteArray>({"/dev/hidraw0", "/dev/hidraw1"}));
    }

    void initFailureKeepsTheList()
    {
        m_Backend->addReceiver();
        QCOMPARE(DeviceAccess::enumerate(), 0);
        m_Backend->initFails = true;
        m_Backend->devices.clear();
        QCOMPARE(DeviceAccess::enumerate(), -1);
        QCOMPARE(DeviceAccess::deviceNames(), QStringList({"HORNBEAM"}));
        QCOMPARE(DeviceAccess::openByCodeName("HORNBEAM"), 0);
        QVERIFY(!DeviceLink::instance().isAnyOpen());
    }

    void longPathIsCutButOpensWhole()
    {
        const QByteArray longPath = "/dev/" + QByteArray(300, 'p');
        m_Backend->add(longPath, 0x7C21, false, "HORNBEAM");
        m_Backend->add(longPath + "c", 0x7C21, true, "HORNBEAM");
        QCOMPARE(DeviceAccess::enumerate(), 0);
        const DeviceSlot& s = DeviceAccess::slot(0);
        QCOMPARE(s.receiverMousePath[DeviceSlot::kFieldSize - 1], '\0');
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
        QCOMPARE(DeviceAccess::openByCodeName("NOSUCH"), 0);
        QCOMPARE(DeviceAccess::openByCodeName("hornbeam"), 0);
        QCOMPARE(DeviceAccess::openByCodeName("HORNBEAM"), 1);
        DeviceLink& link = DeviceLink::instance();
        for (int i = 0; i < DeviceLink::InterfaceCount; ++i)
            QVERIFY(link.isOpen(DeviceLink::Interface(i)));
        auto control = std::static_pointer_cast<FakeDevice>(link.controlHandle());
        QCOMPARE(control->path(), QByteArray("/dev/hidraw3"));
        QVERIFY(!DeviceAccess::permissionDenied());

        DeviceAccess::closeAll();
        QVERIFY(!link.isAnyOpen());
        QCOMPARE(m_Backend->closed, QList<QByteArray>({"/dev/hidraw0", "/dev/hidraw1",
                                                       "/dev/hidraw2", "/dev/hidraw3"}));
        QVERIFY(!link.controlHandle());
    }

    void controlInterfaceAloneGetsNoHandle()
    {
        m_Backend->add("/dev/hidraw1", 0x7C21, true, "HORNBEAM");
        QCOMPARE(DeviceAccess::enumerate(), 0);
        QCOMPARE(DeviceAccess::deviceNames(), QStringList({"HORNBEAM"}));
        QCOMPARE(DeviceAccess::openByCodeName("HORNBEAM"), 1);
        QVERIFY(!DeviceLink::instance().isAnyOpen());
        QVERIFY(m_Backend->opened.isEmpty());
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
        DeviceLink& link = DeviceLink::instance();
        QVERIFY(link.isOpen(DeviceLink::ReceiverMouse));
        QVERIFY(!link.isReceiverOpen());
        QVERIFY(link.isCableOpen());

        // The next open starts a fresh report.
        DeviceAccess::closeAll();
        m_Backend->refused.clear();
        QCOMPARE(DeviceAccess::openByCodeName("HORNBEAM"), 1);
        QVERIFY(!DeviceAccess::permissionDenied());
        QCOMPARE(DeviceAccess::lastOpenError(DeviceLink::ReceiverControl), HidOpenError::None);
    }

    void hotplugActsOncePerPlug()
    {
        RecordingListener listener;
        m_Backend->addReceiver();
        g_Lines.clear();
        qInstallMessageHandler(captureMessage);
        QCOMPARE(DeviceAccess::IfDeviceInMouseList(kArrival0, &listener), 1);
        qInstallMessageHandler(nullptr);
        QVERIFY(g_Lines.contains("IfDeviceInMouseList " + kArrival0));
        QCOMPARE(m_Backend->enumerations, 1);
        QCOMPARE(listener.calls, QStringList({"count", "updated:HORNBEAM", "select:1"}));
        QCOMPARE(DeviceAccess::IfDeviceInMouseList(kArrival2, &listener), 1);
        QCOMPARE(m_Backend->enumerations, 1);
        QCOMPARE(listener.calls.size(), 3);
    }

    void hotplugCountsOnlyInterfaceZeroAndTwo()
    {
        RecordingListener listener;
        const QStringList ignored = {
            "\\\\?\\HID#VID_3F1C&PID_7C21&MI_01#7&1&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}",
            "\\\\?\\HID#VID_3F1C&PID_7C21#7&1&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}",
            "/dev/hidraw3",
            "",
        };
        for (const QString& path : ignored)
            QCOMPARE(DeviceAccess::IfDeviceInMouseList(path, &listener), 1);
        QVERIFY(listener.calls.isEmpty());
        QCOMPARE(m_Backend->enumerations, 0);

        // Any vendor counts, in any letter case, and a collection suffix does not matter.
        DeviceAccess::IfDeviceInMouseList(
            "\\\\?\\hid#vid_046d&pid_c52b&mi_02&col01#8&2&0&0000#{4d1e55b2-f16f-11cf-88cb-"
            "001111000030}",
            &listener);
        QCOMPARE(m_Backend->enumerations, 1);
        DeviceAccess::IfDeviceInMouseList(
            "\\\\?\\HID#VID_046D&PID_C52B&MI_00#8&2&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}",
            &listener);
        QCOMPARE(m_Backend->enumerations, 1);
        DeviceAccess::IfDeviceInMouseList(kArrival2, &listener);
        QCOMPARE(m_Backend->enumerations, 2);
    }

    void unplugOfTheLastMouseStopsAndCloses()
    {
        RecordingListener listener;
        m_Backend->addReceiver();
        QCOMPARE(DeviceAccess::enumerate(), 0);
        QCOMPARE(DeviceAccess::openByCodeName("HORNBEAM"), 1);
        QVERIFY(DeviceLink::instance().isReceiverOpen());

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
