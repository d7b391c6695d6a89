#include "VirtualHidBackend.h"
#include "VirtualMouse.h"

#include <QSignalSpy>
#include <QtTest>

#include <atomic>
#include <memory>
#include <thread>

namespace {

using Link = VirtualMouse::Link;
using Interface = VirtualMouse::Interface;

// A checksummed report: type in byte 1, bytes from byte 2 on, checksum in byte 32.
QByteArray report(quint8 type, const QByteArray& bytes = QByteArray())
{
    QByteArray r(33, '\0');
    r[1] = char(type);
    r.replace(2, bytes.size(), bytes);
    r[32] = char(VirtualMouse::checksum(reinterpret_cast<const quint8*>(r.constData())));
    return r;
}

QByteArray shortForm(quint8 command, const QByteArray& parameters)
{
    QByteArray r(33, '\0');
    r[1] = 0x05;
    r[3] = char(0xFA);
    r[4] = char(command);
    r.replace(5, parameters.size(), parameters);
    return r;
}

const QByteArray kBegin = report(0x00, QByteArray::fromHex("aa55"));
const QByteArray kEnd = report(0x00, QByteArray::fromHex("cc33"));
const QByteArray kBattery = report(0x0A, QByteArray::fromHex("aaffdd"));

} // namespace

class TestVirtualMouse : public QObject
{
    Q_OBJECT

private:
    std::shared_ptr<VirtualMouse> m_Mouse;
    std::shared_ptr<VirtualHidBackend> m_Backend;
    std::shared_ptr<HidDevice> m_Control;

    std::shared_ptr<HidDevice> open(Link link, Interface iface, HidOpenError* error = nullptr)
    {
        return m_Backend->openPath(VirtualHidBackend::pathOf(0, link, iface), error);
    }

    int send(const QByteArray& r, HidDevice* device = nullptr)
    {
        HidDevice* d = device ? device : m_Control.get();
        return d->write(reinterpret_cast<const quint8*>(r.constData()), r.size());
    }

    // The next input report, or an empty array when none came within the time-out; the read
    // result itself in *result.
    QByteArray receive(int milliseconds = 0, HidDevice* device = nullptr, int* result = nullptr)
    {
        HidDevice* d = device ? device : m_Control.get();
        quint8 buffer[64] = {};
        const int n = d->readTimeout(buffer, 33, milliseconds);
        if (result)
            *result = n;
        return n > 0 ? QByteArray(reinterpret_cast<const char*>(buffer), n) : QByteArray();
    }

    int readResult(HidDevice* device = nullptr, int milliseconds = 0)
    {
        int result = 0;
        receive(milliseconds, device, &result);
        return result;
    }

    // Sends r and returns the answer it got, empty when none.
    QByteArray exchange(const QByteArray& r)
    {
        if (send(r) != r.size())
            return QByteArray("write failed");
        return receive(0);
    }

    void writeSession(const QList<QByteArray>& reports)
    {
        QCOMPARE(exchange(kBegin), kBegin.mid(1));
        for (const QByteArray& r : reports) {
            QCOMPARE(send(r), 33);
            receive(0);
        }
        QCOMPARE(exchange(kEnd), kEnd.mid(1));
    }

private slots:
    void init()
    {
        m_Mouse = std::make_shared<VirtualMouse>(QStringLiteral("HORNBEAM"), true, false);
        m_Backend = std::make_shared<VirtualHidBackend>(m_Mouse);
        m_Control = open(Link::Receiver, Interface::Control);
        QVERIFY(m_Control);
    }

    void cleanup()
    {
        m_Control.reset();
        m_Backend.reset();
        m_Mouse.reset();
    }

    void echoOnlyWhereTheTransportReads()
    {
        // Byte 4 (payload byte 3) decides; the edges of each echoed range.
        const QList<int> echoedCodes = {0x00, 0x0A, 0x40, 0x46};
        for (int code : echoedCodes + QList<int>{0x0B, 0x3F, 0x41, 0xDD}) {
            const bool echoed = echoedCodes.contains(code);
            const QByteArray r =
                report(0x02, QByteArray::fromHex("0611") + char(code) + "\x01\x02");
            QCOMPARE(send(r), 33);
            QCOMPARE(receive(0), echoed ? r.mid(1) : QByteArray());
            QVERIFY(receive(0).isEmpty()); // nothing left behind for the next exchange
        }
    }

    void badChecksumIsRefusedWithANonEcho()
    {
        QSignalSpy applied(m_Mouse.get(), &VirtualMouse::configurationApplied);
        QCOMPARE(exchange(kBegin), kBegin.mid(1));
        QByteArray bad = report(0x01, QByteArray::fromHex("03020405"));
        const char good = bad[32];
        bad[32] = char(good ^ 0x5A);
        const QByteArray answer = exchange(bad);
        QCOMPARE(answer.size(), 32);
        QCOMPARE(answer.left(31), bad.mid(1, 31));
        QCOMPARE(answer.at(31), good);                  // what the mouse computed
        QVERIFY(answer.left(8) != QByteArray(8, '\0')); // not mistaken for a silent mouse

        // Refused where no echo is awaited too, but silently.
        QByteArray quiet = report(0x04, QByteArray::fromHex("112233"));
        quiet[32] = char(quiet.at(32) + 1);
        QVERIFY(exchange(quiet).isEmpty());

        QCOMPARE(exchange(kEnd), kEnd.mid(1));
        QCOMPARE(applied.count(), 1);
        const VirtualMouseConfig held = m_Mouse->heldConfiguration();
        QVERIFY(!held.reports.contains(0x01));
        QVERIFY(!held.reports.contains(0x04));
        QCOMPARE(m_Mouse->rejectedReports(), 2);
    }

    void batteryAnswerAndRateStatus()
    {
        QSignalSpy statuses(m_Mouse.get(), &VirtualMouse::statusSent);
        m_Mouse->setReportRate(2);
        QCOMPARE(receive(0).left(8), QByteArray::fromHex("0aaaffdd64000002"));
        m_Mouse->setReportRate(2); // no change, nothing sent
        QVERIFY(receive(0).isEmpty());
        QCOMPARE(statuses.count(), 1);

        m_Mouse->setBattery(57, true);
        writeSession({report(0x01, QByteArray::fromHex("0304"))});
        m_Mouse->setReportRate(4);
        receive(0); // the status report of the rate switch, if any
        const QByteArray answer = exchange(kBattery);
        QCOMPARE(answer.left(8), QByteArray::fromHex("0aaaffdd39010304"));
        QCOMPARE(answer.mid(8), QByteArray(24, '\0'));
        m_Mouse->setBattery(12, false);
        QCOMPARE(exchange(kBattery).left(8), QByteArray::fromHex("0aaaffdd0c000304"));
    }

    void statusReportOnDpiPressWrapsOverUsedLevels()
    {
        // Nothing written yet: the button cycles through all eight levels.
        for (int expected : {1, 2, 3, 4, 5, 6, 7, 0}) {
            m_Mouse->pressDpiButton();
            const QByteArray status = receive(0);
            QCOMPARE(status.left(4), QByteArray::fromHex("0aaaffdd"));
            QCOMPARE(int(status.at(6)) & 0x0F, expected);
        }

        // Levels 0, 1 and 3 written as used, 2 and 4..7 as zero.
        QByteArray dpi(30, '\0');
        dpi.replace(0, 5, QByteArray::fromHex("0010001000"));
        dpi.replace(5, 5, QByteArray::fromHex("0020002000"));
        dpi.replace(15, 5, QByteArray::fromHex("0130003000"));
        writeSession({report(0x05, dpi), report(0x06)});
        QCOMPARE(m_Mouse->heldConfiguration().usedDpiLevels(), (QList<int>{0, 1, 3}));
        for (int expected : {1, 3, 0, 1}) {
            m_Mouse->pressDpiButton();
            QCOMPARE(int(receive(0).at(6)) & 0x0F, expected);
            QCOMPARE(int(m_Mouse->heldConfiguration().dpiLevel), expected);
        }
        QVERIFY(receive(0).isEmpty());
    }

    // What a session holds is decoded in the write-sequence tests; here only when it counts.
    void configurationAppliesAtTheEndMarkerOnly()
    {
        const QByteArray general = report(0x01, QByteArray::fromHex("020402030a"));
        // Outside a session nothing is kept.
        QCOMPARE(exchange(general), general.mid(1));
        QVERIFY(!m_Mouse->heldConfiguration().hasGeneral());

        QCOMPARE(exchange(kBegin), kBegin.mid(1));
        QCOMPARE(exchange(general), general.mid(1));
        QVERIFY(!m_Mouse->heldConfiguration().hasGeneral());
        QCOMPARE(exchange(kEnd), kEnd.mid(1));
        QVERIFY(!m_Mouse->isSessionOpen());
        QCOMPARE(int(m_Mouse->heldConfiguration().dpiLevel), 2);

        // A session that never ends changes nothing; a new begin marker drops its reports.
        QCOMPARE(exchange(kBegin), kBegin.mid(1));
        QCOMPARE(exchange(report(0x01, QByteArray::fromHex("0708"))).size(), 32);
        QCOMPARE(exchange(kBegin), kBegin.mid(1));
        QCOMPARE(exchange(kEnd), kEnd.mid(1));
        const VirtualMouseConfig held = m_Mouse->heldConfiguration();
        QCOMPARE(int(held.dpiLevel), 2);
        QCOMPARE(held.appliedSessions, 2);
        // The profile rides in the high nibble of the status byte; the low nibble is the level.
        QVERIFY(exchange(shortForm(0x44, QByteArray(1, char(3)))).isEmpty());
        m_Mouse->pressDpiButton();
        QCOMPARE(int(quint8(receive(0).at(6))), 0x33);
    }

    void unplugMakesOpenHandlesFail()
    {
        QSignalSpy plugs(m_Mouse.get(), &VirtualMouse::plugChanged);
        m_Mouse->pressDpiButton(); // a report waiting in the queue is lost with the link
        m_Mouse->unplug(Link::Receiver);
        QCOMPARE(plugs.count(), 1);
        QCOMPARE(send(kBegin), -1);
        QCOMPARE(readResult(), -1);
        QCOMPARE(int(m_Backend->enumerate(0, 0).size()), 0);
        HidOpenError error = HidOpenError::None;
        QVERIFY(!open(Link::Receiver, Interface::Control, &error));
        QCOMPARE(error, HidOpenError::Absent);

        // The old handle stays dead after a re-plug; a new one works.
        m_Mouse->plug(Link::Receiver);
        QCOMPARE(send(kBegin), -1);
        auto fresh = open(Link::Receiver, Interface::Control);
        QVERIFY(fresh);
        QCOMPARE(send(kBegin, fresh.get()), 33);
        QCOMPARE(receive(0, fresh.get()), kBegin.mid(1));
    }

    void aWaitingReaderIsWokenByAReportAndByUnplug()
    {
        std::atomic<int> first{0};
        std::atomic<int> second{1};
        QByteArray got;
        std::thread reader([&] {
            const QByteArray status = receive(30000);
            got = status;
            first = status.size();
            second = readResult(nullptr, 30000);
        });
        QThread::msleep(50);
        m_Mouse->pressDpiButton();
        QTRY_COMPARE(first.load(), 32);
        QThread::msleep(50);
        m_Mouse->unplug(Link::Receiver);
        reader.join();
        QCOMPARE(got.left(4), QByteArray::fromHex("0aaaffdd"));
        QCOMPARE(second.load(), -1);
    }

    void failedWritesAndReadsCountExactly()
    {
        QSignalSpy received(m_Mouse.get(), &VirtualMouse::reportReceived);
        m_Mouse->failWrites(2);
        QCOMPARE(send(kBegin), -1);
        QCOMPARE(send(kBegin), -1);
        QVERIFY(receive(0).isEmpty()); // a failed write reaches nobody
        QCOMPARE(received.count(), 0);
        QCOMPARE(send(kBegin), 33);
        QCOMPARE(received.count(), 1);

        m_Mouse->failReads(2);
        QCOMPARE(readResult(), -1);
        QCOMPARE(readResult(nullptr, 1000), -1);
        // The answer was kept for the read that works.
        QCOMPARE(receive(0), kBegin.mid(1));
    }

    void concurrentWriterAndPollerKeepTheirAnswers()
    {
        // The poller and the writer share the link but hold their own handles. Every press
        // queues a status report to both; the presser never lets more than half the queue
        // limit of them wait unread for the writer, so no echo can be pushed out of its queue
        // however the scheduler runs the two threads (a real link drops the oldest report too).
        auto poller = open(Link::Receiver, Interface::Control);
        std::atomic<int> statuses{0};
        std::atomic<int> writerStatuses{0};
        std::atomic<bool> writerDone{false};
        std::thread presser([&] {
            for (int i = 0; i < 300; ++i) {
                while (!writerDone && i - writerStatuses >= VirtualMouse::kQueueLimit / 2)
                    std::this_thread::yield();
                m_Mouse->pressDpiButton();
                quint8 buffer[33];
                while (poller->readTimeout(buffer, 33, 0) > 0) {
                    if (buffer[1] == 0xAA && buffer[2] == 0xFF && buffer[3] == 0xDD)
                        ++statuses;
                }
            }
        });
        int echoes = 0;
        for (; echoes < 300; ++echoes) {
            const QByteArray r = report(0x00, QByteArray(1, char(echoes)));
            if (send(r) != 33)
                break;
            // Whatever came before the echo is a status report; the wait only bounds a failure.
            const QDeadlineTimer deadline(30000);
            QByteArray answer;
            while (answer != r.mid(1) && !deadline.hasExpired()) {
                answer = receive(100);
                if (answer.startsWith(QByteArray::fromHex("0aaaffdd")))
                    ++writerStatuses;
            }
            if (answer != r.mid(1))
                break;
        }
        writerDone = true;
        presser.join();
        QCOMPARE(echoes, 300);
        // Every echo reached the writer through the stream of status reports, and the poller
        // saw status reports (echoes reach it too, as on a shared link).
        QVERIFY(statuses > 0);
    }
};

QTEST_GUILESS_MAIN(TestVirtualMouse)
#include "tst_virtualmouse.moc"
