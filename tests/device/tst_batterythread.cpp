#include "ScriptedHidDevice.h"
#include "VirtualHidBackend.h"
#include "VirtualSocketServer.h"
#include "device/BatteryPoller.h"
#include "device/DeviceLink.h"
#include "device/KivoGetBatteryThread.h"
#include "device/PollingPause.h"
#include "device/ReportBuilder.h"
#include "device/SocketHidBackend.h"
#include "device/WriteSequence.h"

#include <QPointer>
#include <QtTest>

#include <thread>

namespace {
QByteArray statusReport(quint8 low, quint8 high, quint8 dpiByte, quint8 rate)
{
    QByteArray r(32, '\0');
    r[0] = char(0x0A);
    r[1] = char(0xAA);
    r[2] = char(0xFF);
    r[3] = char(0xDD);
    r[4] = char(low);
    r[5] = char(high);
    r[6] = char(dpiByte);
    r[7] = char(rate);
    return r;
}

// The thread traces every read.
void silence(QtMsgType, const QMessageLogContext&, const QString&) {}

// Takes a worker's signals over to the test's thread. A QSignalSpy on the worker itself is
// appended to by the worker while the test reads it; one on the relay only by the test's own
// event loop, so every read sees whole entries and a count only grows while the test waits.
class Relay : public QObject
{
    Q_OBJECT

public:
    explicit Relay(KivoGetBatteryThread* worker)
    {
        connect(worker, &KivoGetBatteryThread::RefreshBatteryStatus, this,
                &Relay::RefreshBatteryStatus, Qt::QueuedConnection);
        connect(worker, &KivoGetBatteryThread::RefreshStatus, this, &Relay::RefreshStatus,
                Qt::QueuedConnection);
    }
    // Delivers what the worker emitted before it ended.
    static void deliver() { QCoreApplication::sendPostedEvents(); }

signals:
    void RefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    void RefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode);
};

// A worker with its signals relayed and recorded.
struct Watched
{
    KivoGetBatteryThread thread;
    Relay relay{&thread};
    QSignalSpy battery{&relay, &Relay::RefreshBatteryStatus};
    QSignalSpy status{&relay, &Relay::RefreshStatus};
    // Stops the worker and delivers what it emitted; false when it did not end.
    bool stop()
    {
        thread.stop();
        const bool ended = thread.wait(3000);
        Relay::deliver();
        return ended;
    }
};

// A virtual mouse whose receiver control interface is the open control handle, reached in
// process or through its socket as the running tool reaches it.
struct MouseOnLink
{
    std::shared_ptr<VirtualMouse> mouse = std::make_shared<VirtualMouse>();
    QTemporaryDir dir;
    VirtualSocketServer server{mouse};
    QList<int> pollersAtReport; // battery threads running as each non-query report came in
    std::atomic<int> queries{0};

    explicit MouseOnLink(bool bSocket)
    {
        std::shared_ptr<HidDevice> control;
        if (bSocket) {
            QVERIFY(server.listen(dir.path() + "/m.sock", nullptr));
            control = SocketHidBackend(dir.path()).openPath("virtual:m.sock:receiver:2", nullptr);
        } else {
            control = VirtualHidBackend(mouse).openPath(
                VirtualHidBackend::pathOf(0, VirtualMouse::Link::Receiver,
                                          VirtualMouse::Interface::Control),
                nullptr);
        }
        QVERIFY(control);
        DeviceLink::instance().setHandle(DeviceLink::ReceiverControl, control);
        QObject::connect(
            mouse.get(), &VirtualMouse::reportReceived, mouse.get(),
            [this](VirtualMouse::Link, const QByteArray& report) {
                if (quint8(report.at(1)) != 0x0A)
                    pollersAtReport << BatteryPoller::runningThreadCount();
                else
                    ++queries;
            },
            Qt::DirectConnection);
    }
};

using Args = QList<QVariant>;
// The answer names no profile: the thread never reports one.
constexpr int kNone = KivoGetBatteryThread::kNoProfile;

Args args(std::initializer_list<int> values)
{
    Args out;
    for (int v : values)
        out << QVariant::fromValue(quint8(v));
    return out;
}
} // namespace

class TestBatteryThread : public QObject
{
    Q_OBJECT

private:
    std::shared_ptr<ScriptedHidDevice> m_Device;
    QtMessageHandler m_Previous = nullptr;

private slots:
    void init()
    {
        // Reads time out at once unless the test queued an answer.
        m_Device = std::make_shared<ScriptedHidDevice>(ScriptedHidDevice::Kind::Timeout);
        DeviceLink::instance().setHandle(DeviceLink::ReceiverControl, m_Device);
        m_Previous = qInstallMessageHandler(silence);
    }

    void cleanup()
    {
        qInstallMessageHandler(m_Previous);
        DeviceLink::instance().closeAll();
        QVERIFY(BatteryPoller::waitForThreads(3000));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void noHandleEmitsZeroOnceAndEnds()
    {
        DeviceLink::instance().closeAll();
        Watched w;
        w.thread.start();
        QVERIFY(w.thread.wait(3000));
        Relay::deliver();
        QCOMPARE(w.battery, QList<Args>{args({0, 0, 0})});
        QCOMPARE(w.status.size(), 0);
    }

    void queryRoundReportsBatteryAndStatus()
    {
        m_Device->answerWritesWith(statusReport(0x10, 0x0E, 0x3D, 0x02));
        Watched w;
        w.thread.start();
        QTRY_COMPARE_WITH_TIMEOUT(w.status.size(), 1, 3000);
        QVERIFY(w.stop());
        QCOMPARE(w.battery, QList<Args>{args({0, 0x10, 0x0E})});
        // Byte 6 0x3D: the whole low nibble, 13, which the window refuses as no level; a
        // nibble cut short would make a real level of it.
        QCOMPARE(w.status.at(0), args({kNone, 13, 2, 0}));

        // The query goes out as is, 33 bytes, straight to the device.
        const ReportBuilder::Frame query = ReportBuilder::batteryQuery();
        QCOMPARE(m_Device->record().writes.first(),
                 QByteArray(reinterpret_cast<const char*>(query.data()), int(query.size())));
        QCOMPARE(m_Device->record().lastReadLength, 33);
    }

    void listeningRoundUpdatesStatusOnly()
    {
        m_Device->answerWritesWith(statusReport(0x20, 0x0F, 0x01, 0x01));
        Watched w;
        w.thread.start();
        QTRY_COMPARE_WITH_TIMEOUT(w.battery.size(), 1, 3000);

        // The mouse announces a DPI change on its own, then sends something else.
        QByteArray other = statusReport(0x99, 0x99, 0x07, 0x04);
        other[3] = char(0xDC);
        m_Device->add(ScriptedHidDevice::Kind::Bytes, statusReport(0x99, 0x99, 0x23, 0x08));
        m_Device->add(ScriptedHidDevice::Kind::Bytes, other);
        QTRY_COMPARE_WITH_TIMEOUT(w.status.size(), 2, 3000);
        QTest::qWait(100);
        QVERIFY(w.stop());
        QCOMPARE(w.battery.size(), 1);
        QCOMPARE(w.status.size(), 2);
        QCOMPARE(w.status.at(1), args({kNone, 3, 8, 0}));
    }

    void onLink_data()
    {
        QTest::addColumn<bool>("socket");
        QTest::newRow("in process") << false;
        QTest::newRow("socket") << true;
    }

    void statusWhileIdleArrives_data() { onLink_data(); }
    void statusWhileIdleArrives()
    {
        QFETCH(bool, socket);
        MouseOnLink link(socket);
        link.mouse->setBattery(57, true);
        Watched w;
        w.thread.start();
        QTRY_COMPARE_WITH_TIMEOUT(w.battery.size(), 1, 3000);
        QCOMPARE(w.battery.at(0), args({0, 57, 1}));
        // Nothing is asked meanwhile: the report reaches the sleeping thread by itself.
        link.mouse->pressDpiButton();
        QTRY_COMPARE_WITH_TIMEOUT(w.status.size(), 2, KivoGetBatteryThread::kQueryIntervalMs / 2);
        QVERIFY(w.stop());
        QCOMPARE(w.battery.size(), 1);
        QVERIFY(w.status.at(1) != w.status.at(0));
    }

    // An idle tool is woken by nothing but what changed: the same answer twice goes nowhere.
    void sameAnswerIsNotPassedOnTwice()
    {
        MouseOnLink link(true);
        link.mouse->setBattery(57, false);
        Watched w;
        w.thread.start();
        QTRY_COMPARE_WITH_TIMEOUT(link.queries.load(), 2,
                                  2 * KivoGetBatteryThread::kQueryIntervalMs);
        QTRY_COMPARE(w.status.size(), 1);
        QTest::qWait(100);
        QCOMPARE(w.battery.size(), 1);
        link.mouse->setBattery(40, false);
        QTRY_COMPARE_WITH_TIMEOUT(w.battery.size(), 2, 2 * KivoGetBatteryThread::kQueryIntervalMs);
        QVERIFY(w.stop());
        QCOMPARE(w.battery.at(1), args({0, 40, 0}));
        QCOMPARE(w.status.size(), 1);
    }

    // Over the socket an answer that is ready comes with the write; a read fault the mouse has
    // armed still meets the client's own read, and a wait that finds nothing ends in time.
    void socketAnswersComeWithTheWrite()
    {
        MouseOnLink link(true);
        const std::shared_ptr<HidDevice> control = DeviceLink::instance().controlHandle();
        const ReportBuilder::Frame query = ReportBuilder::batteryQuery();
        quint8 answer[64] = {};
        QCOMPARE(control->write(query.data(), query.size()), int(query.size()));
        QCOMPARE(control->readTimeout(answer, 33, 0), 32);
        QVERIFY(KivoGetBatteryThread::isStatusAnswer(answer));
        WakeEvent wake;
        QCOMPARE(control->waitForInput(wake, 20), HidDevice::InputWait::TimedOut);
        link.mouse->failReads(1);
        QCOMPARE(control->write(query.data(), query.size()), int(query.size()));
        QCOMPARE(control->readTimeout(answer, 33, 100), -1);
        QCOMPARE(control->waitForInput(wake, 1000), HidDevice::InputWait::Ready);
        QCOMPARE(control->readTimeout(answer, 33, 0), 32);
    }

    // The Wait sent along with a query is the one the next wait sleeps on; anything else asked
    // of the mouse meanwhile ends it first, and the connection stays whole.
    void socketWaitSentWithTheWrite()
    {
        MouseOnLink link(true);
        const std::shared_ptr<HidDevice> control = DeviceLink::instance().controlHandle();
        const ReportBuilder::Frame query = ReportBuilder::batteryQuery();
        const int size = int(query.size());
        quint8 answer[64] = {};
        WakeEvent wake;
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(control->writeThenWait(query.data(), query.size(), 150), size);
        QCOMPARE(control->readTimeout(answer, 33, 0), 32);
        QCOMPARE(control->waitForInput(wake, 150), HidDevice::InputWait::TimedOut);
        QVERIFY(clock.elapsed() < 1500);
        // A write and a read while the Wait is open.
        QCOMPARE(control->writeThenWait(query.data(), query.size(), 5000), size);
        QCOMPARE(control->write(query.data(), query.size()), size);
        QCOMPARE(control->readTimeout(answer, 33, 0), 32);
        QCOMPARE(control->readTimeout(answer, 33, 0), 32);
        QCOMPARE(control->writeThenWait(query.data(), query.size(), 5000), size);
        QCOMPARE(control->readTimeout(answer, 33, 0), 32);
        QCOMPARE(control->readTimeout(answer, 33, 50), 0);
        // A write the mouse refuses: its Wait is served all the same.
        link.mouse->failWrites(1);
        QCOMPARE(control->writeThenWait(query.data(), query.size(), 100), -1);
        QCOMPARE(control->waitForInput(wake, 100), HidDevice::InputWait::TimedOut);
        // The mouse's own report ends the open Wait at once; so does the wake event.
        QCOMPARE(control->writeThenWait(query.data(), query.size(), 5000), size);
        QCOMPARE(control->readTimeout(answer, 33, 0), 32);
        clock.restart();
        std::thread press([&link] {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            link.mouse->pressDpiButton();
        });
        const HidDevice::InputWait pressed = control->waitForInput(wake, 5000);
        press.join();
        QCOMPARE(pressed, HidDevice::InputWait::Ready);
        QCOMPARE(control->readTimeout(answer, 33, 0), 32);
        QVERIFY(KivoGetBatteryThread::isStatusAnswer(answer));
        QCOMPARE(control->writeThenWait(query.data(), query.size(), 5000), size);
        QCOMPARE(control->readTimeout(answer, 33, 0), 32);
        wake.raise();
        QCOMPARE(control->waitForInput(wake, 5000), HidDevice::InputWait::Woken);
        wake.clear();
        QVERIFY(clock.elapsed() < 3000);
        QCOMPARE(control->write(query.data(), query.size()), size);
        QCOMPARE(control->readTimeout(answer, 33, 0), 32);
    }

    void noReadWhileWriting_data() { onLink_data(); }
    void noReadWhileWriting()
    {
        QFETCH(bool, socket);
        MouseOnLink link(socket);
        BatteryPoller poller;
        QSignalSpy battery(&poller, &BatteryPoller::RefreshBatteryStatus);
        poller.startPolling();
        QVERIFY(battery.wait(3000));
        // The poller sleeps in its wait now; the pause must end it, not time out on it.
        PollingPause(&poller).end(0);
        QCOMPARE(BatteryPoller::runningThreadCount(), 1); // the restarted one only
        QVERIFY(battery.wait(3000));
        // The poller sleeps in its wait now; the write must end it before its first report.
        QCOMPARE(WriteSequence(&poller).run(MouseConfig(), 15), quint8(0));
        QVERIFY(link.pollersAtReport.size() > 6);
        QCOMPARE(link.pollersAtReport.count(0), link.pollersAtReport.size());
        QVERIFY(poller.isPolling()); // back after the write
    }

    void closedHandleEndsThread()
    {
        Watched w;
        w.thread.start();
        QTRY_VERIFY_WITH_TIMEOUT(m_Device->record().reads > 3, 3000);
        std::weak_ptr<ScriptedHidDevice> weak = m_Device;
        DeviceLink::instance().closeAll();
        m_Device.reset();
        QVERIFY(w.thread.wait(3000));
        Relay::deliver();
        QCOMPARE(w.battery.last(), args({0, 0, 0}));
        QVERIFY(weak.expired()); // the thread let go of its copy
    }

    void randomAnswersNeverCrash()
    {
        QRandomGenerator random(4711);
        m_Device->addRandomSteps(random, 400, QByteArray("\x0A\xAA\xFF\xDD", 4));
        m_Device->failWrites(2);
        Watched w;
        w.thread.start();
        QTRY_VERIFY_WITH_TIMEOUT(m_Device->record().reads >= 250, 20000);
        QVERIFY(w.stop());
        QVERIFY(w.status.size() > 0);
        for (const Args& a : w.status)
            QVERIFY(a.at(0).value<quint8>() == kNone && a.at(1).value<quint8>() <= 15);
    }

    void pollerKeepsOneThread()
    {
        BatteryPoller poller;
        QCOMPARE(poller.startPolling(), 1);
        QPointer<KivoGetBatteryThread> first(poller.currentThread());
        QVERIFY(first);
        QCOMPARE(poller.startPolling(), 1);
        QCOMPARE(poller.currentThread(), first.data());
        QCOMPARE(BatteryPoller::runningThreadCount(), 1);
        poller.stopPolling();
        QVERIFY(!poller.isPolling());
        QVERIFY(BatteryPoller::waitForThreads(3000));
        // The forgotten thread is deleted once it has ended.
        QTRY_VERIFY_WITH_TIMEOUT(first.isNull(), 3000);

        // Without a device the thread ends by itself but is still kept: starting again adds
        // nothing, and its signal reaches the poller's listeners.
        DeviceLink::instance().closeAll();
        QSignalSpy battery(&poller, &BatteryPoller::RefreshBatteryStatus);
        poller.startPolling();
        QVERIFY(battery.wait(3000));
        QCOMPARE(battery.at(0), args({0, 0, 0}));
        QPointer<KivoGetBatteryThread> ended(poller.currentThread());
        QVERIFY(BatteryPoller::waitForThreads(3000));
        poller.startPolling();
        QCOMPARE(poller.currentThread(), ended.data());
        poller.stopPolling();
        QTRY_VERIFY_WITH_TIMEOUT(ended.isNull(), 3000);
    }

    void startFromAnotherThread()
    {
        // The writer restarts polling from its worker thread.
        BatteryPoller poller;
        std::thread worker([&poller] { poller.startPolling(); });
        worker.join();
        QPointer<KivoGetBatteryThread> thread(poller.currentThread());
        QVERIFY(thread);
        QCOMPARE(thread->QObject::thread(), poller.thread());
        std::thread stopper([&poller] { poller.stopPolling(); });
        stopper.join();
        QVERIFY(BatteryPoller::waitForThreads(3000));
        QTRY_VERIFY_WITH_TIMEOUT(thread.isNull(), 3000);
    }

    void destroyingThePollerWaits()
    {
        {
            BatteryPoller poller;
            poller.startPolling();
            QTRY_VERIFY_WITH_TIMEOUT(m_Device->record().reads > 0, 3000);
        }
        QCOMPARE(BatteryPoller::runningThreadCount(), 0);
    }
};

QTEST_GUILESS_MAIN(TestBatteryThread)
#include "tst_batterythread.moc"
