#include "device/BatteryPoller.h"
#include "device/DeviceLink.h"
#include "device/KivoGetBatteryThread.h"
#include "device/ReportBuilder.h"

#include <QPointer>
#include <QRandomGenerator>
#include <QtTest>

#include <cstring>
#include <deque>
#include <mutex>
#include <thread>

namespace {
// A control interface fed by the test: reads return queued input reports or time out at once;
// a battery query can be answered automatically.
class FakeControlDevice : public HidDevice
{
public:
    int write(const quint8* data, std::size_t length) override
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_Record.writes.append(QByteArray(reinterpret_cast<const char*>(data), int(length)));
        m_Record.writeAtRead.append(m_Record.reads);
        if (!m_QueryAnswer.isEmpty())
            m_Queue.push_back(m_QueryAnswer);
        if (m_bFuzz && QRandomGenerator::global()->bounded(4) == 0)
            return -1;
        return int(length);
    }

    int readTimeout(quint8* data, std::size_t length, int) override
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        ++m_Record.reads;
        m_Record.lastReadLength = int(length);
        if (m_bFuzz)
            return fuzzRead(data, length);
        if (m_Queue.empty())
            return 0;
        const QByteArray r = m_Queue.front();
        m_Queue.pop_front();
        const int n = qMin(int(length), r.size());
        std::memcpy(data, r.constData(), std::size_t(n));
        return n;
    }

    int setNonblocking(int) override { return 0; }
    void close() override {}

    void push(const QByteArray& report)
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_Queue.push_back(report);
    }
    void answerQueriesWith(const QByteArray& report)
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_QueryAnswer = report;
    }
    void setFuzz(bool fuzz)
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_bFuzz = fuzz;
    }
    // A consistent copy of what the thread did so far.
    struct Record
    {
        QList<QByteArray> writes;
        QList<int> writeAtRead; // reads done before each write
        int reads = 0;
        int lastReadLength = 0;
    };
    // Detached under the lock: a copy still sharing its lists with the device's would be freed
    // by the test while the thread appends to them.
    Record record() const
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        Record copy = m_Record;
        copy.writes.detach();
        copy.writeAtRead.detach();
        return copy;
    }

private:
    int fuzzRead(quint8* data, std::size_t length)
    {
        QRandomGenerator* rng = QRandomGenerator::global();
        const int kind = rng->bounded(8);
        if (kind == 0)
            return -1;
        if (kind == 1)
            return 0;
        const int n = rng->bounded(int(length) + 1);
        for (int i = 0; i < n; ++i)
            data[i] = quint8(rng->bounded(256));
        if (kind >= 5 && n >= 4) {
            data[1] = 0xAA;
            data[2] = 0xFF;
            data[3] = 0xDD;
        }
        return n;
    }

    mutable std::mutex m_Mutex;
    std::deque<QByteArray> m_Queue;
    QByteArray m_QueryAnswer;
    Record m_Record;
    bool m_bFuzz = false;
};

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

// Collects the debug lines of every thread.
QStringList& debugLines()
{
    static QStringList lines;
    return lines;
}
std::mutex g_LinesMutex;

void collect(QtMsgType, const QMessageLogContext&, const QString& message)
{
    std::lock_guard<std::mutex> lock(g_LinesMutex);
    debugLines().append(message);
}

QStringList takeLines()
{
    std::lock_guard<std::mutex> lock(g_LinesMutex);
    QStringList lines = debugLines();
    debugLines().clear();
    return lines;
}

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

using Args = QList<QVariant>;
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
    std::shared_ptr<FakeControlDevice> m_Device;
    QtMessageHandler m_Previous = nullptr;

private slots:
    void init()
    {
        m_Device = std::make_shared<FakeControlDevice>();
        DeviceLink::instance().setHandle(DeviceLink::ReceiverControl, m_Device);
        takeLines();
        m_Previous = qInstallMessageHandler(collect);
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
        KivoGetBatteryThread thread;
        Relay relay(&thread);
        QSignalSpy battery(&relay, &Relay::RefreshBatteryStatus);
        QSignalSpy status(&relay, &Relay::RefreshStatus);
        thread.start();
        QVERIFY(thread.wait(3000));
        Relay::deliver();
        QCOMPARE(battery.size(), 1);
        QCOMPARE(battery.at(0), args({0, 0, 0}));
        QCOMPARE(status.size(), 0);
        const QStringList lines = takeLines();
        QVERIFY(lines.contains("KivoGetBatteryThread.\n"));
        QVERIFY(!lines.contains("KivoGetBatteryThread Stop.\n"));
    }

    void queryRoundReportsBatteryAndStatus()
    {
        m_Device->answerQueriesWith(statusReport(0x10, 0x0E, 0x35, 0x02));
        KivoGetBatteryThread thread;
        Relay relay(&thread);
        QSignalSpy battery(&relay, &Relay::RefreshBatteryStatus);
        QSignalSpy status(&relay, &Relay::RefreshStatus);
        thread.start();
        QTRY_COMPARE_WITH_TIMEOUT(status.size(), 1, 3000);
        thread.stop();
        QVERIFY(thread.wait(3000));
        Relay::deliver();

        QCOMPARE(battery.size(), 1);
        QCOMPARE(battery.at(0), args({0, 0x10, 0x0E}));
        QCOMPARE(status.at(0), args({0, 5, 2, 0})); // byte 6 0x35: level 5

        // The query goes out as is, 33 bytes, straight to the device.
        const ReportBuilder::Frame query = ReportBuilder::batteryQuery();
        QCOMPARE(m_Device->record().writes.first(),
                 QByteArray(reinterpret_cast<const char*>(query.data()), int(query.size())));
        QCOMPARE(m_Device->record().lastReadLength, 33);
        const QStringList lines = takeLines();
        QVERIFY(lines.contains("hid_read 1 f a aa ff dd 10 e 35 2.\n"));
        QCOMPARE(lines.last(), QString("KivoGetBatteryThread Stop.\n"));
    }

    void listeningRoundUpdatesStatusOnly()
    {
        m_Device->answerQueriesWith(statusReport(0x20, 0x0F, 0x01, 0x01));
        KivoGetBatteryThread thread;
        Relay relay(&thread);
        QSignalSpy battery(&relay, &Relay::RefreshBatteryStatus);
        QSignalSpy status(&relay, &Relay::RefreshStatus);
        thread.start();
        QTRY_COMPARE_WITH_TIMEOUT(battery.size(), 1, 3000);

        // The mouse announces a DPI change on its own, then sends something else.
        QByteArray other = statusReport(0x99, 0x99, 0x07, 0x04);
        other[3] = char(0xDC);
        m_Device->push(statusReport(0x99, 0x99, 0x23, 0x08));
        m_Device->push(other);
        QTRY_COMPARE_WITH_TIMEOUT(status.size(), 2, 3000);
        QTest::qWait(100);
        thread.stop();
        QVERIFY(thread.wait(3000));
        Relay::deliver();

        QCOMPARE(battery.size(), 1);
        QCOMPARE(status.size(), 2);
        QCOMPARE(status.at(1), args({0, 3, 8, 0}));
        QVERIFY(takeLines().contains("hid_read 1 s a aa ff dd 99 99 23 8.\n"));
    }

    void oneQueryEveryFortySixRounds()
    {
        KivoGetBatteryThread thread;
        thread.start();
        QTRY_VERIFY_WITH_TIMEOUT(m_Device->record().writes.size() >= 3, 5000);
        thread.stop();
        QVERIFY(thread.wait(3000));
        // Between two queries: the query's answer read, 45 listening rounds and the next
        // round's first read.
        const QList<int> at = m_Device->record().writeAtRead;
        QCOMPARE(at[0], 1);
        QCOMPARE(at[1] - at[0], 47);
        QCOMPARE(at[2] - at[1], 47);
        QVERIFY(takeLines().contains("Unable to send a feature report.\n") == false);
    }

    void closedHandleEndsThread()
    {
        KivoGetBatteryThread thread;
        Relay relay(&thread);
        QSignalSpy battery(&relay, &Relay::RefreshBatteryStatus);
        thread.start();
        QTRY_VERIFY_WITH_TIMEOUT(m_Device->record().reads > 3, 3000);
        std::weak_ptr<FakeControlDevice> weak = m_Device;
        DeviceLink::instance().closeAll();
        m_Device.reset();
        QVERIFY(thread.wait(3000));
        Relay::deliver();
        QCOMPARE(battery.last(), args({0, 0, 0}));
        QVERIFY(weak.expired()); // the thread let go of its copy
    }

    void randomAnswersNeverCrash()
    {
        m_Device->setFuzz(true);
        KivoGetBatteryThread thread;
        Relay relay(&thread);
        QSignalSpy battery(&relay, &Relay::RefreshBatteryStatus);
        QSignalSpy status(&relay, &Relay::RefreshStatus);
        thread.start();
        QTRY_VERIFY_WITH_TIMEOUT(m_Device->record().reads >= 250, 20000);
        thread.stop();
        QVERIFY(thread.wait(3000));
        Relay::deliver();
        QVERIFY(status.size() > 0);
        for (const Args& a : status) {
            QCOMPARE(a.at(0).value<quint8>(), quint8(0));
            QVERIFY(a.at(1).value<quint8>() <= 15);
            QCOMPARE(a.at(3).value<quint8>(), quint8(0));
        }
        for (const Args& a : battery)
            QCOMPARE(a.at(0).value<quint8>(), quint8(0));
    }

    void pollerKeepsOneThread()
    {
        BatteryPoller poller;
        QCOMPARE(poller.startPolling(), 1);
        KivoGetBatteryThread* first = poller.currentThread();
        QVERIFY(first);
        QCOMPARE(poller.startPolling(), 1);
        QCOMPARE(poller.currentThread(), first);
        QCOMPARE(BatteryPoller::runningThreadCount(), 1);

        QPointer<KivoGetBatteryThread> watched(first);
        poller.stopPolling();
        QVERIFY(!poller.isPolling());
        QVERIFY(first->isStopRequested());
        QVERIFY(BatteryPoller::waitForThreads(3000));
        QCOMPARE(BatteryPoller::runningThreadCount(), 0);
        // The forgotten thread is deleted once it has ended.
        QTRY_VERIFY_WITH_TIMEOUT(watched.isNull(), 3000);

        poller.startPolling();
        QVERIFY(poller.currentThread());
        poller.stopPolling();
        poller.stopPolling(); // nothing kept: nothing to do
    }

    void pollerForwardsSignals()
    {
        DeviceLink::instance().closeAll();
        BatteryPoller poller;
        QSignalSpy battery(&poller, &BatteryPoller::RefreshBatteryStatus);
        poller.startPolling();
        QVERIFY(battery.wait(3000));
        QCOMPARE(battery.at(0), args({0, 0, 0}));
        // The thread ended by itself but is still kept: starting again adds nothing.
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
