#include "FakeDeviceNotifier.h"
#include "FakeSelectionHost.h"
#include "NoAccessBackend.h"
#include "TestAppFolder.h"
#include "VirtualMouse.h"
#include "app/selection/DeviceSelection.h"
#include "app/selection/MouseDialog.h"
#include "device/DeviceAccess.h"
#include "device/DeviceLink.h"
#include "device/HidBackend.h"
#include "model/AppPaths.h"
#include "widgets/KivoPushButton.h"

#include <QListWidget>
#include <QPointer>
#include <QSettings>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

constexpr quint16 kReceiver = 0x7C21;
const VirtualMouse::Link kRx = VirtualMouse::Link::Receiver;

// Two in-process mice on their receivers, the window's notifier, and the selection under test.
struct Rig
{
    TestAppFolder folder;
    std::shared_ptr<VirtualMouse> hornbeam = std::make_shared<VirtualMouse>("HORNBEAM");
    std::shared_ptr<VirtualMouse> linden = std::make_shared<VirtualMouse>("LINDEN");
    std::shared_ptr<NoAccessBackend> backend = std::make_shared<NoAccessBackend>();
    FakeSelectionHost host;
    FakeDeviceNotifier notifier;
    QList<QPointer<FakeDeviceNotifier>> dialogNotifiers;
    DeviceSelection selection{&host};

    explicit Rig(bool bLindenPlugged)
    {
        backend->m_bDenied = false;
        backend->addMouse(hornbeam);
        backend->addMouse(linden);
        if (!bLindenPlugged)
            linden->unplug(kRx);
        HidBackend::setCurrent(backend);
        DeviceAccess::initSlotTable();
        DeviceAccess::enumerate();
        selection.connectNotifier(&notifier);
        selection.setDialogNotifierFactory([this](QObject* parent) {
            auto* own = new FakeDeviceNotifier(true, parent);
            dialogNotifiers << own;
            return own;
        });
    }
    ~Rig()
    {
        DeviceLink::instance().closeAll();
        HidBackend::setCurrent(nullptr);
    }

    void plug(VirtualMouse& mouse, FakeDeviceNotifier& from)
    {
        mouse.plug(kRx);
        from.announce(true, kReceiver, mouse.codeName());
    }
    void unplug(VirtualMouse& mouse, FakeDeviceNotifier& from)
    {
        mouse.unplug(kRx);
        from.announce(false, kReceiver, mouse.codeName());
    }

    // Which mouse the open control handle reaches: the one that receives a report sent on it.
    QString openMouse()
    {
        std::shared_ptr<HidDevice> handle = DeviceLink::instance().controlHandle();
        if (!handle)
            return QString();
        QSignalSpy toHornbeam(hornbeam.get(), &VirtualMouse::reportReceived);
        QSignalSpy toLinden(linden.get(), &VirtualMouse::reportReceived);
        quint8 report[VirtualMouse::kReportSize] = {};
        if (handle->write(report, sizeof report) < 0)
            return QStringLiteral("(dead handle)");
        if (toHornbeam.count() == 1 && toLinden.count() == 0)
            return hornbeam->codeName();
        if (toLinden.count() == 1 && toHornbeam.count() == 0)
            return linden->codeName();
        return QStringLiteral("(unclear)");
    }

    QString storedProductName() const
    {
        return QSettings(AppPaths::configIni(), QSettings::IniFormat)
            .value("Config/CurrentProductName")
            .toString();
    }

    bool settle()
    {
        return QTest::qWaitFor([this] { return !selection.isBusy(); });
    }

    // The user closes the chooser that is up without a choice.
    bool rejectChooser()
    {
        MouseDialog* dialog = selection.currentDialog();
        if (!dialog || !QTest::qWaitForWindowExposed(dialog))
            return false;
        dialog->reject();
        return settle();
    }
};

bool waitForDialog(MouseDialog* dialog)
{
    return dialog && QTest::qWaitForWindowExposed(dialog);
}

void clickRow(MouseDialog* dialog, int row)
{
    QListWidget* list = dialog->listWidget();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

int visibleChoosers()
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<MouseDialog*>(widget) && widget->isVisible())
            ++count;
    return count;
}

} // namespace

class TestDeviceSelection : public QObject
{
    Q_OBJECT

private slots:
    void oneMouseIsTakenAndOpenedAfterThePause()
    {
        Rig rig(false);
        QSignalSpy opened(&rig.selection, &DeviceSelection::deviceOpened);
        int iTicks = 0;
        int iTicksAtOpen = -1;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&] { ++iTicks; });
        connect(&rig.selection, &DeviceSelection::deviceOpened, this,
                [&] { iTicksAtOpen = iTicks; });
        ticker.start(5);

        rig.selection.runSelection(false);
        // The choice is made, polling is stopped, and the open waits for the pause.
        QVERIFY(rig.selection.isWaitingToOpen());
        QVERIFY(!DeviceLink::instance().isAnyOpen());

        QVERIFY(rig.settle());
        QCOMPARE(opened.count(), 1);
        QCOMPARE(opened.at(0).at(0).toBool(), true);
        // The event loop kept running through the pause: the ticker fired before the open.
        QVERIFY2(iTicksAtOpen >= 1, qPrintable(QString::number(iTicksAtOpen)));
        QCOMPARE(rig.openMouse(), QStringLiteral("HORNBEAM"));
        QCOMPARE(rig.host.log, (QStringList{"current HORNBEAM", "refresh", "stop", "start"}));
        QVERIFY(rig.host.window.isVisible());
        QCOMPARE(rig.storedProductName(), QStringLiteral("HORNBEAM"));
    }

    void onePlugIsHandledOnce()
    {
        Rig rig(false);
        rig.selection.runSelection(false);
        QVERIFY(rig.settle());
        QSignalSpy updated(&rig.selection, &DeviceSelection::mouseDevicesUpdated);
        QSignalSpy shown(&rig.selection, &DeviceSelection::dialogOpened);

        // Interface 1 of a device is no concern of ours.
        emit rig.notifier.deviceArrived(FakeDeviceNotifier::path(kReceiver, 1, "other"));
        QCOMPARE(updated.count(), 0);

        rig.plug(*rig.linden, rig.notifier);
        QCOMPARE(updated.count(), 1);
        QCOMPARE(updated.at(0).at(0).toStringList(), (QStringList{"HORNBEAM", "LINDEN"}));
        QCOMPARE(rig.host.iCounts, 1);
        // Two mice now: the chooser asks, once.
        QCOMPARE(shown.count(), 1);
        QVERIFY(rig.rejectChooser());

        rig.unplug(*rig.linden, rig.notifier);
        QCOMPARE(updated.count(), 2);
        QCOMPARE(rig.host.iCounts, 2);
        QCOMPARE(shown.count(), 1);
        QVERIFY(rig.settle());
        QCOMPARE(rig.openMouse(), QStringLiteral("HORNBEAM"));

        // Changes while a write and its message are on screen are handled once, after it.
        rig.selection.holdDeviceChanges(true);
        rig.plug(*rig.linden, rig.notifier);
        rig.unplug(*rig.linden, rig.notifier);
        rig.plug(*rig.linden, rig.notifier);
        QCOMPARE(updated.count(), 2);
        QCOMPARE(shown.count(), 1);
        rig.selection.holdDeviceChanges(false);
        QCOMPARE(updated.count(), 3);
        QCOMPARE(shown.count(), 2);
        QVERIFY(rig.rejectChooser());
    }

    void unplugShowsDongleDisconnectAndReplugTakesTheMouse()
    {
        Rig rig(false);
        rig.selection.runSelection(false);
        QVERIFY(rig.settle());
        QSignalSpy opened(&rig.selection, &DeviceSelection::deviceOpened);

        rig.unplug(*rig.hornbeam, rig.notifier);
        QVERIFY(!rig.host.bPolling);
        QVERIFY(!DeviceLink::instance().isAnyOpen());
        QPointer<MouseDialog> dialog = rig.selection.currentDialog();
        QVERIFY(waitForDialog(dialog));
        QVERIFY(dialog->isShowingDisconnect());
        QCOMPARE(rig.dialogNotifiers.size(), 1);

        // The chooser hears the mouse come back on its own notifier; the window's notifier
        // announces the same plug right after.
        rig.plug(*rig.hornbeam, *rig.dialogNotifiers.first());
        rig.notifier.announce(true, kReceiver, "HORNBEAM");
        QTRY_VERIFY(dialog.isNull());
        QVERIFY(rig.settle());
        QCOMPARE(rig.openMouse(), QStringLiteral("HORNBEAM"));
        QVERIFY(rig.host.bPolling);
        QVERIFY(rig.host.window.isVisible());
        QCOMPARE(opened.count(), 1);
        // The chooser's registration went with it.
        QTRY_VERIFY(rig.dialogNotifiers.first().isNull());
    }

    // Two mice: rejected, the previous choice stays; the device button's chooser leaves the
    // mouse alone until a choice is made; a double click takes the other mouse.
    void twoMiceRejectKeepsThePreviousChoiceTakes()
    {
        Rig rig(true);
        rig.host.current = "HORNBEAM";
        QSignalSpy opened(&rig.selection, &DeviceSelection::deviceOpened);
        rig.selection.runSelection(false);
        MouseDialog* dialog = rig.selection.currentDialog();
        QVERIFY(waitForDialog(dialog));
        // Nothing is opened while the user chooses.
        QVERIFY(!DeviceLink::instance().isAnyOpen());
        clickRow(dialog, 1);
        dialog->reject();
        QVERIFY(rig.settle());
        QCOMPARE(rig.host.current, QStringLiteral("HORNBEAM"));
        QCOMPARE(rig.storedProductName(), QString());
        QCOMPARE(rig.openMouse(), QStringLiteral("HORNBEAM"));
        QVERIFY(rig.host.window.isVisible());

        const int stops = rig.host.log.count("stop");
        rig.selection.chooseDevice();
        QVERIFY(waitForDialog(rig.selection.currentDialog()));
        QVERIFY(rig.host.window.isHidden());
        rig.selection.currentDialog()->reject();
        // Rejected: the window comes back at once and the device is left alone.
        QVERIFY(!rig.selection.isBusy());
        QVERIFY(rig.host.window.isVisible());
        QCOMPARE(rig.host.log.count("stop"), stops);
        QCOMPARE(opened.count(), 1);

        rig.selection.chooseDevice();
        dialog = rig.selection.currentDialog();
        QVERIFY(waitForDialog(dialog));
        // A double click: the first click of it, then the second.
        clickRow(dialog, 1);
        QListWidget* list = dialog->listWidget();
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                           list->visualItemRect(list->item(1)).center());
        QVERIFY(rig.settle());
        QCOMPARE(rig.storedProductName(), QStringLiteral("LINDEN"));
        QCOMPARE(opened.count(), 2);
        QCOMPARE(rig.openMouse(), QStringLiteral("LINDEN"));
    }

    // While the chooser is up, the tray and the device button open no second one; the other
    // mouse going away takes the one left.
    void chooserRunsOnceAndTakesTheMouseLeft()
    {
        Rig rig(true);
        QSignalSpy shown(&rig.selection, &DeviceSelection::dialogOpened);
        rig.selection.runSelection(false);
        QVERIFY(waitForDialog(rig.selection.currentDialog()));
        rig.selection.runSelection(false);
        rig.selection.chooseDevice();
        QCoreApplication::processEvents();
        QCOMPARE(shown.count(), 1);
        QCOMPARE(visibleChoosers(), 1);
        QCOMPARE(rig.host.log.count("stop"), 0);

        rig.unplug(*rig.linden, rig.notifier);
        QVERIFY(rig.settle());
        QCOMPARE(visibleChoosers(), 0);
        QCOMPARE(rig.openMouse(), QStringLiteral("HORNBEAM"));
        QCOMPARE(shown.count(), 1);
    }

    void unplugDuringThePauseIsHandledAfterIt()
    {
        Rig rig(false);
        QSignalSpy opened(&rig.selection, &DeviceSelection::deviceOpened);
        rig.selection.runSelection(false);
        // The mouse goes before it was opened: the pause ends in a failed open, then the
        // selection runs again and waits for a mouse.
        rig.unplug(*rig.hornbeam, rig.notifier);
        QVERIFY(rig.selection.isWaitingToOpen());
        QTRY_COMPARE(opened.count(), 1);
        QCOMPARE(opened.at(0).at(0).toBool(), false);
        MouseDialog* dialog = rig.selection.currentDialog();
        QVERIFY(waitForDialog(dialog));
        QVERIFY(dialog->isShowingDisconnect());
        // Rejected with no mouse: the window comes back without one.
        QVERIFY(rig.rejectChooser());
        QCOMPARE(opened.count(), 2);
        QCOMPARE(opened.last().at(0).toBool(), false);
        QVERIFY(!rig.host.bPolling);
        QVERIFY(rig.host.window.isVisible());
    }

    void unchangedListDuringThePauseDoesNotRepeat()
    {
        Rig rig(false);
        QSignalSpy opened(&rig.selection, &DeviceSelection::deviceOpened);
        rig.selection.runSelection(false);
        // Another device of the same kind of path: the list of mice stays as it was.
        emit rig.notifier.deviceArrived(FakeDeviceNotifier::path(0x1234, 0, "keyboard"));
        emit rig.notifier.deviceArrived(FakeDeviceNotifier::path(0x1234, 2, "keyboard"));
        QVERIFY(rig.settle());
        QTest::qWait(50);
        QVERIFY(!rig.selection.isBusy());
        QCOMPARE(opened.count(), 1);
        QCOMPARE(rig.host.log.count("start"), 1);
    }
};

QTEST_MAIN(TestDeviceSelection)
#include "tst_deviceselection.moc"
