#include "device/CommandTransport.h"
#include "device/DeviceLink.h"

#include <QRandomGenerator>
#include <QtTest>

#include <atomic>
#include <cstring>
#include <deque>
#include <mutex>
#include <thread>

namespace {

// A control interface that answers from a script: each read takes the next step; with the script
// used up it echoes the last write.
class ScriptedDevice : public HidDevice
{
public:
    enum class Kind
    {
        Echo,    // the 32 command bytes
        Bytes,   // given bytes, result = their count unless `result` is set
        Timeout, // returns 0, writes nothing
        Fail,    // returns -1
    };
    struct Step
    {
        Kind kind = Kind::Echo;
        QByteArray bytes;
        int result = -100; // -100: natural result
    };

    int write(const quint8* data, std::size_t length) override
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_Writes.append(QByteArray(reinterpret_cast<const char*>(data), int(length)));
        if (!m_WriteResults.empty()) {
            const int r = m_WriteResults.front();
            m_WriteResults.pop_front();
            return r;
        }
        return int(length);
    }
    int readTimeout(quint8* data, std::size_t length, int milliseconds) override
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        ++m_iReads;
        m_iLastTimeout = milliseconds;
        m_iLastReadLength = int(length);
        Step step;
        if (!m_Script.empty()) {
            step = m_Script.front();
            m_Script.pop_front();
        }
        switch (step.kind) {
        case Kind::Echo: {
            const QByteArray last = m_Writes.isEmpty() ? QByteArray() : m_Writes.last().mid(1, 32);
            const int n = qMin(int(length), last.size());
            std::memcpy(data, last.constData(), std::size_t(n));
            return step.result != -100 ? step.result : n;
        }
        case Kind::Bytes: {
            const int n = qMin(int(length), step.bytes.size());
            std::memcpy(data, step.bytes.constData(), std::size_t(n));
            return step.result != -100 ? step.result : n;
        }
        case Kind::Timeout:
            return 0;
        case Kind::Fail:
            return -1;
        }
        return -1;
    }
    int setNonblocking(int) override { return 0; }
    void close() override { m_bClosed = true; }

    void add(Kind kind, int times = 1, const QByteArray& bytes = QByteArray())
    {
        for (int i = 0; i < times; ++i)
            m_Script.push_back(Step{kind, bytes, -100});
    }
    void addStep(const Step& step) { m_Script.push_back(step); }
    void failNextWrite() { m_WriteResults.push_back(-1); }

    QList<QByteArray> writes() const
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        return m_Writes;
    }
    int reads() const
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        return m_iReads;
    }
    int lastTimeout() const { return m_iLastTimeout; }
    int lastReadLength() const { return m_iLastReadLength; }

private:
    mutable std::mutex m_Mutex;
    std::deque<Step> m_Script;
    std::deque<int> m_WriteResults;
    QList<QByteArray> m_Writes;
    int m_iReads = 0;
    int m_iLastTimeout = 0;
    int m_iLastReadLength = 0;
    std::atomic<bool> m_bClosed{false};
};

QList<unsigned long> g_Sleeps;
std::mutex g_SleepMutex;
void recordSleep(unsigned long ms)
{
    std::lock_guard<std::mutex> lock(g_SleepMutex);
    g_Sleeps.append(ms);
}
void noSleep(unsigned long) {}

QStringList g_Lines;
void captureMessage(QtMsgType, const QMessageLogContext&, const QString& text)
{
    g_Lines << text;
}
void dropMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

// A checksummed configuration report whose code (byte 4) awaits an echo.
QByteArray command(quint8 code = 0x02)
{
    QByteArray c(33, '\0');
    c[1] = char(0x01);
    c[2] = char(0x11);
    c[3] = char(0x22);
    c[4] = char(code);
    for (int i = 5; i < 32; ++i)
        c[i] = char(i * 3);
    quint8 sum = 0;
    for (int i = 1; i < 32; ++i)
        sum = quint8(sum + quint8(c[i]));
    c[32] = char(~sum);
    return c;
}

quint8 send(const QByteArray& c)
{
    return CommandTransport::sendCommand(reinterpret_cast<const quint8*>(c.constData()), c.size());
}

QByteArray echoOf(const QByteArray& c)
{
    return c.mid(1, 32);
}

QString hexLine(const char* prefix, int length, const QByteArray& bytes33)
{
    QStringList fields;
    for (int i = 0; i < 33; ++i)
        fields << QString::asprintf("%02x", quint8(i < bytes33.size() ? bytes33[i] : 0));
    return QString::asprintf("%slength=%d data=", prefix, length) + fields.join(' ');
}

} // namespace

class TestCommandTransport : public QObject
{
    Q_OBJECT

private:
    std::shared_ptr<ScriptedDevice> m_Device;

    void useReceiverOnly()
    {
        DeviceLink::instance().closeAll();
        m_Device = std::make_shared<ScriptedDevice>();
        DeviceLink::instance().setHandle(DeviceLink::ReceiverControl, m_Device);
    }

private slots:
    void init()
    {
        g_Sleeps.clear();
        CommandTransport::setSleepFunction(recordSleep);
        useReceiverOnly();
    }
    void cleanup()
    {
        qInstallMessageHandler(nullptr);
        CommandTransport::setSleepFunction(nullptr);
        DeviceLink::instance().closeAll();
        m_Device.reset();
    }

    void noDeviceReturnsOne()
    {
        DeviceLink::instance().closeAll();
        g_Lines.clear();
        qInstallMessageHandler(captureMessage);
        const quint8 result = send(command());
        qInstallMessageHandler(nullptr);
        QCOMPARE(result, quint8(1));
        QCOMPARE(g_Lines,
                 QStringList({"start--------------------------------------",
                              "no device--------------------------------------", " ", " "}));
        QCOMPARE(m_Device->writes().size(), 0);
    }

    void cableIsPreferredOverReceiver()
    {
        auto cable = std::make_shared<ScriptedDevice>();
        DeviceLink::instance().setHandle(DeviceLink::CableControl, cable);
        QCOMPARE(send(command()), quint8(0));
        QCOMPARE(cable->writes().size(), 1);
        QCOMPARE(m_Device->writes().size(), 0);

        DeviceLink::instance().setHandle(DeviceLink::CableControl, nullptr);
        QCOMPARE(send(command()), quint8(0));
        QCOMPARE(m_Device->writes().size(), 1);
    }

    void echoSucceedsWithOneWriteAndRead()
    {
        const QByteArray c = command();
        QCOMPARE(send(c), quint8(0));
        QCOMPARE(m_Device->writes(), QList<QByteArray>({c}));
        QCOMPARE(m_Device->reads(), 1);
        QCOMPARE(m_Device->lastTimeout(), 150);
        QCOMPARE(m_Device->lastReadLength(), 33);
        QCOMPARE(g_Sleeps, QList<unsigned long>({10}));
    }

    void codesThatAwaitAnAnswer_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("reads");
        for (int code = 0; code <= 0x0A; ++code)
            QTest::addRow("0x%02x", code) << code << true;
        QTest::newRow("0x40") << 0x40 << true;
        QTest::newRow("0x46") << 0x46 << true;
        QTest::newRow("0x0b") << 0x0B << false;
        QTest::newRow("0x41") << 0x41 << false;
        QTest::newRow("0x44") << 0x44 << false;
        QTest::newRow("0xff") << 0xFF << false;
    }
    void codesThatAwaitAnAnswer()
    {
        QFETCH(int, code);
        QFETCH(bool, reads);
        // A silent device: no echo is ever needed for the codes that are not read.
        m_Device->add(ScriptedDevice::Kind::Echo);
        QCOMPARE(send(command(quint8(code))), quint8(0));
        QCOMPARE(m_Device->writes().size(), 1);
        QCOMPARE(m_Device->reads(), reads ? 1 : 0);
        QCOMPARE(g_Sleeps, QList<unsigned long>({10}));
    }

    void negativeWriteReturnsFourAtOnce()
    {
        m_Device->failNextWrite();
        g_Lines.clear();
        qInstallMessageHandler(captureMessage);
        QCOMPARE(send(command()), quint8(4));
        qInstallMessageHandler(nullptr);
        QCOMPARE(m_Device->writes().size(), 1);
        QCOMPARE(m_Device->reads(), 0);
        QVERIFY(g_Sleeps.isEmpty());
        QCOMPARE(g_Lines.mid(2),
                 QStringList({"Unable to send a feature report.\n",
                              "hid_write fail--------------------------------------", " ", " "}));
    }

    void sixZeroAnswersSucceedAfterSixWrites()
    {
        m_Device->add(ScriptedDevice::Kind::Bytes, 6, QByteArray(32, '\0'));
        m_Device->add(ScriptedDevice::Kind::Fail, 100); // must never be reached
        QCOMPARE(send(command()), quint8(0));
        QCOMPARE(m_Device->writes().size(), 6);
        QCOMPARE(m_Device->reads(), 6);
    }

    void timeoutsOnASilentDeviceCountAsZeroAnswers()
    {
        m_Device->add(ScriptedDevice::Kind::Timeout, 6);
        QCOMPARE(send(command()), quint8(0));
        QCOMPARE(m_Device->writes().size(), 6);
        QCOMPARE(g_Sleeps, QList<unsigned long>({10, 10, 10, 10, 10, 10}));
    }

    void fiveZeroAnswersThenEcho()
    {
        m_Device->add(ScriptedDevice::Kind::Bytes, 5, QByteArray(32, '\0'));
        QCOMPARE(send(command()), quint8(0));
        QCOMPARE(m_Device->writes().size(), 6);
        QCOMPARE(m_Device->reads(), 6);
    }

    void zeroHeadWithLaterBytesIsAZeroAnswer()
    {
        const QByteArray c = command();
        QByteArray answer = echoOf(c);
        for (int i = 0; i < 8; ++i)
            answer[i] = 0;
        m_Device->add(ScriptedDevice::Kind::Bytes, 6, answer);
        QCOMPARE(send(c), quint8(0));
        QCOMPARE(m_Device->writes().size(), 6);

        // Only the first eight bytes decide: one non-zero among them makes it an answer.
        useReceiverOnly();
        answer[7] = 1;
        m_Device->add(ScriptedDevice::Kind::Bytes, 1, answer);
        QCOMPARE(send(c), quint8(0));
        QCOMPARE(m_Device->writes().size(), 1);
        QCOMPARE(m_Device->reads(), 2); // a mismatch, then the echo
    }

    void differenceInByte32IsACheckFailure()
    {
        const QByteArray c = command();
        QByteArray answer = echoOf(c);
        answer[31] = char(answer[31] ^ 0x01);
        m_Device->add(ScriptedDevice::Kind::Bytes, 1, answer);
        g_Lines.clear();
        qInstallMessageHandler(captureMessage);
        QCOMPARE(send(c), quint8(0));
        qInstallMessageHandler(nullptr);
        QCOMPARE(m_Device->writes().size(), 1);
        QCOMPARE(m_Device->reads(), 2);
        QCOMPARE(g_Sleeps, QList<unsigned long>({10, 50}));
        QVERIFY(g_Lines.contains("command check fail, re read 0"));
    }

    void nineteenRereadsBeforeARewrite()
    {
        const QByteArray c = command();
        QByteArray wrong = echoOf(c);
        wrong[10] = char(wrong[10] + 1);
        m_Device->add(ScriptedDevice::Kind::Bytes, 19, wrong);
        QCOMPARE(send(c), quint8(0));
        QCOMPARE(m_Device->writes().size(), 1);
        QCOMPARE(m_Device->reads(), 20);

        useReceiverOnly();
        g_Sleeps.clear();
        m_Device->add(ScriptedDevice::Kind::Bytes, 20, wrong);
        g_Lines.clear();
        qInstallMessageHandler(captureMessage);
        QCOMPARE(send(c), quint8(0));
        qInstallMessageHandler(nullptr);
        QCOMPARE(m_Device->writes().size(), 2);
        QCOMPARE(m_Device->reads(), 21);
        QCOMPARE(g_Lines.count("command check fail, re read 0"), 19);
        QCOMPARE(g_Lines.count("command check fail, re write 1"), 1);
        // 10 after each write, 50 before each of the 19 re-reads, none before the rewrite.
        QCOMPARE(g_Sleeps.count(10), 2);
        QCOMPARE(g_Sleeps.count(50), 19);
    }

    void persistentMismatchGivesTwoAfterTwoRewrites()
    {
        const QByteArray c = command();
        QByteArray wrong = echoOf(c);
        wrong[31] = char(wrong[31] + 1);
        m_Device->add(ScriptedDevice::Kind::Bytes, 1000, wrong);
        g_Lines.clear();
        qInstallMessageHandler(captureMessage);
        QCOMPARE(send(c), quint8(2));
        qInstallMessageHandler(nullptr);
        // The check-failure count is not reset by a rewrite: after the first, each further
        // mismatch rewrites at once.
        QCOMPARE(m_Device->writes().size(), 3);
        QCOMPARE(m_Device->reads(), 22);
        QCOMPARE(g_Lines.count("command check fail, re write 1"), 1);
        QCOMPARE(g_Lines.count("command check fail, re write 2"), 1);
        QCOMPARE(
            g_Lines.mid(g_Lines.size() - 3),
            QStringList({"multi command check fail, go back--------------------------------------",
                         " ", " "}));
    }

    void thirtyReadFailuresBeforeARewrite()
    {
        m_Device->add(ScriptedDevice::Kind::Fail, 29);
        QCOMPARE(send(command()), quint8(0));
        QCOMPARE(m_Device->writes().size(), 1);
        QCOMPARE(m_Device->reads(), 30);
        QCOMPARE(g_Sleeps.count(50), 29);

        useReceiverOnly();
        m_Device->add(ScriptedDevice::Kind::Fail, 30);
        g_Lines.clear();
        qInstallMessageHandler(captureMessage);
        QCOMPARE(send(command()), quint8(0));
        qInstallMessageHandler(nullptr);
        QCOMPARE(m_Device->writes().size(), 2);
        QCOMPARE(m_Device->reads(), 31);
        QVERIFY(g_Lines.contains("hid_read start read fail 0"));
        QVERIFY(g_Lines.contains("hid_read start read fail 29"));
        QCOMPARE(g_Lines.count("re read"), 29);
        QCOMPARE(g_Lines.count("write fail 0"), 1);
        QCOMPARE(g_Lines.count("re write"), 1);
    }

    void persistentReadFailureGivesTwo()
    {
        m_Device->add(ScriptedDevice::Kind::Fail, 1000);
        g_Lines.clear();
        qInstallMessageHandler(captureMessage);
        QCOMPARE(send(command()), quint8(2));
        qInstallMessageHandler(nullptr);
        QCOMPARE(m_Device->writes().size(), 3);
        QCOMPARE(m_Device->reads(), 32);
        QCOMPARE(g_Lines.count("write fail 2"), 1);
        QCOMPARE(
            g_Lines.mid(g_Lines.size() - 3),
            QStringList({"multi rewrite fail--------------------------------------", " ", " "}));
    }

    void zeroAnswersAfterAMismatchCountAsFailure()
    {
        const QByteArray c = command();
        QByteArray wrong = echoOf(c);
        wrong[20] = char(wrong[20] + 1);
        m_Device->add(ScriptedDevice::Kind::Bytes, 1, wrong);
        m_Device->add(ScriptedDevice::Kind::Bytes, 6, QByteArray(32, '\0'));
        g_Lines.clear();
        qInstallMessageHandler(captureMessage);
        QCOMPARE(send(c), quint8(0));
        qInstallMessageHandler(nullptr);
        // Mismatch, five zero answers with a write each, the sixth is a check failure and the
        // re-read then finds the echo.
        QCOMPARE(m_Device->writes().size(), 6);
        QCOMPARE(m_Device->reads(), 8);
        QCOMPARE(g_Lines.count("all 0, jump re write "), 5);
        QCOMPARE(g_Lines.count("multi all 0, go back--------------------------------------"), 1);
        QCOMPARE(g_Lines.count("command check fail, re read 0"), 2);
    }

    void timeoutKeepsThePreviousAnswer()
    {
        const QByteArray c = command();
        QByteArray wrong = echoOf(c);
        wrong[5] = char(wrong[5] + 1);
        m_Device->add(ScriptedDevice::Kind::Bytes, 1, wrong);
        m_Device->add(ScriptedDevice::Kind::Timeout, 1);
        QCOMPARE(send(c), quint8(0));
        QCOMPARE(m_Device->reads(), 3);
        QCOMPARE(m_Device->writes().size(), 1);
        QCOMPARE(g_Sleeps, QList<unsigned long>({10, 50, 50}));
    }

    void debugLinesOfOneExchange()
    {
        const QByteArray c = command();
        m_Device->add(ScriptedDevice::Kind::Bytes, 1, QByteArray(32, '\0'));
        g_Lines.clear();
        qInstallMessageHandler(captureMessage);
        QCOMPARE(send(c), quint8(0));
        qInstallMessageHandler(nullptr);
        QByteArray read33 = echoOf(c) + QByteArray(1, '\0');
        const QStringList expected = {
            "start--------------------------------------",
            hexLine("hid_write ", 33, c.mid(1) + QByteArray(1, '\0')),
            "hid_read start",
            hexLine("hid_read ", 32, QByteArray(33, '\0')),
            "all 0, jump re write ",
            hexLine("hid_write ", 33, c.mid(1) + QByteArray(1, '\0')),
            "hid_read start",
            hexLine("hid_read ", 32, read33),
            "send success--------------------------------------",
            " ",
            " ",
        };
        QCOMPARE(g_Lines, expected);
        QVERIFY(g_Lines[1].startsWith("hid_write length=33 data=01 11 22 02 "));
    }

    void shortOrOddCommandsAreSafe()
    {
        // A short command is padded with zeros; the frame on the wire is always 33 bytes.
        const quint8 shortCommand[5] = {0x00, 0x05, 0x00, 0xFA, 0x44};
        QCOMPARE(CommandTransport::sendCommand(shortCommand, 5), quint8(0));
        QCOMPARE(m_Device->writes().size(), 1);
        QCOMPARE(m_Device->writes().first().size(), 33);
        QCOMPARE(m_Device->writes().first().mid(5), QByteArray(28, '\0'));

        QByteArray longCommand(200, char(0x44));
        longCommand[4] = char(0x44);
        QCOMPARE(send(longCommand), quint8(0));
        QCOMPARE(CommandTransport::sendCommand(nullptr, 33), quint8(0)); // code 0: zero answers
    }

    void randomAnswersNeverCrash()
    {
        CommandTransport::setSleepFunction(noSleep);
        qInstallMessageHandler(dropMessage);
        QRandomGenerator random(20240611);
        int results[5] = {};
        for (int round = 0; round < 300; ++round) {
            useReceiverOnly();
            const QByteArray c = command(quint8(random.bounded(0, 12)));
            const int steps = random.bounded(1, 80);
            for (int s = 0; s < steps; ++s) {
                ScriptedDevice::Step step;
                const int pick = random.bounded(0, 6);
                if (pick == 0) {
                    step.kind = ScriptedDevice::Kind::Fail;
                } else if (pick == 1) {
                    step.kind = ScriptedDevice::Kind::Timeout;
                } else if (pick == 2) {
                    step.kind = ScriptedDevice::Kind::Echo;
                    step.result = random.bounded(-3, 70);
                } else {
                    step.kind = ScriptedDevice::Kind::Bytes;
                    QByteArray bytes(random.bounded(0, 33), '\0');
                    for (char& b : bytes)
                        b = char(random.bounded(0, 3) == 0 ? 0 : random.bounded(0, 256));
                    step.bytes = bytes;
                    step.result = random.bounded(0, 2) ? -100 : random.bounded(-5, 1000);
                }
                m_Device->addStep(step);
            }
            if (random.bounded(0, 20) == 0)
                m_Device->failNextWrite();
            const quint8 result = send(c);
            QVERIFY2(result == 0 || result == 2 || result == 4,
                     qPrintable(QString::number(result)));
            ++results[result];
            // Budgets bound the traffic whatever the answers: 3 failure writes, each followed
            // by at most 5 zero-answer writes per check failure.
            QVERIFY(m_Device->writes().size() <= 3 + 5 * 23);
            QVERIFY(m_Device->reads() <= 500);
        }
        QVERIFY(results[0] > 0);
        QVERIFY(results[2] > 0);
    }

    void closingFromAnotherThreadWhileSending()
    {
        CommandTransport::setSleepFunction(noSleep);
        qInstallMessageHandler(dropMessage);
        std::atomic<bool> stop{false};
        std::atomic<int> sends{0};
        std::atomic<int> bad{0};
        std::thread sender([&] {
            const QByteArray c = command();
            while (!stop.load()) {
                const quint8 r = send(c);
                if (r != 0 && r != 1 && r != 2 && r != 4)
                    ++bad;
                ++sends;
            }
        });
        for (int i = 0; i < 2000; ++i) {
            DeviceLink::instance().closeAll();
            auto device = std::make_shared<ScriptedDevice>();
            DeviceLink::instance().setHandle(DeviceLink::ReceiverControl, device);
            if (i % 3 == 0)
                DeviceLink::instance().setHandle(DeviceLink::CableControl,
                                                 std::make_shared<ScriptedDevice>());
        }
        // Let the sender see the last devices before stopping it.
        const int before = sends.load();
        QDeadlineTimer guard(30000);
        while (sends.load() < before + 5 && !guard.hasExpired())
            std::this_thread::yield();
        QVERIFY(sends.load() >= before + 5);
        stop = true;
        sender.join();
        QCOMPARE(bad.load(), 0);
        QVERIFY(sends.load() > 0);
    }
};

QTEST_GUILESS_MAIN(TestCommandTransport)
#include "tst_commandtransport.moc"
