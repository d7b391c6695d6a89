#include "FakeSelectionHost.h"
#include "NoAccessBackend.h"
#include "ScriptedUserPrompts.h"
#include "TestAppFolder.h"
#include "VirtualMouse.h"
#include "app/selection/DeviceSelection.h"
#include "app/status/PermissionNotice.h"
#include "device/DeviceAccess.h"
#include "device/DeviceLink.h"

#include <QSignalSpy>
#include <QWidget>
#include <QtTest>

#include <memory>

namespace {

// A box that, while it is up, gets the next denial delivered, as a modal box's event loop would.
class ReenteringPrompts : public ScriptedUserPrompts
{
public:
    PermissionNotice* m_pNotice = nullptr;

protected:
    void showNotice(QWidget* parent, const QString& title, const QString& text,
                    const QString& text2) override
    {
        ScriptedUserPrompts::showNotice(parent, title, text, text2);
        if (m_pNotice)
            m_pNotice->slotDevicePermissionDenied();
    }
};

} // namespace

class TestPermissionNotice : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestAppFolder> m_pFolder;
    std::shared_ptr<NoAccessBackend> m_Backend;

private slots:
    void init()
    {
        m_pFolder = std::make_unique<TestAppFolder>();
        QVERIFY(m_pFolder->isValid());
        m_Backend = std::make_shared<NoAccessBackend>();
        HidBackend::setCurrent(m_Backend);
        DeviceAccess::initSlotTable();
        PermissionNotice::resetShown();
    }
    void cleanup()
    {
        DeviceAccess::closeAll();
        HidBackend::setCurrent(nullptr);
        m_Backend.reset();
        m_pFolder.reset();
    }

    // Start-up, then a replug, with the next denial arriving while the box is up: one notice.
    void twoDenialsGiveOneNotice()
    {
        m_Backend->addMouse(std::make_shared<VirtualMouse>());
        ReenteringPrompts prompts;
        PermissionNotice notice(nullptr);
        prompts.m_pNotice = &notice;
        for (int i = 0; i < 2; ++i) {
            // What the device selection does on every start and hot-plug before it reports.
            DeviceAccess::closeAll();
            QCOMPARE(DeviceAccess::enumerate(), 0);
            QCOMPARE(DeviceAccess::openByCodeName("HORNBEAM"), 1);
            notice.slotDevicePermissionDenied();
        }
        QCOMPARE(prompts.shown().size(), 1);
        QCOMPARE(prompts.shown().first().kind, ScriptedUserPrompts::Notice);
        QCOMPARE(prompts.texts(), QStringList{PermissionNotice::text()});
        QCOMPARE(prompts.shown().first().text2, PermissionNotice::text2());

        // Once per run, also for a second window's notice.
        PermissionNotice other(nullptr);
        other.slotDevicePermissionDenied();
        QCOMPARE(prompts.shown().size(), 1);
    }

    // Wired as the main window wires it: the start-up selection and a hot-plug reselection.
    void startAndReplugThroughTheSelection()
    {
        m_Backend->addMouse(std::make_shared<VirtualMouse>());
        DeviceAccess::enumerate();
        ScriptedUserPrompts prompts;
        FakeSelectionHost host;
        host.current = "HORNBEAM";
        DeviceSelection selection(&host);
        selection.setDialogNotifierFactory([](QObject*) { return nullptr; });
        PermissionNotice notice(&host.window);
        connect(&selection, &DeviceSelection::devicePermissionDenied, &notice,
                &PermissionNotice::slotDevicePermissionDenied);
        QSignalSpy opened(&selection, &DeviceSelection::deviceOpened);

        selection.runSelection(false);
        QTRY_COMPARE_WITH_TIMEOUT(opened.count(), 1, 5000);
        selection.selectDevice(true);
        QTRY_COMPARE_WITH_TIMEOUT(opened.count(), 2, 5000);
        QCOMPARE(opened.at(1).at(0).toBool(), false);
        QCOMPARE(prompts.texts(), QStringList{PermissionNotice::text()});
    }

    // No notice where the system refused nothing: a mouse listed a moment ago and gone when
    // opened (absent, not refused), a mouse the user may open after the fix.
    void quietWithoutARefusal_data()
    {
        QTest::addColumn<bool>("bGone");
        QTest::newRow("unplugged") << true;
        QTest::newRow("access") << false;
    }

    void quietWithoutARefusal()
    {
        QFETCH(bool, bGone);
        auto mouse = std::make_shared<VirtualMouse>();
        m_Backend->addMouse(mouse);
        m_Backend->m_bDenied = false;
        ScriptedUserPrompts prompts;
        PermissionNotice notice(nullptr);
        QCOMPARE(DeviceAccess::enumerate(), 0);
        if (bGone) {
            mouse->unplug(VirtualMouse::Link::Receiver);
            mouse->unplug(VirtualMouse::Link::Cable);
        }
        QCOMPARE(DeviceAccess::openByCodeName("HORNBEAM"), 1);
        QCOMPARE(bool(DeviceLink::instance().handle(DeviceLink::ReceiverControl)), !bGone);
        notice.slotDevicePermissionDenied();
        QVERIFY(prompts.shown().isEmpty());
        QVERIFY(!PermissionNotice::wasShown());
    }
};

QTEST_MAIN(TestPermissionNotice)
#include "tst_permissionnotice.moc"
