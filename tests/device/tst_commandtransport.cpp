#include "device/CommandTransport.h"
#include "device/DeviceLink.h"

#include <QRandomGenerator>
#include <QtTest>

#include <atomic>
#include <cstring>
#include <deque>
#include <thread>

namespace {

// A control interface that answers from a script: each read takes the next step; with the script
// used up it echoes the last write. Only one thread sends at a time, so it needs no lock.
struct ScriptedDevice : public HidDevice
{
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
    std::deque<Step> script;
    std::deque<int> writeResults;
    QList<QByteArray> writes;
    int reads = 0;
    int lastTimeout = 0;
    int lastReadLength = 0;

    int write(const quint8* data, std::size_t length) override
    {
        writes.append(QByteArray(reinterpret_cast<const char*>(data), int(length)));
        if (writeResults.empty())
            return int(length);
        const int r = writeResults.front();
        writeResults.pop_front();
        return r;
    }
    int readTimeout(quint8* data, std::size_t length, int milliseconds) override
    {
        ++reads;
        lastTimeout = milliseconds;
        lastReadLength = int(length);
        Step step;
        if (!script.empty()) {
            step = script.front();
            script.pop_front();
        }
        if (step.kind == Kind::Timeout)
            return 0;
        if (step.kind == Kind::Fail)
            return -1;
        const QByteArray bytes = step.kind == Kind::Bytes ? step.bytes
                                 : writes.isEmpty()       ? QByteArray()
                                                          : writes.last().mid(1, 32);
        const int n = qMin(int(length), bytes.size());
        std::memcpy(data, bytes.constData(), std::size_t(n));
        return step.result != -100 ? step.result : n;
    }
    int setNonblocking(int) override { return 0; }
    void close() override {}
    void add(Kind kind, const QByteArray& bytes = QByteArray()) { script.push_back({kind, bytes}); }
};

QList<unsigned long> g_Sleeps;
void recordSleep(unsigned long ms)
{
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

// "a b*3" -> {a, b, b, b}: the scripts and sleep sequences of the budget table.
QStringList expand(const QString& compact)
{
    QStringList out;
    for (const QString& token : compact.split(' ', Qt::SkipEmptyParts)) {
        const QStringList parts = token.split('*');
        for (int i = 0; i < (parts.size() > 1 ? parts[1].toInt() : 1); ++i)
            out << parts[0];
    }
    return out;
}

QString hexLine(const char* prefix, int length, const QByteArray& bytes33)
{
    QStringList fields;
    for (int i = 0; i < 33; ++i)
        fields << QString::asprintf("%02x", quint8(i < bytes33.size() ? bytes33[i] : 0));
    return QString::asprintf("%slength=%d data=", prefix, length) + fields.join(' ');
}

const QString kSuccess = "send success--------------------------------------";

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
    quint8 sendCapturing(const QByteArray& c)
    {
        g_Lines.clear();
        qInstallMessageHandler(captureMessage);
        const quint8 result = send(c);
        qInstallMessageHandler(nullptr);
        return result;
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
        QCOMPARE(sendCapturing(command()), quint8(1));
        QCOMPARE(g_Lines,
                 QStringList({"start--------------------------------------",
                              "no device--------------------------------------", " ", " "}));
        QCOMPARE(m_Device->writes.size(), 0);
    }

    void cableIsPreferredOverReceiver()
    {
        auto cable = std::make_shared<ScriptedDevice>();
        DeviceLink::instance().setHandle(DeviceLink::CableControl, cable);
        QCOMPARE(send(command()), quint8(0));
        QCOMPARE(cable->writes.size(), 1);
        QCOMPARE(m_Device->writes.size(), 0);

        DeviceLink::instance().setHandle(DeviceLink::CableControl, nullptr);
        QCOMPARE(send(command()), quint8(0));
        QCOMPARE(m_Device->writes.size(), 1);
    }

    void codesThatAwaitAnAnswer_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("reads");
        for (int code : {0x00, 0x05, 0x0A, 0x40, 0x46})
            QTest::addRow("0x%02x", code) << code << true;
        for (int code : {0x0B, 0x3F, 0x41, 0x44, 0x45, 0x47, 0xFF})
            QTest::addRow("0x%02x", code) << code << false;
    }
    void codesThatAwaitAnAnswer()
    {
        QFETCH(int, code);
        QFETCH(bool, reads);
        const QByteArray c = command(quint8(code));
        QCOMPARE(send(c), quint8(0));
        QCOMPARE(m_Device->writes, QList<QByteArray>({c}));
        QCOMPARE(m_Device->reads, reads ? 1 : 0);
        if (reads) {
            QCOMPARE(m_Device->lastTimeout, 150);
            QCOMPARE(m_Device->lastReadLength, 33);
        }
        QCOMPARE(g_Sleeps, QList<unsigned long>({10}));
    }

    // Script letters, one read each (then echoes): z all-zero answer, w echo with byte 32 changed,
    // h echo with its first eight bytes zero, H the same with byte 8 set, t time-out, f read
    // failure; x makes the next write fail. `counted` holds "n|line": the line appears n times;
    // `tail` the last lines before " ", " ".
    static void row(const char* name, const char* script, int result, int writes, int reads,
                    const char* sleeps, const QStringList& counted = {},
                    const QStringList& tail = {kSuccess})
    {
        QTest::newRow(name) << QString(script) << result << writes << reads << QString(sleeps)
                            << counted << tail;
    }
    void budgets_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("writes");
        QTest::addColumn<int>("reads");
        QTest::addColumn<QString>("sleeps");
        QTest::addColumn<QStringList>("counted");
        QTest::addColumn<QStringList>("tail");
        const QString dashes = "--------------------------------------";
        const QString reread = "|command check fail, re read 0";
        const QString allZero = "1|multi all 0, go back" + dashes;
        row("negative write", "x", 4, 1, 0, "", {},
            {"Unable to send a feature report.\n", "hid_write fail" + dashes});
        row("six zero answers", "z*6 f*100", 0, 6, 6, "10*6", {"5|all 0, jump re write ", allZero});
        row("six time-outs", "t*6 f*100", 0, 6, 6, "10*6");
        row("five zero answers", "z*5", 0, 6, 6, "10*6", {"0|multi all 0, go back" + dashes});
        row("zero head", "h*6 f*100", 0, 6, 6, "10*6");
        row("byte 8 decides", "H", 0, 1, 2, "10 50", {"1" + reread});
        row("byte 32 differs", "w", 0, 1, 2, "10 50", {"1" + reread});
        row("19 mismatches", "w*19", 0, 1, 20, "10 50*19", {"19" + reread});
        row("20 mismatches", "w*20", 0, 2, 21, "10 50*19 10",
            {"19" + reread, "1|command check fail, re write 1"});
        row("persistent mismatch", "w*1000", 2, 3, 22, "10 50*19 10 10",
            {"1|command check fail, re write 1", "1|command check fail, re write 2"},
            {"multi command check fail, go back" + dashes});
        row("29 read failures", "f*29", 0, 1, 30, "10 50*29", {"29|re read", "0|re write"});
        row("30 read failures", "f*30", 0, 2, 31, "10 50*29 10",
            {"1|hid_read start read fail 0", "1|hid_read start read fail 29", "29|re read",
             "1|write fail 0", "1|re write"});
        row("persistent read failure", "f*1000", 2, 3, 32, "10 50*29 10 10", {"1|write fail 2"},
            {"multi rewrite fail" + dashes});
        // After a mismatch six zero answers are a check failure, and the re-read finds the echo.
        row("zero answers after a mismatch", "w z*6", 0, 6, 8, "10 50 10*5 50",
            {"5|all 0, jump re write ", allZero, "2" + reread});
        // A time-out leaves the previous (wrong) answer in place.
        row("time-out after a mismatch", "w t", 0, 1, 3, "10 50 50", {"2" + reread});
    }
    void budgets()
    {
        QFETCH(QString, script);
        QFETCH(int, result);
        QFETCH(int, writes);
        QFETCH(int, reads);
        QFETCH(QString, sleeps);
        QFETCH(QStringList, counted);
        QFETCH(QStringList, tail);
        const QByteArray c = command();
        QByteArray wrong = c.mid(1, 32);
        wrong[31] = char(wrong[31] ^ 0x01);
        QByteArray zeroHead = c.mid(1, 32);
        zeroHead.replace(0, 8, QByteArray(8, '\0'));
        QByteArray byte8 = zeroHead;
        byte8[7] = 1;
        for (const QString& step : expand(script)) {
            const QMap<QString, QByteArray> bytes = {
                {"z", QByteArray(32, '\0')}, {"w", wrong}, {"h", zeroHead}, {"H", byte8}};
            if (step == "x")
                m_Device->writeResults.push_back(-1);
            else if (bytes.contains(step))
                m_Device->add(ScriptedDevice::Kind::Bytes, bytes[step]);
            else
                m_Device->add(step == "t" ? ScriptedDevice::Kind::Timeout
                                          : ScriptedDevice::Kind::Fail);
        }
        QCOMPARE(int(sendCapturing(c)), result);
        QCOMPARE(m_Device->writes.size(), writes);
        for (const QByteArray& w : m_Device->writes)
            QCOMPARE(w, c);
        QCOMPARE(m_Device->reads, reads);
        QList<unsigned long> expectedSleeps;
        for (const QString& s : expand(sleeps))
            expectedSleeps << s.toULong();
        QCOMPARE(g_Sleeps, expectedSleeps);
        for (const QString& entry : counted) {
            const int bar = entry.indexOf('|');
            QCOMPARE(g_Lines.count(entry.mid(bar + 1)), entry.left(bar).toInt());
        }
        QCOMPARE(g_Lines.mid(g_Lines.size() - tail.size() - 2), tail + QStringList({" ", " "}));
    }

    void debugLinesOfOneExchange()
    {
        const QByteArray c = command();
        m_Device->add(ScriptedDevice::Kind::Bytes, QByteArray(32, '\0'));
        QCOMPARE(sendCapturing(c), quint8(0));
        const QByteArray written = c.mid(1) + QByteArray(1, '\0');
        const QStringList expected = {
            "start--------------------------------------",
            hexLine("hid_write ", 33, written),
            "hid_read start",
            hexLine("hid_read ", 32, QByteArray(33, '\0')),
            "all 0, jump re write ",
            hexLine("hid_write ", 33, written),
            "hid_read start",
            hexLine("hid_read ", 32, c.mid(1, 32) + QByteArray(1, '\0')),
            kSuccess,
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
        QCOMPARE(m_Device->writes.size(), 1);
        QCOMPARE(m_Device->writes.first().size(), 33);
        QCOMPARE(m_Device->writes.first().mid(5), QByteArray(28, '\0'));

        QCOMPARE(send(QByteArray(200, char(0x44))), quint8(0));
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
            for (int s = random.bounded(1, 80); s > 0; --s) {
                using K = ScriptedDevice::Kind;
                const K kinds[] = {K::Fail, K::Timeout, K::Echo, K::Bytes, K::Bytes, K::Bytes};
                ScriptedDevice::Step step;
                step.kind = kinds[random.bounded(0, 6)];
                if (step.kind == K::Echo)
                    step.result = random.bounded(-3, 70);
                if (step.kind == K::Bytes) {
                    step.bytes = QByteArray(random.bounded(0, 33), '\0');
                    for (char& b : step.bytes)
                        b = char(random.bounded(0, 3) == 0 ? 0 : random.bounded(0, 256));
                    step.result = random.bounded(0, 2) ? -100 : random.bounded(-5, 1000);
                }
                m_Device->script.push_back(step);
            }
            if (random.bounded(0, 20) == 0)
                m_Device->writeResults.push_back(-1);
            const quint8 result = send(c);
            QVERIFY2(result == 0 || result == 2 || result == 4,
                     qPrintable(QString::number(result)));
            ++results[result];
            // Budgets bound the traffic whatever the answers: 3 failure writes, each followed
            // by at most 5 zero-answer writes per check failure.
            QVERIFY(m_Device->writes.size() <= 3 + 5 * 23);
            QVERIFY(m_Device->reads <= 500);
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
            DeviceLink::instance().setHandle(DeviceLink::ReceiverControl,
                                             std::make_shared<ScriptedDevice>());
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
    }
};

QTEST_GUILESS_MAIN(TestCommandTransport)
#include "tst_commandtransport.moc"
